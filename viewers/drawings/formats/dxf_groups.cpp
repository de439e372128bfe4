#include "viewers/drawings/formats/dxf_groups.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>

namespace {

constexpr size_t kLongestLine = 4096;

class GroupStream {
 public:
  GroupStream(ByteSource& file, int64_t most) : file_(file), most_(most) {}

  // The next group; false at the end of the file or past the bound.
  bool Next(DxfGroup& group) {
    if (++count_ > most_) return false;
    std::string code;
    if (!Line(code)) return false;
    char* end = nullptr;
    const long number = std::strtol(code.c_str(), &end, 10);
    if (end == code.c_str()) return false;  // not a group code: not DXF text, or its end
    group.Code = static_cast<int>(std::clamp<long>(number, -1, 1 << 20));
    return Line(group.Value);
  }

 private:
  bool Line(std::string& out) {
    out.clear();
    int c;
    while ((c = file_.Get()) >= 0 && c != '\n')
      if (c != '\r' && out.size() < kLongestLine) out += static_cast<char>(c);
    if (c < 0 && out.empty()) return false;
    const size_t first = out.find_first_not_of(" \t");
    out.erase(0, first == std::string::npos ? out.size() : first);
    while (!out.empty() && (out.back() == ' ' || out.back() == '\t')) out.pop_back();
    return true;
  }

  ByteSource& file_;
  int64_t most_;
  int64_t count_ = 0;
};

enum class Section { None, Tables, Blocks, Entities, Other };

}  // namespace

double DxfEntity::Number(int code, double otherwise) const {
  for (const DxfGroup& g : Groups)
    if (g.Code == code) return DxfNumber(g.Value);
  return otherwise;
}

int DxfEntity::Integer(int code, int otherwise) const {
  for (const DxfGroup& g : Groups)
    if (g.Code == code) return DxfInteger(g.Value);
  return otherwise;
}

std::string DxfEntity::Text(int code) const {
  for (const DxfGroup& g : Groups)
    if (g.Code == code) return g.Value;
  return {};
}

double DxfNumber(const std::string& value) {
  const double n = std::strtod(value.c_str(), nullptr);
  return std::isfinite(n) ? std::clamp(n, -1e12, 1e12) : 0;
}

int DxfInteger(const std::string& value) {
  return static_cast<int>(std::clamp(DxfNumber(value), -2147483647.0, 2147483647.0));
}

