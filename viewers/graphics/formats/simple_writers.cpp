// The writers whose formats need no more than their headers and rows:
// BMP, PCX, TIFF and Targa.
#include <algorithm>

#include "viewers/graphics/formats/byte_writer.h"

bool HasAlpha(const Picture& picture) {
  return std::any_of(picture.Pixels.begin(), picture.Pixels.end(), [](uint32_t p) { return AlphaOf(p) != 255; });
}

bool WriteBmp(const Picture& p, const ByteSink& sink) {
  const bool alpha = HasAlpha(p);
  const uint32_t stride = alpha ? 4u * p.Width : (3u * p.Width + 3) / 4 * 4;
  const uint32_t header = alpha ? 14 + 124 : 14 + 40;
  ByteWriter w(sink);
  w.U8('B'), w.U8('M'), w.U32(header + stride * static_cast<uint32_t>(p.Height)), w.U32(0), w.U32(header);
  w.U32(header - 14), w.U32(static_cast<uint32_t>(p.Width)), w.U32(static_cast<uint32_t>(p.Height));
  w.U16(1), w.U16(alpha ? 32 : 24), w.U32(alpha ? 3 : 0), w.U32(stride * static_cast<uint32_t>(p.Height));
  w.U32(2835), w.U32(2835), w.U32(0), w.U32(0);
  if (alpha) {
    w.U32(0xFF0000), w.U32(0xFF00), w.U32(0xFF), w.U32(0xFF000000), w.U32(0x73524742);  // "sRGB"
    for (int i = 0; i < 16; ++i) w.U32(0);
  }
  for (int32_t y = p.Height - 1; y >= 0; --y) {
    const uint32_t* row = p.Row(y);
    if (alpha) {
      w.Put(row, 4u * p.Width);
    } else {
      for (int32_t x = 0; x < p.Width; ++x) w.U8(BlueOf(row[x])), w.U8(GreenOf(row[x])), w.U8(RedOf(row[x]));
      for (uint32_t pad = 3u * p.Width; pad < stride; ++pad) w.U8(0);
    }
    if (!w.FlushSometimes()) return false;
  }
  return w.Flush();
}

bool WritePcx(const Picture& p, const ByteSink& sink) {
  const uint32_t lineBytes = (static_cast<uint32_t>(p.Width) + 1) / 2 * 2;
  if (p.Width > 65535 || p.Height > 65535) return false;
  ByteWriter w(sink);
  w.U8(10), w.U8(5), w.U8(1), w.U8(8);
  w.U16(0), w.U16(0), w.U16(static_cast<uint32_t>(p.Width - 1)), w.U16(static_cast<uint32_t>(p.Height - 1));
  w.U16(72), w.U16(72);
  for (int i = 0; i < 48; ++i) w.U8(0);
  w.U8(0), w.U8(3), w.U16(lineBytes), w.U16(1);
  for (int i = 0; i < 58; ++i) w.U8(0);
  std::vector<uint8_t> line(lineBytes * 3);
  for (int32_t y = 0; y < p.Height; ++y) {
    const uint32_t* row = p.Row(y);
    for (int32_t x = 0; x < p.Width; ++x) {
      line[static_cast<size_t>(x)] = RedOf(row[x]);
      line[lineBytes + static_cast<size_t>(x)] = GreenOf(row[x]);
      line[2 * lineBytes + static_cast<size_t>(x)] = BlueOf(row[x]);
    }
    for (size_t i = 0; i < line.size();) {  // runs stay within their plane's line
      const size_t end = (i / lineBytes + 1) * lineBytes;
      size_t run = 1;
      while (i + run < end && run < 63 && line[i + run] == line[i]) ++run;
      if (run > 1 || line[i] >= 0xC0) w.U8(0xC0 | static_cast<uint32_t>(run));
      w.U8(line[i]);
      i += run;
    }
    if (!w.FlushSometimes()) return false;
  }
  return w.Flush();
}

