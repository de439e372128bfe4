// GIF: one image of the colours the quantizer chose, LZW-coded (least
// significant bit first, 9 to 12-bit codes, a clear code when the table is
// full), in sub-blocks of 255 bytes.
#include <unordered_map>

#include "viewers/graphics/formats/byte_writer.h"
#include "viewers/graphics/formats/colour_quantizer.h"

namespace {

constexpr int kClear = 256, kEnd = 257, kCodes = 4096;

class GifCodes {
 public:
  explicit GifCodes(ByteWriter& w) : w_(w) {}
  void Put(int code) {
    bits_ |= static_cast<uint32_t>(code) << count_;
    count_ += width_;
    while (count_ >= 8) Byte(static_cast<uint8_t>(bits_)), bits_ >>= 8, count_ -= 8;
  }
  void Finish() {
    if (count_) Byte(static_cast<uint8_t>(bits_));
    if (!block_.empty()) EmitBlock();
    w_.U8(0);
  }
  int width_ = 9;

 private:
  void Byte(uint8_t b) {
    block_.push_back(b);
    if (block_.size() == 255) EmitBlock();
  }
  void EmitBlock() {
    w_.U8(static_cast<uint32_t>(block_.size()));
    w_.Put(block_.data(), block_.size());
    block_.clear();
    w_.FlushSometimes();
  }
  ByteWriter& w_;
  std::vector<uint8_t> block_;
  uint32_t bits_ = 0;
  int count_ = 0;
};

}  // namespace

bool WriteGif(const Picture& p, const ByteSink& sink) {
  if (p.Width > 65535 || p.Height > 65535) return false;
  const Palette palette = ChoosePalette(p);
  ByteWriter w(sink);
  w.Put("GIF89a", 6);
  w.U16(static_cast<uint32_t>(p.Width)), w.U16(static_cast<uint32_t>(p.Height));
  w.U8(0xF7), w.U8(0), w.U8(0);  // a global table of 256 colours
  for (size_t i = 0; i < 256; ++i) {
    const uint32_t c = i < palette.Colours.size() ? palette.Colours[i] : 0;
    w.U8(RedOf(c)), w.U8(GreenOf(c)), w.U8(BlueOf(c));
  }
  w.U8(0x2C), w.U16(0), w.U16(0), w.U16(static_cast<uint32_t>(p.Width)), w.U16(static_cast<uint32_t>(p.Height));
  w.U8(0), w.U8(8);

  GifCodes codes(w);
  std::unordered_map<uint32_t, int> table;  // (prefix code << 8 | byte) -> code
  int next = kEnd + 1;
  codes.Put(kClear);
  int prefix = -1;
  for (int32_t y = 0; y < p.Height; ++y) {
    const uint32_t* row = p.Row(y);
    for (int32_t x = 0; x < p.Width; ++x) {
      const uint8_t index = palette.IndexOf(row[x]);
      if (prefix < 0) {
        prefix = index;
        continue;
      }
      const uint32_t key = static_cast<uint32_t>(prefix) << 8 | index;
      auto found = table.find(key);
      if (found != table.end()) {
        prefix = found->second;
        continue;
      }
      codes.Put(prefix);
      if (next < kCodes) {
        table.emplace(key, next++);
        if (next > (1 << codes.width_) && codes.width_ < 12) ++codes.width_;
      } else {
        codes.Put(kClear);
        table.clear();
        next = kEnd + 1, codes.width_ = 9;
      }
      prefix = index;
    }
    if (!w.FlushSometimes()) return false;
  }
  if (prefix >= 0) codes.Put(prefix);
  codes.Put(kEnd);
  codes.Finish();
  w.U8(0x3B);
  return w.Flush();
}
