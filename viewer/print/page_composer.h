// What goes on each printed page: the heading, the frozen titles and the
// body lines of the file formatted again for the page's width, with page
// ranges, form-feed ejects, tags-only and shading. Pages before the first
// one asked for are composed without drawing, so page numbers are those of
// a full print. The drawing itself is the sink's.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "viewer/buffer/line_walk.h"
#include "viewer/buffer/tag_list.h"
#include "viewer/print/page_geometry.h"

enum class PrintColors { kNormal, kTagged, kHeading, kComment };

class PageSink {
 public:
  virtual ~PageSink() = default;
  // Each page n, printed or skipped, before it is composed.
  virtual void Progress(int page, bool printed) = 0;
  // A printed page; false when the device refuses it.
  virtual bool StartPage() = 0;
  virtual bool EndPage() = 0;
  // A line of text at (x, y), opaque and clipped from x to the text's right
  // edge over one line's height; inverted: the colours complemented; wide:
  // the text is UTF-16 units, two bytes each.
  virtual void DrawLine(int32_t x, int32_t y, std::string_view text, PrintColors colors,
                        bool inverted, bool wide) = 0;
  // Text at (x, y) taking only its own width.
  virtual void DrawText(int32_t x, int32_t y, std::string_view text, PrintColors colors) = 0;
  // An empty line's band in the normal background.
  virtual void DrawBand(int32_t y) = 0;
  virtual int32_t TextWidth(std::string_view text, bool wide) = 0;
  // The user cancelled: composing stops at once.
  virtual bool Cancelled() = 0;
};

struct PrintSource {
  const FileRef* File = nullptr;
  LineFormat Format;  // its line length is the page's characters per line
  WalkBlocks Blocks;
  TagList* Tags = nullptr;
  std::vector<std::string> Titles;  // the frozen title lines
};

struct PrintPlan {
  FileOffset Start = 0;  // the first line printed is the one formatted from here
  FileOffset End = -1;   // with StopAtEnd, a line starting here or later ends the job
  bool StopAtEnd = false;
  FileOffset SelStart = -1;  // selection shading; -1: none
  FileOffset SelEnd = -1;
  int FirstPage = 1;         // pages before it are composed, not drawn
  int LastPage = -1;         // -1: no limit
  uint32_t Options = 0;      // PrintOptions with PO_TAGS_ONLY
  std::string HeadingLeft;   // the file's name or path, or empty
  std::string HeadingRight;  // the date and time part, built once a job
  bool LineNotes = false;    // notes after truncated and incomplete lines
};

enum class PrintEnd {
  kComplete,
  kReadFailed,
  kFormatFailed,
  kTitlesFillPage,
  kDeviceRefused,
  kCancelled
};

struct PrintResult {
  int PagesPrinted = 0;
  PrintEnd End = PrintEnd::kComplete;
};

// Print options a command adds to the page set-up's.
constexpr uint32_t PO_TAGS_ONLY = 0x1000;
constexpr uint32_t PO_NO_DIALOG = 0x10000;

// The options a job runs with (tags only ejects on form feeds only when the
// page set-up says so) and the format flags that keep form feeds as
// characters when pages are ejected on them.
uint32_t JobOptions(uint32_t options);
uint32_t JobFormatFlags(uint32_t options, uint32_t formatFlags);
// The right part of the heading of page n: the date and time part, then
// "Page n" with the number left-aligned in three places.
std::string HeadingRightText(const std::string& dateTime, bool pageNumbers, int page);
// The lines the heading takes on every page: two when it has a part, else
// none.
int32_t HeadingLines(const PrintPlan& plan);

PrintResult ComposePages(PrintSource& source, const PrintPlan& plan, const PageGeometry& page,
                         PageSink& sink);
