#include "viewers/graphics/formats/test_tiff.h"

#include <map>
#include <string>

namespace {

struct Writer {
  bool Big;
  Bytes Out;
  void U16(uint32_t v) {
    if (Big) Out.push_back(static_cast<uint8_t>(v >> 8)), Out.push_back(static_cast<uint8_t>(v));
    else Out.push_back(static_cast<uint8_t>(v)), Out.push_back(static_cast<uint8_t>(v >> 8));
  }
  void U32(uint32_t v) {
    if (Big) U16(v >> 16), U16(v & 0xFFFF);
    else U16(v & 0xFFFF), U16(v >> 16);
  }
  void PutU32At(size_t at, uint32_t v) {
    Writer w{Big, {}};
    w.U32(v);
    std::copy(w.Out.begin(), w.Out.end(), Out.begin() + static_cast<std::ptrdiff_t>(at));
  }
};

class BitWriter {
 public:
  void Put(int code, int width) {
    bits_ = bits_ << width | static_cast<uint32_t>(code);
    count_ += width;
    while (count_ >= 8) out.push_back(static_cast<uint8_t>(bits_ >> (count_ -= 8)));
  }
  void Flush() {
    if (count_) out.push_back(static_cast<uint8_t>(bits_ << (8 - count_)));
    count_ = 0;
  }
  Bytes out;

 private:
  uint32_t bits_ = 0;
  int count_ = 0;
};

// The samples of one pixel, each as a value of spec.Bits bits.
std::vector<uint32_t> SamplesOf(const TiffPageSpec& spec, uint32_t p) {
  const uint32_t r = p >> 16 & 255, g = p >> 8 & 255, b = p & 255, a = p >> 24;
  const uint32_t most = (1u << spec.Bits) - 1;
  auto scale = [&](uint32_t v8) { return spec.Bits == 16 ? v8 * 257 : v8 * most / 255; };
  switch (spec.Photometric) {
    case 0:
      return {most - scale(r)};
    case 1:
      return spec.Samples == 2 ? std::vector<uint32_t>{scale(r), scale(a)} : std::vector<uint32_t>{scale(r)};
    case 3: {
      uint32_t index = 0;
      while (spec.Palette[index] != p) ++index;
      return {index};
    }
    case 5:
      return {scale(255 - r), scale(255 - g), scale(255 - b), 0};
    default:
      return spec.Samples == 4 ? std::vector<uint32_t>{scale(r), scale(g), scale(b), scale(a)}
                               : std::vector<uint32_t>{scale(r), scale(g), scale(b)};
  }
}

// A block of the picture (blank past its edges) as rows of samples.
Bytes BlockOf(const TiffPageSpec& spec, bool big, int left, int top, int width, int rows) {
  Bytes out;
  for (int y = top; y < top + rows; ++y) {
    std::vector<uint32_t> samples;
    for (int x = left; x < left + width; ++x) {
      std::vector<uint32_t> s = x < spec.Image.Width && y < spec.Image.Height
                                    ? SamplesOf(spec, spec.Image.Row(y)[x])
                                    : std::vector<uint32_t>(static_cast<size_t>(spec.Samples), 0);
      samples.insert(samples.end(), s.begin(), s.end());
    }
    if (spec.Predictor)
      for (size_t i = samples.size(); i-- > static_cast<size_t>(spec.Samples);)
        samples[i] = (samples[i] - samples[i - static_cast<size_t>(spec.Samples)]) & ((1u << spec.Bits) - 1);
    BitWriter bits;
    for (uint32_t v : samples) {
      if (spec.Bits == 16) {
        Writer w{big, {}};
        w.U16(v);
        for (uint8_t byte : w.Out) bits.Put(byte, 8);
      } else {
        bits.Put(static_cast<int>(v), spec.Bits);
      }
    }
    bits.Flush();
    out.insert(out.end(), bits.out.begin(), bits.out.end());
  }
  return out;
}

Bytes PackBits(const Bytes& data) {
  Bytes out;
  for (size_t i = 0; i < data.size();) {
    size_t run = 1;
    while (i + run < data.size() && run < 128 && data[i + run] == data[i]) ++run;
    if (run > 1) {
      out.push_back(static_cast<uint8_t>(257 - run)), out.push_back(data[i]);
      i += run;
      continue;
    }
    size_t literal = 1;
    while (i + literal < data.size() && literal < 128 &&
           (i + literal + 1 >= data.size() || data[i + literal + 1] != data[i + literal]))
      ++literal;
    out.push_back(static_cast<uint8_t>(literal - 1));
    out.insert(out.end(), data.begin() + static_cast<std::ptrdiff_t>(i),
               data.begin() + static_cast<std::ptrdiff_t>(i + literal));
    i += literal;
  }
  return out;
}

}  // namespace