std::string UpperCase(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

// The standard colour index: 1-6 the primaries and secondaries, 7 ink,
// 8 and 9 greys, 10-249 24 hues in five shades each, full and half
// strength, and 250-255 greys.
uint32_t DxfColour(int number) {
  static constexpr uint32_t kFirst[] = {0x000000, 0xFF0000, 0xFFFF00, 0x00FF00, 0x00FFFF,
                                        0x0000FF, 0xFF00FF, 0xFFFFFF, 0x414141, 0x808080};
  static constexpr int kShades[] = {255, 165, 127, 76, 38};
  static constexpr int kGreys[] = {51, 91, 132, 173, 214, 255};
  if (number < 0 || number > 255) return 0xFFFFFF;
  if (number < 10) return kFirst[number];
  if (number >= 250) return static_cast<uint32_t>(kGreys[number - 250] * 0x010101);
  const double hue = (number - 10) / 10 * 15.0;
  const double value = kShades[(number % 10) / 2];
  const double low = number % 2 ? value / 2 : 0;
  const double sector = hue / 60, rising = sector - std::floor(sector);
  const double up = low + (value - low) * rising, down = value - (value - low) * rising;
  double r = 0, g = 0, b = 0;
  switch (static_cast<int>(sector)) {
    case 0: r = value, g = up, b = low; break;
    case 1: r = down, g = value, b = low; break;
    case 2: r = low, g = value, b = up; break;
    case 3: r = low, g = down, b = value; break;
    case 4: r = up, g = low, b = value; break;
    default: r = value, g = low, b = down;
  }
  return static_cast<uint32_t>(r) << 16 | static_cast<uint32_t>(g) << 8 | static_cast<uint32_t>(b);
}

DxfFile ReadDxfGroups(ByteSource& file, int64_t mostGroups) {
  DxfFile dxf;
  if (!file.IsOpen()) return dxf;
  file.SeekTo(0);
  GroupStream stream(file, mostGroups);
  DxfGroup group;
  Section section = Section::None;
  bool expectName = false;
  DxfEntity* entity = nullptr;    // the entity whose groups follow
  DxfBlock* block = nullptr;      // the block being read
  DxfEntity* polyline = nullptr;  // the POLYLINE whose vertices follow
  DxfBlock unnamed;               // a block until its name comes
  int64_t stored = 0;
  bool inLayer = false;  // reading a LAYER's groups
  std::string layer;
  int layerColour = 7;
  auto endLayer = [&] {
    if (inLayer) dxf.LayerColours[UpperCase(layer)] = layerColour;
    inLayer = false;
    layer.clear();
    layerColour = 7;
  };
  while (stream.Next(group)) {
    if (expectName) {
      expectName = false;
      if (group.Code == 2) {
        const std::string name = UpperCase(group.Value);
        section = name == "TABLES"     ? Section::Tables
                  : name == "BLOCKS"   ? Section::Blocks
                  : name == "ENTITIES" ? Section::Entities
                                       : Section::Other;
        continue;
      }
    }
    if (group.Code == 0) {
      dxf.Valid = true;
      const std::string type = UpperCase(group.Value);
      endLayer();
      entity = nullptr;
      if (type == "SECTION")
        expectName = true, block = nullptr, polyline = nullptr;
      else if (type == "ENDSEC" || type == "EOF")
        section = Section::None, block = nullptr, polyline = nullptr;
      else if (section == Section::Tables && type == "LAYER")
        inLayer = true;
      else if (section == Section::Blocks && type == "BLOCK") {
        unnamed = DxfBlock{};
        block = &unnamed;  // named by its group 2 below
        polyline = nullptr;
      } else if (section == Section::Blocks && type == "ENDBLK")
        block = nullptr, polyline = nullptr;
      else if (type == "SEQEND")
        polyline = nullptr;
      else if (section == Section::Entities || (section == Section::Blocks && block)) {
        std::vector<DxfEntity>& list =
            section == Section::Entities ? dxf.Entities : block->Entities;
        if (++stored > kMostStoredGroups) break;
        if (type == "VERTEX" && polyline) {
          if (polyline->Vertices.size() < kMostDxfGroupsPerEntity) {
            polyline->Vertices.push_back({type, {}, {}});
            entity = &polyline->Vertices.back();
          }
        } else {
          polyline = nullptr;
          list.push_back({type, {}, {}});
          entity = &list.back();
          if (type == "POLYLINE") polyline = entity;
        }
      }
      continue;
    }
    if (section == Section::Tables && inLayer) {
      if (group.Code == 2)
        layer = group.Value;
      else if (group.Code == 62)
        layerColour = DxfInteger(group.Value);
      continue;
    }
    if (section == Section::Blocks && block && !entity) {
      if (group.Code == 2 && block->Entities.empty()) {
        const std::string name = UpperCase(group.Value);
        if (!dxf.Blocks.count(name)) {
          dxf.Blocks[name] = *block;
          block = &dxf.Blocks[name];
        }
      } else if (group.Code == 10)
        block->BaseX = DxfNumber(group.Value);
      else if (group.Code == 20)
        block->BaseY = DxfNumber(group.Value);
      continue;
    }
    if (entity && entity->Groups.size() < kMostDxfGroupsPerEntity) {
      if (++stored > kMostStoredGroups) break;
      entity->Groups.push_back(group);
    }
  }
  endLayer();
  return dxf;
}
