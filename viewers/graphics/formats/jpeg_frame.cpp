#include "viewers/graphics/formats/jpeg_frame.h"

#include <algorithm>

namespace {

// The frame header's numbers: the picture's size and each component's
// sampling.
JpegFrame FrameOf(const uint8_t* h, int64_t length, bool progressive) {
  JpegFrame frame;
  if (length < 6) return frame;
  const int64_t height = h[1] << 8 | h[2], width = h[3] << 8 | h[4];
  const int count = h[5];
  if (length < 6 + 3 * count || count < 1) return frame;
  int hMax = 1, vMax = 1;
  for (int i = 0; i < count; ++i) {
    hMax = std::max(hMax, h[7 + 3 * i] >> 4);
    vMax = std::max(vMax, h[7 + 3 * i] & 15);
  }
  // The decoder keeps whole units of 8 x 8 blocks at the largest sampling.
  const int64_t unitsAcross = (width + 8 * hMax - 1) / (8 * hMax);
  const int64_t unitsDown = (height + 8 * vMax - 1) / (8 * vMax);
  int64_t planes = 0;
  for (int i = 0; i < count; ++i)
    planes += unitsAcross * 8 * (h[7 + 3 * i] >> 4) * unitsDown * 8 * (h[7 + 3 * i] & 15);
  frame.Components = count;
  frame.Progressive = progressive;
  frame.DecoderBytes = progressive ? 3 * planes : planes;
  return frame;
}

}  // namespace

JpegFrame ReadJpegFrame(ByteSource& file) {
  file.SeekTo(2);
  for (;;) {
    int marker = file.Get();
    if (marker != 0xFF) return {};
    while (marker == 0xFF) marker = file.Get();
    if (marker < 0 || marker == 0xD9 || marker == 0xDA) return {};
    if ((marker >= 0xD0 && marker <= 0xD7) || marker == 0x01) continue;
    const int high = file.Get(), low = file.Get();
    if (low < 0) return {};
    const int64_t length = (high << 8 | low) - 2;
    if (length < 0) return {};
    if (marker >= 0xC0 && marker <= 0xC2) {
      uint8_t header[6 + 3 * 255];
      const size_t got = file.Read(header, static_cast<size_t>(std::min<int64_t>(length, sizeof header)));
      return FrameOf(header, static_cast<int64_t>(got), marker == 0xC2);
    }
    file.SeekTo(file.Position() + length);
  }
}