Bytes EncodeTiffLzw(const Bytes& data) {
  BitWriter bits;
  std::map<std::string, int> table;
  int next = 258, width = 9;
  auto reset = [&] {
    table.clear();
    for (int i = 0; i < 256; ++i) table[std::string(1, static_cast<char>(i))] = i;
    next = 258, width = 9;
  };
  bits.Put(256, 9);
  reset();
  std::string w;
  for (uint8_t byte : data) {
    std::string wc = w + static_cast<char>(byte);
    if (table.count(wc)) {
      w = wc;
      continue;
    }
    bits.Put(table[w], width);
    table[wc] = next++;
    if (next >= (1 << width) && width < 12) ++width;
    w = std::string(1, static_cast<char>(byte));
    if (next == 4094) {
      bits.Put(256, width);
      reset();
    }
  }
  if (!w.empty()) {
    bits.Put(table[w], width);
    if (++next >= (1 << width) && width < 12) ++width;
  }
  bits.Put(257, width);
  bits.Flush();
  return bits.out;
}

std::vector<uint32_t> GreyLevels(int bits) {
  std::vector<uint32_t> levels;
  const uint32_t most = (1u << bits) - 1;
  for (uint32_t i = 0; i <= most && levels.size() < 256; ++i) {
    const uint8_t v = static_cast<uint8_t>(bits >= 8 ? i : i * 255 / most);
    levels.push_back(PixelOf(v, v, v));
  }
  return levels;
}

Bytes MakeTiff(const std::vector<TiffPageSpec>& pages, bool bigEndian) {
  Writer w{bigEndian, {}};
  w.Out = bigEndian ? Bytes{'M', 'M', 0, 42} : Bytes{'I', 'I', 42, 0};
  size_t link = w.Out.size();  // where the offset of the next directory goes
  w.U32(0);
  for (const TiffPageSpec& spec : pages) {
    const int width = spec.Tile ? spec.Tile : spec.Image.Width;
    const int rows = spec.Tile ? spec.Tile : spec.RowsPerStrip;
    const int across = (spec.Image.Width + width - 1) / width, down = (spec.Image.Height + rows - 1) / rows;
    std::vector<uint32_t> offsets, counts;
    for (int i = 0; i < across * down; ++i) {
      const int top = i / across * rows;
      Bytes block = BlockOf(spec, bigEndian, i % across * width, top, width,
                            spec.Tile ? rows : std::min(rows, spec.Image.Height - top));
      if (spec.Compression == 5) block = EncodeTiffLzw(block);
      if (spec.Compression == 32773) block = PackBits(block);
      offsets.push_back(static_cast<uint32_t>(w.Out.size()));
      counts.push_back(static_cast<uint32_t>(block.size()));
      w.Out.insert(w.Out.end(), block.begin(), block.end());
    }
    struct Entry {
      uint16_t tag, type;  // 3 short, 4 long
      std::vector<uint32_t> values;
    };
    auto one = [](uint32_t v) { return std::vector<uint32_t>{v}; };
    std::vector<Entry> entries = {
        {256, 4, one(static_cast<uint32_t>(spec.Image.Width))},
        {257, 4, one(static_cast<uint32_t>(spec.Image.Height))},
        {258, 3, std::vector<uint32_t>(static_cast<size_t>(spec.Samples), static_cast<uint32_t>(spec.Bits))},
        {259, 3, one(spec.Compression)},
        {262, 3, one(static_cast<uint32_t>(spec.Photometric))},
        {277, 3, one(static_cast<uint32_t>(spec.Samples))}};
    if (spec.Tile) {
      entries.push_back({322, 3, one(static_cast<uint32_t>(spec.Tile))});
      entries.push_back({323, 3, one(static_cast<uint32_t>(spec.Tile))});
      entries.push_back({324, 4, offsets});
      entries.push_back({325, 4, counts});
    } else {
      entries.push_back({273, 4, offsets});
      entries.push_back({278, 3, one(static_cast<uint32_t>(spec.RowsPerStrip))});
      entries.push_back({279, 4, counts});
    }
    if (spec.Predictor) entries.push_back({317, 3, one(2)});
    if (!spec.Palette.empty()) {
      std::vector<uint32_t> map;
      for (int channel = 2; channel >= 0; --channel)
        for (uint32_t c : spec.Palette) map.push_back((c >> (8 * channel) & 255) * 257);
      entries.push_back({320, 3, map});
    }
    if ((spec.Photometric == 2 && spec.Samples == 4) || (spec.Photometric == 1 && spec.Samples == 2))
      entries.push_back({338, 3, one(2)});

    // Values that do not fit in the entry's four bytes go before it.
    std::vector<uint32_t> at;
    for (const Entry& e : entries) {
      at.push_back(static_cast<uint32_t>(w.Out.size()));
      if (e.values.size() * (e.type == 3 ? 2 : 4) > 4)
        for (uint32_t v : e.values) e.type == 3 ? w.U16(v) : w.U32(v);
    }
    if (w.Out.size() % 2) w.Out.push_back(0);
    w.PutU32At(link, static_cast<uint32_t>(w.Out.size()));
    w.U16(static_cast<uint32_t>(entries.size()));
    for (size_t i = 0; i < entries.size(); ++i) {
      const Entry& e = entries[i];
      w.U16(e.tag), w.U16(e.type), w.U32(static_cast<uint32_t>(e.values.size()));
      if (e.values.size() * (e.type == 3 ? 2 : 4) > 4) {
        w.U32(at[i]);
      } else if (e.type == 3) {
        w.U16(e.values[0]), w.U16(e.values.size() > 1 ? e.values[1] : 0);
      } else {
        w.U32(e.values[0]);
      }
    }
    link = w.Out.size();
    w.U32(0);
  }
  return w.Out;
}
