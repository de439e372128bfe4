#include "viewers/graphics/metafile_picture.h"

#include "viewers/graphics/metafile_file.h"

namespace {
constexpr LONG kLargestSide = 4000;
}  // namespace

PictureDocument OpenMetafile(const char* path) {
  PictureDocument document;
  bool enhanced = false;
  HENHMETAFILE metafile = OpenMetafileFile(path, &enhanced);
  if (!metafile) return document;
  const SIZE size = MetafileSize(metafile, kLargestSide);
  Picture picture;
  const bool drawn = RenderPicture(
      size.cx, size.cy,
      [metafile](HDC dc, const RECT& all) { PlayEnhMetaFile(dc, metafile, &all); }, picture);
  document.Status = drawn ? DecodeStatus::Decoded : DecodeStatus::Declined;
  DeleteEnhMetaFile(metafile);
  if (!drawn) return document;
  document.Info = {enhanced ? "EMF" : "WMF", picture.Width, picture.Height, 24, 1};
  document.Frames.push_back(std::move(picture));
  return document;
}
