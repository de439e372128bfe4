#include "viewers/graphics/formats/stb_reader.h"

#include <stb_image.h>

#include <cstdlib>
#include <cstring>
#include <utility>

#include "viewers/graphics/formats/exif_orientation.h"
#include "viewers/graphics/formats/stb_gif_frames.h"
#include "viewers/graphics/formats/jpeg_frame.h"
#include "viewers/graphics/formats/jpeg_tables.h"
#include "viewers/graphics/formats/picture_transform.h"
#include "viewers/graphics/formats/stb_jpeg_rows.h"

namespace {

constexpr int64_t kLargestGifBytes = 64LL << 20;
// The most a JPEG picture that is reduced may need for the decoder's
// planes (and coefficients), besides the picture shown.
constexpr int64_t kLargestJpegWork = 192LL << 20;

int ReadSome(void* user, char* data, int size) {
  return static_cast<int>(static_cast<ByteSource*>(user)->Read(data, static_cast<size_t>(size)));
}
void Skip(void* user, int n) {
  auto* file = static_cast<ByteSource*>(user);
  file->SeekTo(file->Position() + n);
}
int AtEnd(void* user) { return static_cast<ByteSource*>(user)->AtEnd(); }
const stbi_io_callbacks kCallbacks = {ReadSome, Skip, AtEnd};

// stb gives red, green, blue, alpha; a DIB wants blue first.
void SwapRedAndBlue(uint8_t* rgba, size_t pixels) {
  for (size_t i = 0; i < pixels; ++i) std::swap(rgba[4 * i], rgba[4 * i + 2]);
}

// The picture takes over what stb decoded; false (and freed) when stb
// failed.
bool TakePixels(stbi_uc* rgba, int width, int height, Picture& image) {
  if (!rgba || width <= 0 || height <= 0) {
    std::free(rgba);
    return false;
  }
  const size_t pixels = static_cast<size_t>(width) * static_cast<size_t>(height);
  SwapRedAndBlue(rgba, pixels);
  image.Width = width, image.Height = height;
  image.Pixels.Adopt(reinterpret_cast<uint32_t*>(rgba), pixels);
  return true;
}

// A picture written row by row as the decoder gives its rows, each pixel
// where the EXIF orientation puts it, every reduction-th pixel of every
// reduction-th row; made when the first row comes.
class OrientedRows {
 public:
  OrientedRows(Picture& picture, int width, int height, int orientation, int reduction)
      : picture_(picture), width_(width), height_(height), orientation_(orientation), reduction_(reduction),
        across_((width + reduction - 1) / reduction), down_((height + reduction - 1) / reduction) {}

  void Put(int y, const uint8_t* rgba, int count) {
    const bool turned = orientation_ >= 5 && orientation_ <= 8;
    given_ = true;
    if (!rows_) {
      if (count != width_ || !picture_.Pixels.Allocate(static_cast<size_t>(across_) * down_)) return;
      picture_.Width = turned ? down_ : across_;
      picture_.Height = turned ? across_ : down_;
    }
    if (y != rows_ || count != width_) return;
    ++rows_;
    if (y % reduction_) return;
    const int row = y / reduction_;
    // Where the row's first pixel goes, and how far on each next one.
    const ptrdiff_t line = picture_.Width;
    ptrdiff_t at = static_cast<ptrdiff_t>(row) * line, step = 1;
    switch (orientation_) {
      case 2: at = static_cast<ptrdiff_t>(row) * line + across_ - 1, step = -1; break;
      case 3: at = static_cast<ptrdiff_t>(down_ - 1 - row) * line + across_ - 1, step = -1; break;
      case 4: at = static_cast<ptrdiff_t>(down_ - 1 - row) * line; break;
      case 5: at = row, step = line; break;
      case 6: at = down_ - 1 - row, step = line; break;
      case 7: at = static_cast<ptrdiff_t>(across_ - 1) * line + down_ - 1 - row, step = -line; break;
      case 8: at = static_cast<ptrdiff_t>(across_ - 1) * line + row, step = -line; break;
      default: break;
    }
    uint32_t* pixels = picture_.Pixels.data();
    for (int x = 0; x < count; x += reduction_, at += step, rgba += 4 * reduction_)
      pixels[at] = PixelOf(rgba[0], rgba[1], rgba[2], rgba[3]);
  }
  bool Complete() const { return rows_ == height_ && height_ > 0; }
  // Whether the decoder gave rows here at all (and so left its own output
  // unwritten).
  bool Given() const { return given_; }

