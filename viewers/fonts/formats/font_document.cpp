#include "viewers/fonts/formats/font_document.h"

#include <cmath>

namespace {
constexpr size_t kMostKeptMasks = 4096;
constexpr uint32_t kSymbolBase = 0xF000;
}  // namespace

std::unique_ptr<FontDocument> FontDocument::Open(const char* path) {
  FontFile file = ReadFontFile(path);
  if (file.Kind == SfntKind::None) return nullptr;
  return std::unique_ptr<FontDocument>(new FontDocument(std::move(file)));
}

FontDocument::FontDocument(FontFile file) : file_(std::move(file)) {
  facts_ = ReadFontFacts(file_);
  lines_ = FontFactLines(facts_);
  map_ = ReadCharMap(file_, facts_.GlyphCount);
  raster_ = std::make_unique<FontRaster>(file_);
}

size_t FontDocument::EntryOfCode(uint32_t code) const {
  const size_t entry = EntryOf(map_, code);
  return entry < map_.size() || code >= 0x100 ? entry : EntryOf(map_, kSymbolBase + code);
}

uint16_t FontDocument::GlyphOfChar(uint32_t code) const {
  const size_t entry = EntryOfCode(code);
  return entry < map_.size() ? map_[entry].Glyph : 0;
}

const GlyphMask& FontDocument::Mask(uint16_t glyph, float pixelsPerEm) {
  const uint64_t key = uint64_t{glyph} << 32 | static_cast<uint32_t>(std::lround(pixelsPerEm * 16));
  const auto found = masks_.find(key);
  if (found != masks_.end()) return found->second;
  if (masks_.size() >= kMostKeptMasks) masks_.clear();
  return masks_.emplace(key, raster_->Render(glyph, pixelsPerEm)).first->second;
}
