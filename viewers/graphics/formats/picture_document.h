// A picture file as the graphics viewer shows it: the reader is chosen by
// the file's first bytes (Targa, which has none, by its name), and what it
// gives is kept as pages. A GIF's frames are its pages, all decoded at
// once; a TIFF's directories are, each decoded when it is shown.
#pragma once
#include <string>
#include <vector>

#include "viewers/graphics/formats/picture.h"

struct PictureDocument {
  DecodeStatus Status = DecodeStatus::NotThisFormat;
  PictureInfo Info;              // of the page shown
  std::vector<Picture> Frames;   // the GIF's frames, else the one page shown
  std::vector<int> DelaysMs;     // of the GIF's frames
  int PageCount = 1;             // the TIFF's pages, or the GIF's frames
  bool PagesAreFrames = false;   // a GIF: Play runs through the pages
};

PictureDocument OpenPictureDocument(const char* path, const DecodeLimits& limits = {});

// Page page of a TIFF document, read again from path; the document's Info
// and Frames then describe it. False, with the document unchanged, when the
// page cannot be shown.
bool ShowTiffPage(PictureDocument& document, const char* path, int page,
                  const DecodeLimits& limits = {});
