#include "viewers/graphics/formats/picture_document.h"

#include <cctype>
#include <cstring>
#include <utility>

#include "viewers/graphics/formats/bmp_reader.h"
#include "viewers/graphics/formats/pcx_reader.h"
#include "viewers/graphics/formats/png_reader.h"
#include "viewers/graphics/formats/stb_reader.h"
#include "viewers/graphics/formats/tga_reader.h"
#include "viewers/graphics/formats/tiff_reader.h"

namespace {

bool EndsWithTga(const char* path) {
  const size_t n = std::strlen(path);
  if (n < 4) return false;
  char end[5] = {};
  for (int i = 0; i < 4; ++i) end[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(path[n - 4 + i])));
  return std::strcmp(end, ".tga") == 0;
}

PictureDocument FromPicture(DecodedPicture&& decoded) {
  PictureDocument document;
  document.Status = decoded.Status;
  document.Info = decoded.Info;
  if (decoded.Status == DecodeStatus::Decoded || decoded.Status == DecodeStatus::Partial)
    document.Frames.push_back(std::move(decoded.Image));
  return document;
}

}  // namespace

PictureDocument OpenPictureDocument(const char* path, const DecodeLimits& limits) {
  ByteSource file(path);
  if (!file.IsOpen()) return {};
  uint8_t head[4] = {};
  file.ReadAt(0, head, sizeof head);
  if (head[0] == 'G' && head[1] == 'I' && head[2] == 'F') {
    GifFrames gif = ReadGif(file, limits);
    PictureDocument document = FromPicture(std::move(gif.First));
    for (Picture& frame : gif.Others) document.Frames.push_back(std::move(frame));
    document.DelaysMs = std::move(gif.DelaysMs);
    document.PageCount = static_cast<int>(std::max<size_t>(document.Frames.size(), 1));
    document.PagesAreFrames = document.PageCount > 1;
    return document;
  }
  if ((head[0] == 'I' && head[1] == 'I') || (head[0] == 'M' && head[1] == 'M')) {
    PictureDocument document = FromPicture(ReadTiff(file, limits, 0));
    if (document.Status != DecodeStatus::NotThisFormat) document.PageCount = CountTiffPages(file);
    return document;
  }
  using Reader = DecodedPicture (*)(ByteSource&, const DecodeLimits&);
  for (Reader reader : {Reader{ReadBmp}, Reader{ReadJpeg}, Reader{ReadPng}, Reader{ReadPcx}}) {
    DecodedPicture decoded = reader(file, limits);
    if (decoded.Status != DecodeStatus::NotThisFormat) return FromPicture(std::move(decoded));
  }
  return EndsWithTga(path) ? FromPicture(ReadTga(file, limits)) : PictureDocument{};
}

bool ShowTiffPage(PictureDocument& document, const char* path, int page, const DecodeLimits& limits) {
  ByteSource file(path);
  DecodedPicture decoded = ReadTiff(file, limits, page);
  if (decoded.Status != DecodeStatus::Decoded && decoded.Status != DecodeStatus::Partial) return false;
  document.Info = decoded.Info;
  document.Frames.clear();
  document.Frames.push_back(std::move(decoded.Image));
  return true;
}
