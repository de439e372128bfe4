// The drawing viewer's readers of HPGL and DXF on any bytes: a drawing
// within the bounds on shapes and points, every page's bounds around its
// shapes' points, never reading or writing outside what they hold.
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "viewer/buffer/memory_files.h"
#include "viewers/drawings/formats/drawing_readers.h"

namespace {

void Check(const Drawing& drawing) {
  size_t shapes = 0;
  for (const DrawingPage& page : drawing.Pages) {
    shapes += page.Shapes.size();
    for (const Shape& shape : page.Shapes) {
      if (shape.Kind == ShapeKind::Polyline || shape.Kind == ShapeKind::Polygon) {
        for (const DrawPoint& p : shape.Points) {
          if (!std::isfinite(p.X) || !std::isfinite(p.Y)) std::abort();
          if (p.X < page.Bounds.Left || p.X > page.Bounds.Right || p.Y < page.Bounds.Bottom ||
              p.Y > page.Bounds.Top)
            std::abort();
        }
      }
    }
  }
  if (shapes > kMostShapes) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static MemoryFileSystem& fs = UseMemoryFiles();
  fs.Files["f"].assign(data, data + size);
  ByteSource file("f");
  Check(ReadHpgl(file));
  Check(ReadDxf(file));
  return 0;
}
