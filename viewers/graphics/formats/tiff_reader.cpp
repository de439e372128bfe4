#include "viewers/graphics/formats/tiff_reader.h"

#include <algorithm>

#include "viewers/graphics/formats/tiff_directory.h"
#include "viewers/graphics/formats/tiff_stream.h"

namespace {

constexpr int64_t kLargestRowBytes = 64LL << 20;
constexpr uint32_t kLargestSide = 1u << 30;

enum Photometric : uint32_t { kWhiteIsZero = 0, kBlackIsZero = 1, kRgb = 2, kPalette = 3, kCmyk = 5 };

// How one page's samples become pixels.
struct Layout {
  const TiffPage& Page;
  int Bits = 0, Samples = 0;
  bool Alpha = false;
  int64_t RowBytes(int64_t width) const { return (width * Samples * Bits + 7) / 8; }

  // Sample s of pixel x of a row, widened or narrowed to eight bits (a
  // palette index as it is).
  uint32_t Sample(const uint8_t* row, int64_t x, int s) const {
    const int64_t i = x * Samples + s;
    if (Bits == 8) return row[i];
    if (Bits == 16) return Page.BigEndian ? row[2 * i] : row[2 * i + 1];
    const uint32_t v = (row[i * Bits / 8] >> (8 - Bits - i * Bits % 8)) & ((1u << Bits) - 1);
    return Page.Photometric == kPalette ? v : v * 255 / ((1u << Bits) - 1);
  }

  uint32_t Pixel(const uint8_t* row, int64_t x) const {
    auto byte = [&](int s) { return static_cast<uint8_t>(Sample(row, x, s)); };
    switch (Page.Photometric) {
      case kWhiteIsZero:
      case kBlackIsZero: {
        uint8_t v = byte(0);
        if (Page.Photometric == kWhiteIsZero) v = static_cast<uint8_t>(255 - v);
        return PixelOf(v, v, v, Alpha ? byte(1) : 255);
      }
      case kPalette: {
        const size_t index = Sample(row, x, 0), count = Page.ColorMap.size() / 3;
        if (index >= count) return PixelOf(0, 0, 0);
        return PixelOf(static_cast<uint8_t>(Page.ColorMap[index] >> 8),
                       static_cast<uint8_t>(Page.ColorMap[count + index] >> 8),
                       static_cast<uint8_t>(Page.ColorMap[2 * count + index] >> 8));
      }
      case kCmyk: {
        const int k = 255 - byte(3);
        return PixelOf(static_cast<uint8_t>((255 - byte(0)) * k / 255),
                       static_cast<uint8_t>((255 - byte(1)) * k / 255),
                       static_cast<uint8_t>((255 - byte(2)) * k / 255));
      }
      default:
        return PixelOf(byte(0), byte(1), byte(2), Alpha ? byte(3) : 255);
    }
  }
};

bool LayoutOf(const TiffPage& page, Layout& layout) {
  const auto& bits = page.BitsPerSample;
  layout.Samples = static_cast<int>(page.SamplesPerPixel);
  layout.Bits = bits.empty() ? 1 : bits[0];
  if (layout.Samples < 1 || layout.Samples > 8 ||
      std::any_of(bits.begin(), bits.end(), [&](uint16_t b) { return b != layout.Bits; }))
    return false;
  if (layout.Bits != 1 && layout.Bits != 2 && layout.Bits != 4 && layout.Bits != 8 && layout.Bits != 16)
    return false;
  if (std::any_of(page.SampleFormat.begin(), page.SampleFormat.end(), [](uint16_t f) { return f > 1; }))
    return false;  // signed and floating-point samples
  if (layout.Bits < 8 && layout.Samples > 1) return false;
  const bool extraIsAlpha = page.ExtraSamples.empty() || page.ExtraSamples[0] != 0;
  switch (page.Photometric) {
    case kWhiteIsZero:
    case kBlackIsZero:
      layout.Alpha = layout.Samples >= 2 && extraIsAlpha;
      return true;
    case kPalette:
      return layout.Bits <= 8 && layout.Samples == 1 &&
             page.ColorMap.size() >= 3u << layout.Bits;
    case kRgb:
      layout.Alpha = layout.Samples >= 4 && extraIsAlpha;
      return layout.Samples >= 3;
    case kCmyk:
      return layout.Samples >= 4 && layout.Bits >= 8;
    default:
      return false;
  }
}

// Horizontal differencing: each sample was stored as its difference from
// the same sample of the pixel before it.
void UndoPredictor(const Layout& l, uint8_t* row, int64_t width) {
  if (l.Page.Predictor != 2) return;
  const int64_t count = width * l.Samples;
  if (l.Bits == 8) {
    for (int64_t i = l.Samples; i < count; ++i) row[i] = static_cast<uint8_t>(row[i] + row[i - l.Samples]);
  } else if (l.Bits == 16) {
    const bool big = l.Page.BigEndian;
    auto get = [&](int64_t i) { return big ? row[2 * i] << 8 | row[2 * i + 1] : row[2 * i] | row[2 * i + 1] << 8; };
    for (int64_t i = l.Samples; i < count; ++i) {
      const int v = (get(i) + get(i - l.Samples)) & 0xFFFF;
      row[2 * i + (big ? 0 : 1)] = static_cast<uint8_t>(v >> 8);
      row[2 * i + (big ? 1 : 0)] = static_cast<uint8_t>(v);
    }
  }
}

// The picture's rows from top to bottom in pieces (strips, or rows of
// tiles); each piece's pixels go where they belong, the kept ones only.
class PieceReader {
 public:
  PieceReader(ByteSource& file, const Layout& layout, Picture& out, int reduction)
      : file_(file), layout_(layout), out_(out), r_(reduction) {}

