// The stb glyph rasteriser, built once into the font viewer. It is handed
// only glyphs that glyph_check.h has found sound, through font_raster.cpp.
#define STB_TRUETYPE_IMPLEMENTATION
#define STBTT_assert(x) ((void)0)
#include <stb_truetype.h>
