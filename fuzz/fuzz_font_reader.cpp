// The font viewer's readers and its checked rasteriser on any bytes: the
// facts, the character map, and a few glyphs drawn small and blended into
// a picture, as the window draws them; the sanitizers catch any read the
// checks let through to stb_truetype.
#include <cstdint>
#include <cstdlib>

#include "viewer/buffer/memory_files.h"
#include "viewers/fonts/formats/char_map.h"
#include "viewers/fonts/formats/char_query.h"
#include "viewers/fonts/formats/coverage_blend.h"
#include "viewers/fonts/formats/font_facts.h"
#include "viewers/fonts/formats/font_raster.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static MemoryFileSystem& fs = UseMemoryFiles();
  fs.Files["f"].assign(data, data + size);
  const FontFile font = ReadFontFile("f");
  const FontFacts facts = ReadFontFacts(font);
  DescribeFont(facts);
  FontFactLines(facts);
  const CharMap map = ReadCharMap(font, facts.GlyphCount);
  if (map.size() > kMostCharMapEntries) std::abort();
  ParseCharQuery({reinterpret_cast<const char*>(data), size < 12 ? size : 12});
  const FontRaster raster(font);
  CoveragePicture picture(40, 24, 0xFFFFFF);
  for (size_t i = 0; i < map.size() && i < 4; ++i) {
    const GlyphMask mask = raster.Render(map[i].Glyph, 12);
    if (mask.Coverage.size() != static_cast<size_t>(mask.Width) * mask.Height) std::abort();
    BlendMask(picture, mask, static_cast<int>(i) * 10 - 5, 18, 0xFFFFFF, 0);
    DrawEmptyBox(picture, mask.Left, mask.Top, mask.Width, mask.Height, 0);
    raster.Advance(map[i].Glyph);
  }
  for (uint16_t glyph : {0, 1, 2, 3}) raster.Render(glyph, 9);
  return 0;
}
