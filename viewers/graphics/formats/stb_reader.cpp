#include "viewers/graphics/formats/stb_reader.h"

#include <stb_image.h>

#include <cstdlib>
#include <cstring>
#include <utility>

#include "viewers/graphics/formats/exif_orientation.h"
#include "viewers/graphics/formats/stb_gif_frames.h"
#include "viewers/graphics/formats/jpeg_tables.h"
#include "viewers/graphics/formats/picture_transform.h"

namespace {

constexpr int64_t kLargestGifBytes = 64LL << 20;

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
  result.Info = {"JPEG", width, height, channels * 8, 1};
  if (static_cast<int64_t>(width) * height > limits.MaxPixels) {
    result.Status = DecodeStatus::TooLarge;
    return result;
  }
  file.SeekTo(0);
  stbi_uc* rgba = stbi_load_from_callbacks(&kCallbacks, &file, &width, &height, &channels, 4);
  if (!TakePixels(rgba, width, height, result.Image)) return result;
  Orient(result.Image, JpegOrientation(file));
  result.Info.Width = result.Image.Width, result.Info.Height = result.Image.Height;
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