  // Reads piece i as a block of width x rows pixels with its top left at
  // (left, top); false when it ends before its last row.
  bool Read(size_t i, int64_t left, int64_t top, int64_t width, int64_t rows) {
    const TiffPage& page = layout_.Page;
    if (i >= page.Offsets.size()) return false;
    const int64_t rowBytes = layout_.RowBytes(width);
    const int64_t stored = i < page.ByteCounts.size() ? static_cast<int64_t>(page.ByteCounts[i])
                                                      : file_.Size() - static_cast<int64_t>(page.Offsets[i]);
    TiffStream stream(file_, static_cast<int64_t>(page.Offsets[i]), stored, page.Compression);
    // Only as far as the last row kept; a piece without one is left alone.
    const int64_t last = std::min<int64_t>(top + rows, out_.Height * static_cast<int64_t>(r_)) - 1;
    const int64_t firstKept = (top + r_ - 1) / r_ * r_;
    if (firstKept > last) return true;
    row_.resize(static_cast<size_t>(rowBytes));
    for (int64_t y = top; y <= last; ++y) {
      if (stream.Read(row_.data(), row_.size()) < row_.size()) return false;
      if (y % r_) continue;
      UndoPredictor(layout_, row_.data(), width);
      uint32_t* target = out_.Row(static_cast<int32_t>(y / r_));
      for (int64_t x = (r_ - left % r_) % r_; x < width && left + x < out_.Width * static_cast<int64_t>(r_); x += r_)
        target[(left + x) / r_] = layout_.Pixel(row_.data(), x);
      any_ = true;
    }
    return true;
  }
  bool Any() const { return any_; }

 private:
  ByteSource& file_;
  const Layout& layout_;
  Picture& out_;
  int r_;
  std::vector<uint8_t> row_;
  bool any_ = false;
};

}  // namespace

int CountTiffPages(ByteSource& file) { return static_cast<int>(TiffDirectories(file).size()); }

DecodedPicture ReadTiff(ByteSource& file, const DecodeLimits& limits, int pageIndex) {
  DecodedPicture result;
  const std::vector<uint32_t> pages = TiffDirectories(file);
  if (pages.empty()) return result;
  result.Status = DecodeStatus::Declined;
  TiffPage page;
  Layout layout{page};
  if (pageIndex < 0 || static_cast<size_t>(pageIndex) >= pages.size() ||
      !ReadTiffPage(file, pages[static_cast<size_t>(pageIndex)], page) || !LayoutOf(page, layout) ||
      !TiffStream::Supports(page.Compression) || page.PlanarConfiguration != 1 || page.Width == 0 ||
      page.Height == 0 || page.Width > kLargestSide || page.Height > kLargestSide ||
      page.Offsets.empty())
    return result;
  const bool tiled = page.TileWidth || page.TileLength;
  const int64_t pieceWidth = tiled ? page.TileWidth : page.Width;
  const int64_t pieceRows = tiled ? page.TileLength : std::clamp<int64_t>(page.RowsPerStrip, 1, page.Height);
  if (pieceWidth <= 0 || pieceRows <= 0 || pieceWidth > kLargestSide ||
      layout.RowBytes(pieceWidth) > kLargestRowBytes)
    return result;

  result.Info = {"TIFF", static_cast<int32_t>(page.Width), static_cast<int32_t>(page.Height),
                 layout.Bits * layout.Samples, ReductionFor(page.Width, page.Height, limits)};
  const int r = result.Info.Reduction;
  if (!result.Image.Resize((result.Info.Width + r - 1) / r, (result.Info.Height + r - 1) / r))
    return result;  // no memory for it
  PieceReader reader(file, layout, result.Image, r);
  const int64_t across = tiled ? (page.Width + pieceWidth - 1) / pieceWidth : 1;
  const int64_t down = (page.Height + pieceRows - 1) / pieceRows;
  const int64_t pieces = std::min<int64_t>(across * down, static_cast<int64_t>(page.Offsets.size()));
  bool whole = pieces == across * down;
  for (int64_t i = 0; i < pieces; ++i) {
    const int64_t top = i / across * pieceRows;
    // A strip's last rows may be left out; a tile is always whole.
    const int64_t rows = tiled ? pieceRows : std::min<int64_t>(pieceRows, page.Height - top);
    whole &= reader.Read(static_cast<size_t>(i), i % across * pieceWidth, top, pieceWidth, rows);
  }
  result.Status = whole ? DecodeStatus::Decoded : reader.Any() ? DecodeStatus::Partial : DecodeStatus::Declined;
  if (result.Status == DecodeStatus::Declined) result.Image = Picture();
  return result;
}