 private:
  Picture& picture_;
  int width_, height_, orientation_, reduction_;
  int across_, down_;  // of the picture as decoded, before it is turned
  int rows_ = 0;
  bool given_ = false;
};

bool Starts(ByteSource& file, const char* signature, size_t length) {
  uint8_t head[8] = {};
  return file.ReadAt(0, head, length) == length && std::memcmp(head, signature, length) == 0;
}

}  // namespace

DecodedPicture ReadJpeg(ByteSource& file, const DecodeLimits& limits) {
  DecodedPicture result;
  if (!Starts(file, "\xFF\xD8\xFF", 3)) return result;
  result.Status = DecodeStatus::Declined;
  if (!JpegTablesSound(file)) return result;
  int width, height, channels;
  file.SeekTo(0);
  if (!stbi_info_from_callbacks(&kCallbacks, &file, &width, &height, &channels)) return result;
  const int reduction = ReductionFor(width, height, limits);
  result.Info = {"JPEG", width, height, channels * 8, reduction};
  // A picture over the limit is reduced as its rows come, which only
  // pictures of three components do; and only where the decoder's own
  // planes fit.
  if (reduction > 1) {
    const JpegFrame frame = ReadJpegFrame(file);
    if (frame.Components != 3 || frame.DecoderBytes > kLargestJpegWork) {
      result.Status = DecodeStatus::TooLarge;
      return result;
    }
  }
  const int orientation = JpegOrientation(file);
  OrientedRows oriented(result.Image, width, height, orientation, reduction);
  file.SeekTo(0);
  stbi_uc* rgba = StbLoadJpegRows(kCallbacks, &file, &width, &height,
                                  [&](int y, const uint8_t* row, int count) { oriented.Put(y, row, count); });
  if (oriented.Given()) {
    stbi_image_free(rgba);
    if (!oriented.Complete()) {  // no memory for the picture
      result.Image = Picture();
      return result;
    }
  } else if (reduction > 1) {  // its colours were not converted row by row
    stbi_image_free(rgba);
    result.Status = DecodeStatus::TooLarge;
    return result;
  } else {
    if (!TakePixels(rgba, width, height, result.Image)) return result;
    Orient(result.Image, orientation);
  }
  if (orientation >= 5 && orientation <= 8) std::swap(result.Info.Width, result.Info.Height);
  result.Status = DecodeStatus::Decoded;
  return result;
}

GifFrames ReadGif(ByteSource& file, const DecodeLimits& limits) {
  GifFrames gif;
  DecodedPicture& result = gif.First;
  if (!Starts(file, "GIF87a", 6) && !Starts(file, "GIF89a", 6)) return gif;
  result.Status = DecodeStatus::Declined;
  if (file.Size() > kLargestGifBytes) return gif;
  std::vector<uint8_t> bytes(static_cast<size_t>(file.Size()));
  if (file.ReadAt(0, bytes.data(), bytes.size()) < bytes.size()) return gif;
  int width, height, channels;
  if (!stbi_info_from_memory(bytes.data(), static_cast<int>(bytes.size()), &width, &height, &channels) ||
      width <= 0 || height <= 0)
    return gif;
  result.Info = {"GIF", width, height, 8, 1};
  if (static_cast<int64_t>(width) * height > limits.MaxPixels) {
    result.Status = DecodeStatus::TooLarge;
    return gif;
  }
  // Frames are kept while all of them together stay within the limit.
  int64_t kept = 0;
  StbGifFrames(bytes.data(), static_cast<int>(bytes.size()),
               [&](const unsigned char* rgba, int w, int h, int delayMs) {
                 if (w != width || h != height || kept + static_cast<int64_t>(w) * h > limits.MaxPixels)
                   return false;
                 Picture frame;
                 if (!frame.Resize(w, h)) return false;
                 std::memcpy(frame.Pixels.data(), rgba, frame.Pixels.size() * 4);
                 SwapRedAndBlue(reinterpret_cast<uint8_t*>(frame.Pixels.data()), frame.Pixels.size());
                 kept += static_cast<int64_t>(w) * h;
                 if (result.Image.Pixels.empty()) result.Image = std::move(frame);
                 else gif.Others.push_back(std::move(frame));
                 gif.DelaysMs.push_back(delayMs);
                 return true;
               });
  if (!result.Image.Pixels.empty()) result.Status = DecodeStatus::Decoded;
  return gif;
}
