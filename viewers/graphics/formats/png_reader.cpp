#include "viewers/graphics/formats/png_reader.h"

#include <zlib.h>

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <cstring>
#include <functional>
#include <vector>

#include "viewers/graphics/formats/reduced_rows.h"

namespace {

using ReadAt = std::function<size_t(int64_t offset, void* buffer, size_t n)>;

// A row wider than this is declined: it would be held twice while the
// picture is read.
constexpr uint64_t kLargestRowBytes = 16u << 20;
constexpr size_t kInputBytes = 64 * 1024;

uint32_t Be32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) << 24 | static_cast<uint32_t>(p[1]) << 16 |
         static_cast<uint32_t>(p[2]) << 8 | p[3];
}

// The chunks after the signature, one after the other. A chunk cut short
// by the end of the file is still given; its data ends where the file does.
class Chunks {
 public:
  Chunks(const ReadAt& read, int64_t size) : read_(read), size_(size) {}
  bool Next() {
    uint8_t head[8];
    if (next_ + 8 > size_ || read_(next_, head, 8) != 8) return false;
    Length = Be32(head);
    if (Length > 0x7FFFFFFFu) return false;
    std::memcpy(Type, head + 4, 4);
    Data = next_ + 8;
    Length = static_cast<uint32_t>(std::min<int64_t>(Length, size_ - Data));
    next_ = Data + Length + 4;  // after the check sum, which is not checked
    return true;
  }
  bool Is(const char* type) const { return std::memcmp(Type, type, 4) == 0; }
  const ReadAt& Read() const { return read_; }

  char Type[4] = {};
  int64_t Data = 0;
  uint32_t Length = 0;

 private:
  const ReadAt& read_;
  int64_t size_;
  int64_t next_ = 8;
};

// The compressed stream of the data chunks that follow one another,
// inflated on demand.
class RowStream {
 public:
  explicit RowStream(Chunks& chunks) : chunks_(chunks), input_(kInputBytes) {
    ready_ = inflateInit(&z_) == Z_OK;
    left_ = chunks.Length;
    at_ = chunks.Data;
  }
  ~RowStream() {
    if (ready_) inflateEnd(&z_);
  }
  RowStream(const RowStream&) = delete;
  RowStream& operator=(const RowStream&) = delete;

  // n bytes of the picture's rows; false when the data ends or breaks.
  bool Read(uint8_t* out, size_t n) {
    z_.next_out = out;
    z_.avail_out = static_cast<uInt>(n);
    while (z_.avail_out) {
      if (!ready_ || ended_ || (!z_.avail_in && !Refill())) return false;
      const int status = inflate(&z_, Z_NO_FLUSH);
      if (status == Z_STREAM_END) ended_ = true;
      else if (status != Z_OK) return false;
    }
    return true;
  }

 private:
  bool Refill() {
    while (!left_) {
      if (!chunks_.Next() || !chunks_.Is("IDAT")) return false;
      left_ = chunks_.Length;
      at_ = chunks_.Data;
    }
    const size_t got = chunks_.Read()(at_, input_.data(), std::min<size_t>(left_, input_.size()));
    if (!got) return false;
    at_ += static_cast<int64_t>(got);
    left_ -= static_cast<uint32_t>(got);
    z_.next_in = input_.data();
    z_.avail_in = static_cast<uInt>(got);
    return true;
  }

  Chunks& chunks_;
  std::vector<uint8_t> input_;
  z_stream z_{};
  bool ready_ = false, ended_ = false;
  uint32_t left_ = 0;
  int64_t at_ = 0;
};

// What the header and the chunks before the data say about the pixels.
struct Layout {
  uint32_t Width = 0, Height = 0;
  int Bits = 0, Colour = 0, Channels = 0;
  bool Interlaced = false;
  std::vector<uint32_t> Palette = std::vector<uint32_t>(256, PixelOf(0, 0, 0));
  bool HasPalette = false;
  bool HasKey = false;
  uint16_t Key[3] = {};  // grey, or red, green and blue, at the file's depth

