// The drawing viewer's portable readers, through the file seam: HPGL
// plotter files and DXF drawings in their text form. Each returns a
// drawing with at least one page, or no pages when the file is not of its
// kind.
#pragma once
#include "viewers/drawings/formats/display_list.h"
#include "viewers/graphics/formats/byte_source.h"

// HPGL: plotter units (40 to the millimetre); pens as colours.
Drawing ReadHpgl(ByteSource& file);
// DXF: model space, then each paper-space layout as a page of its own.
Drawing ReadDxf(ByteSource& file);
