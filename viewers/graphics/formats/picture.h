// A decoded picture as the graphics viewer keeps it: 32-bit pixels with
// blue, green, red and alpha in memory order (a top-down 32-bit DIB), the
// top row first, and what the file said about it.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <utility>

#include "viewers/graphics/formats/large_blocks.h"

// Pixels in one block from AllocateBlock (large_blocks.h), so that a
// decoder's own block can be taken over as it is instead of copied: a
// large picture is not held twice.
class PixelBuffer {
 public:
  PixelBuffer() = default;
  PixelBuffer(const PixelBuffer& other) { *this = other; }
  PixelBuffer& operator=(const PixelBuffer& other);
  PixelBuffer(PixelBuffer&& other) noexcept { *this = std::move(other); }
  PixelBuffer& operator=(PixelBuffer&& other) noexcept {
    std::swap(data_, other.data_);
    std::swap(size_, other.size_);
    return *this;
  }
  ~PixelBuffer() { FreeBlock(data_); }

  // count pixels of fill; false, and empty, when there is no memory.
  bool Assign(size_t count, uint32_t fill);
  // count pixels not yet written, for a decoder that writes every one:
  // their pages cost nothing until then.
  bool Allocate(size_t count);
  // Takes over count pixels that AllocateBlock gave.
  void Adopt(uint32_t* data, size_t count) {
    FreeBlock(data_);
    data_ = data, size_ = count;
  }
  uint32_t* data() { return data_; }
  const uint32_t* data() const { return data_; }
  size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  uint32_t* begin() { return data_; }
  uint32_t* end() { return data_ + size_; }
  const uint32_t* begin() const { return data_; }
  const uint32_t* end() const { return data_ + size_; }

 private:
  uint32_t* data_ = nullptr;
  size_t size_ = 0;
};

struct Picture {
  int32_t Width = 0;
  int32_t Height = 0;
  PixelBuffer Pixels;  // Width * Height, row by row from the top

  // False, with no pixels, when there is no memory for them.
  bool Resize(int32_t width, int32_t height, uint32_t fill = 0xFF000000u) {
    const bool made = Pixels.Assign(static_cast<size_t>(width) * static_cast<size_t>(height), fill);
    Width = made ? width : 0;
    Height = made ? height : 0;
    return made;
  }
  uint32_t* Row(int32_t y) { return Pixels.data() + static_cast<size_t>(y) * Width; }
  const uint32_t* Row(int32_t y) const { return Pixels.data() + static_cast<size_t>(y) * Width; }
};

constexpr uint32_t PixelOf(uint8_t red, uint8_t green, uint8_t blue, uint8_t alpha = 255) {
  return static_cast<uint32_t>(blue) | static_cast<uint32_t>(green) << 8 |
         static_cast<uint32_t>(red) << 16 | static_cast<uint32_t>(alpha) << 24;
}

enum class DecodeStatus {
  Decoded,        // the whole picture
  Partial,        // the file ends (or breaks) early: what could be read, the rest black
  NotThisFormat,  // the file does not start as this format does
  Declined,       // a header this reader cannot or will not show
  TooLarge,       // more pixels than the limit, and this reader cannot reduce
};

struct PictureInfo {
  const char* Format = "";
  int32_t Width = 0;   // as the file gives it
  int32_t Height = 0;
  int BitsPerPixel = 0;
  int Reduction = 1;  // the file's pixels per shown pixel, across and down
};

struct DecodedPicture {
  DecodeStatus Status = DecodeStatus::NotThisFormat;
  PictureInfo Info;
  Picture Image;
};

// How many pixels a decoded picture may have. A reader that can reduce a
// larger picture while it decodes keeps every Reduction-th pixel of every
// Reduction-th row; the others decline it.
struct DecodeLimits {
  int64_t MaxPixels = 8000LL * 8000LL;
};

// The smallest whole reduction that brings width x height within the
// limit (1 when it fits as it is).
int ReductionFor(int64_t width, int64_t height, const DecodeLimits& limits);