  uint64_t RowBytes(uint64_t width) const { return (width * Channels * Bits + 7) / 8; }
  size_t PixelBytes() const { return static_cast<size_t>(std::max(1, Channels * Bits / 8)); }

  // Sample c of pixel x of an unfiltered row, at the file's depth.
  // Indexes fit in size_t: a row is at most kLargestRowBytes.
  uint32_t Sample(const uint8_t* row, size_t x, int c) const {
    const size_t index = x * Channels + c;
    if (Bits == 16) return static_cast<uint32_t>(row[2 * index] << 8 | row[2 * index + 1]);
    if (Bits == 8) return row[index];
    const size_t bit = index * Bits;
    return (row[bit / 8] >> (8 - Bits - bit % 8)) & ((1u << Bits) - 1);
  }
  uint8_t Scaled(uint32_t sample) const {
    return static_cast<uint8_t>(Bits == 16 ? sample >> 8 : Bits == 8 ? sample : sample * 255 / ((1u << Bits) - 1));
  }
  uint32_t Pixel(const uint8_t* row, size_t x) const {
    switch (Colour) {
      case 3: return Palette[Sample(row, x, 0)];
      case 0: {
        const uint32_t grey = Sample(row, x, 0);
        const uint8_t g = Scaled(grey);
        return PixelOf(g, g, g, HasKey && grey == Key[0] ? 0 : 255);
      }
      case 4: {
        const uint8_t g = Scaled(Sample(row, x, 0));
        return PixelOf(g, g, g, Scaled(Sample(row, x, 1)));
      }
      case 2: {
        const uint32_t r = Sample(row, x, 0), g = Sample(row, x, 1), b = Sample(row, x, 2);
        const bool key = HasKey && r == Key[0] && g == Key[1] && b == Key[2];
        return PixelOf(Scaled(r), Scaled(g), Scaled(b), key ? 0 : 255);
      }
      default:
        return PixelOf(Scaled(Sample(row, x, 0)), Scaled(Sample(row, x, 1)), Scaled(Sample(row, x, 2)),
                       Scaled(Sample(row, x, 3)));
    }
  }
};

int ChannelsOf(int colour, int bits) {
  const auto depth = [bits](std::initializer_list<int> allowed) {
    return std::find(allowed.begin(), allowed.end(), bits) != allowed.end();
  };
  switch (colour) {
    case 0: return depth({1, 2, 4, 8, 16}) ? 1 : 0;
    case 3: return depth({1, 2, 4, 8}) ? 1 : 0;
    case 2: return depth({8, 16}) ? 3 : 0;
    case 4: return depth({8, 16}) ? 2 : 0;
    case 6: return depth({8, 16}) ? 4 : 0;
    default: return 0;
  }
}

bool ReadHeader(Chunks& chunks, Layout& layout) {
  uint8_t h[13];
  if (!chunks.Next() || !chunks.Is("IHDR") || chunks.Length < 13 || chunks.Read()(chunks.Data, h, 13) != 13)
    return false;
  layout.Width = Be32(h), layout.Height = Be32(h + 4);
  layout.Bits = h[8], layout.Colour = h[9];
  layout.Channels = ChannelsOf(layout.Colour, layout.Bits);
  layout.Interlaced = h[12] == 1;
  return layout.Width && layout.Height && layout.Width <= 0x7FFFFFFFu && layout.Height <= 0x7FFFFFFFu &&
         layout.Channels && h[10] == 0 && h[11] == 0 && h[12] <= 1 &&
         layout.RowBytes(layout.Width) <= kLargestRowBytes;
}