bool WriteTif(const Picture& p, const ByteSink& sink) {
  const uint32_t samples = HasAlpha(p) ? 4 : 3;
  const uint32_t rowBytes = samples * static_cast<uint32_t>(p.Width);
  const uint32_t rowsPerStrip = std::max<uint32_t>(1, (64 * 1024) / std::max<uint32_t>(rowBytes, 1));
  const uint32_t strips = (static_cast<uint32_t>(p.Height) + rowsPerStrip - 1) / rowsPerStrip;
  const uint32_t entries = samples == 4 ? 11 : 10;
  // Header, directory, then its arrays, then the strips.
  const uint32_t directory = 8, arrays = directory + 2 + 12 * entries + 4;
  const uint32_t bitsAt = arrays, offsetsAt = bitsAt + 8, countsAt = offsetsAt + 4 * strips;
  const uint32_t dataAt = countsAt + 4 * strips;
  ByteWriter w(sink);
  w.U8('I'), w.U8('I'), w.U16(42), w.U32(directory);
  w.U16(entries);
  auto entry = [&](uint32_t tag, uint32_t type, uint32_t count, uint32_t value) {
    w.U16(tag), w.U16(type), w.U32(count);
    if (type == 3 && count == 1) w.U16(value), w.U16(0);
    else w.U32(value);
  };
  entry(256, 4, 1, static_cast<uint32_t>(p.Width));
  entry(257, 4, 1, static_cast<uint32_t>(p.Height));
  entry(258, 3, samples, bitsAt);
  entry(259, 3, 1, 1);
  entry(262, 3, 1, 2);
  entry(273, 4, strips, strips == 1 ? dataAt : offsetsAt);
  entry(277, 3, 1, samples);
  entry(278, 4, 1, rowsPerStrip);
  entry(279, 4, strips, strips == 1 ? rowBytes * static_cast<uint32_t>(p.Height) : countsAt);
  entry(284, 3, 1, 1);
  if (samples == 4) entry(338, 3, 1, 2);  // unassociated alpha
  w.U32(0);
  for (int i = 0; i < 4; ++i) w.U16(8);
  for (uint32_t s = 0; s < strips; ++s) w.U32(dataAt + s * rowsPerStrip * rowBytes);
  for (uint32_t s = 0; s < strips; ++s)
    w.U32(std::min(rowsPerStrip, static_cast<uint32_t>(p.Height) - s * rowsPerStrip) * rowBytes);
  for (int32_t y = 0; y < p.Height; ++y) {
    const uint32_t* row = p.Row(y);
    for (int32_t x = 0; x < p.Width; ++x) {
      w.U8(RedOf(row[x])), w.U8(GreenOf(row[x])), w.U8(BlueOf(row[x]));
      if (samples == 4) w.U8(AlphaOf(row[x]));
    }
    if (!w.FlushSometimes()) return false;
  }
  return w.Flush();
}

bool WriteTga(const Picture& p, const ByteSink& sink) {
  if (p.Width > 65535 || p.Height > 65535) return false;
  const bool alpha = HasAlpha(p);
  const int bytes = alpha ? 4 : 3;
  ByteWriter w(sink);
  w.U8(0), w.U8(0), w.U8(10), w.U16(0), w.U16(0), w.U8(0), w.U16(0), w.U16(0);
  w.U16(static_cast<uint32_t>(p.Width)), w.U16(static_cast<uint32_t>(p.Height));
  w.U8(alpha ? 32 : 24), w.U8(alpha ? 0x28 : 0x20);  // top row first
  for (int32_t y = 0; y < p.Height; ++y) {
    const uint32_t* row = p.Row(y);
    for (int32_t x = 0; x < p.Width;) {  // packets of up to 128 pixels within the row
      int run = 1;
      while (x + run < p.Width && run < 128 && row[x + run] == row[x]) ++run;
      if (run > 1) {
        w.U8(0x80 | static_cast<uint32_t>(run - 1));
        w.Put(&row[x], static_cast<size_t>(bytes));
      } else {
        while (x + run < p.Width && run < 128 && (x + run + 1 >= p.Width || row[x + run + 1] != row[x + run]))
          ++run;
        w.U8(static_cast<uint32_t>(run - 1));
        for (int i = 0; i < run; ++i) w.Put(&row[x + i], static_cast<size_t>(bytes));
      }
      x += run;
    }
    if (!w.FlushSometimes()) return false;
  }
  return w.Flush();
}

bool WritePicture(const Picture& picture, SaveKind kind, const ByteSink& sink) {
  if (picture.Pixels.empty()) return false;
  switch (kind) {
    case SaveKind::Bmp: return WriteBmp(picture, sink);
    case SaveKind::Pcx: return WritePcx(picture, sink);
    case SaveKind::Tif: return WriteTif(picture, sink);
    case SaveKind::Gif: return WriteGif(picture, sink);
    case SaveKind::Jpg: return WriteJpg(picture, sink);
    case SaveKind::Tga: return WriteTga(picture, sink);
  }
  return false;
}