void ReadPalette(const Chunks& chunks, Layout& layout) {
  uint8_t rgb[768];
  const size_t n = chunks.Read()(chunks.Data, rgb, std::min<size_t>(chunks.Length, sizeof rgb)) / 3;
  for (size_t i = 0; i < n; ++i) layout.Palette[i] = PixelOf(rgb[3 * i], rgb[3 * i + 1], rgb[3 * i + 2]);
  layout.HasPalette = n > 0;
}

void ReadTransparency(const Chunks& chunks, Layout& layout) {
  uint8_t t[256];
  const size_t n = chunks.Read()(chunks.Data, t, std::min<size_t>(chunks.Length, sizeof t));
  if (layout.Colour == 3) {
    for (size_t i = 0; i < n; ++i) layout.Palette[i] = (layout.Palette[i] & 0xFFFFFFu) | uint32_t{t[i]} << 24;
  } else if ((layout.Colour == 0 && n >= 2) || (layout.Colour == 2 && n >= 6)) {
    layout.HasKey = true;
    for (size_t c = 0; c < n / 2 && c < 3; ++c) layout.Key[c] = static_cast<uint16_t>(t[2 * c] << 8 | t[2 * c + 1]);
  }
}

uint8_t Paeth(int a, int b, int c) {
  const int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
  return static_cast<uint8_t>(pa <= pb && pa <= pc ? a : pb <= pc ? b : c);
}

bool Unfilter(int filter, uint8_t* row, const uint8_t* prior, size_t n, size_t bpp) {
  switch (filter) {
    case 0: return true;
    case 1: for (size_t i = bpp; i < n; ++i) row[i] = static_cast<uint8_t>(row[i] + row[i - bpp]); return true;
    case 2: for (size_t i = 0; i < n; ++i) row[i] = static_cast<uint8_t>(row[i] + prior[i]); return true;
    case 3:
      for (size_t i = 0; i < n; ++i) row[i] = static_cast<uint8_t>(row[i] + ((i >= bpp ? row[i - bpp] : 0) + prior[i]) / 2);
      return true;
    case 4:
      for (size_t i = 0; i < n; ++i)
        row[i] = static_cast<uint8_t>(row[i] + Paeth(i >= bpp ? row[i - bpp] : 0, prior[i], i >= bpp ? prior[i - bpp] : 0));
      return true;
    default: return false;
  }
}

// The pixels of a whole row of 8-bit samples without a key colour, every
// step-th of them one after the other into target: the common pictures,
// in loops of their own. False for the other layouts.
bool ConvertPlainRow(const Layout& layout, const uint8_t* row, size_t width, size_t step, uint32_t* target) {
  if (layout.Bits != 8 || layout.HasKey) return false;
  const size_t stride = static_cast<size_t>(layout.Channels) * step;
  const uint8_t* p = row;
  const uint8_t* end = row + width * layout.Channels;
  switch (layout.Colour) {
    case 6: for (; p < end; p += stride) *target++ = PixelOf(p[0], p[1], p[2], p[3]); return true;
    case 2: for (; p < end; p += stride) *target++ = PixelOf(p[0], p[1], p[2]); return true;
    case 3: for (; p < end; p += stride) *target++ = layout.Palette[*p]; return true;
    case 4: for (; p < end; p += stride) *target++ = PixelOf(p[0], p[0], p[0], p[1]); return true;
    default: for (; p < end; p += stride) *target++ = PixelOf(p[0], p[0], p[0]); return true;
  }
}

struct Pass {
  uint32_t X0, Y0, Dx, Dy;
};
constexpr Pass kWhole[] = {{0, 0, 1, 1}};
constexpr Pass kAdam7[] = {{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4},
                           {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}};

// Reads every pass's rows into the picture, counting them; false when the
// data broke off (the rows read so far stay).
bool ReadPasses(RowStream& stream, const Layout& layout, ReducedRows& rows, uint64_t& rowsRead) {
  const size_t r = static_cast<size_t>(rows.Reduction());
  const size_t bpp = layout.PixelBytes();
  const Pass* passes = layout.Interlaced ? kAdam7 : kWhole;
  const size_t count = layout.Interlaced ? std::size(kAdam7) : std::size(kWhole);
  std::vector<uint8_t> row, prior;
  for (const Pass* pass = passes; pass != passes + count; ++pass) {
    if (layout.Width <= pass->X0 || layout.Height <= pass->Y0) continue;
    const size_t width = (layout.Width - pass->X0 + pass->Dx - 1) / pass->Dx;
    const size_t height = (layout.Height - pass->Y0 + pass->Dy - 1) / pass->Dy;
    const size_t bytes = static_cast<size_t>(layout.RowBytes(width));
    // Where every pixel of a row has a place, only every r-th is kept.
    const size_t step = pass->Dx == 1 ? r : 1;
    row.assign(bytes + 1, 0);
    prior.assign(bytes + 1, 0);
    for (size_t j = 0; j < height; ++j) {
      if (!stream.Read(row.data(), bytes + 1) ||
          !Unfilter(row[0], row.data() + 1, prior.data() + 1, bytes, bpp))
        return false;
      ++rowsRead;
      uint32_t* target = rows.Row(pass->Y0 + j * pass->Dy);
      if (target && !(pass->Dx == 1 && ConvertPlainRow(layout, row.data() + 1, width, step, target))) {
        for (size_t i = 0; i < width; i += step) {
          const size_t x = pass->X0 + i * pass->Dx;
          if (x % r == 0) target[x / r] = layout.Pixel(row.data() + 1, i);
        }
      }
      std::swap(row, prior);
    }
  }
  return true;
}

DecodedPicture Decode(const ReadAt& read, int64_t size, const DecodeLimits& limits) {
  DecodedPicture result;
  uint8_t signature[8];
  if (size < 8 || read(0, signature, 8) != 8 || std::memcmp(signature, "\x89PNG\r\n\x1A\n", 8) != 0) return result;
  result.Status = DecodeStatus::Declined;
  Chunks chunks(read, size);
  Layout layout;
  if (!ReadHeader(chunks, layout)) return result;
  bool data = false;
  while (!data && chunks.Next()) {
    if (chunks.Is("PLTE")) ReadPalette(chunks, layout);
    else if (chunks.Is("tRNS")) ReadTransparency(chunks, layout);
    else if (chunks.Is("IDAT")) data = true;
    else if (chunks.Is("IEND")) break;
  }
  if (!data || (layout.Colour == 3 && !layout.HasPalette)) return result;
  result.Info = {"PNG", static_cast<int32_t>(layout.Width), static_cast<int32_t>(layout.Height),
                 layout.Channels * layout.Bits, ReductionFor(layout.Width, layout.Height, limits)};
  ReducedRows rows(result.Image, result.Info.Width, result.Info.Height, result.Info.Reduction);
  if (result.Image.Pixels.empty()) return result;  // no memory for it
  RowStream stream(chunks);
  uint64_t rowsRead = 0;
  if (ReadPasses(stream, layout, rows, rowsRead)) {
    result.Status = DecodeStatus::Decoded;
  } else if (rowsRead) {
    result.Status = DecodeStatus::Partial;
  } else {
    result.Image = Picture();
  }
  return result;
}

}  // namespace

DecodedPicture ReadPng(ByteSource& file, const DecodeLimits& limits) {
  return Decode([&](int64_t offset, void* buffer, size_t n) { return file.ReadAt(offset, buffer, n); },
                file.Size(), limits);
}

DecodedPicture ReadPngBlock(const uint8_t* bytes, size_t size, const DecodeLimits& limits) {
  const auto read = [&](int64_t offset, void* buffer, size_t n) -> size_t {
    if (offset < 0 || static_cast<uint64_t>(offset) >= size) return 0;
    n = std::min(n, size - static_cast<size_t>(offset));
    std::memcpy(buffer, bytes + offset, n);
    return n;
  };
  return Decode(read, static_cast<int64_t>(size), limits);
}
