#include "viewer/print/page_composer.h"

#include <cstdio>
#include <optional>

#include "viewer/buffer/format_flags.h"

uint32_t JobOptions(uint32_t options) {
  if ((options & PO_TAGS_ONLY) && !(options & PO_EJECT_TAGS_ONLY)) options &= ~PO_EJECT_ON_FF;
  return options;
}

uint32_t JobFormatFlags(uint32_t options, uint32_t formatFlags) {
  return options & PO_EJECT_ON_FF ? formatFlags | FMT_KEEP_FF : formatFlags;
}

std::string HeadingRightText(const std::string& dateTime, bool pageNumbers, int page) {
  std::string text = dateTime;
  if (!pageNumbers) return text;
  if (!text.empty()) text += "  ";
  char number[24];
  std::snprintf(number, sizeof number, "Page %-3d", page);
  return text + number;
}

int32_t HeadingLines(const PrintPlan& plan) {
  const bool right = !plan.HeadingRight.empty() || (plan.Options & PO_PAGE_NUMBER);
  return plan.HeadingLeft.empty() && !right ? 0 : 2;
}

namespace {
constexpr char kFormFeed = '\f';

// Where the first form feed stands in a line's text: a byte, or in a wide
// line a two-byte unit, never the high half of another character.
size_t FormFeedAt(std::string_view text, bool wide) {
  if (!wide) return text.find(kFormFeed);
  for (size_t i = 0; i + 1 < text.size(); i += 2)
    if (text[i] == kFormFeed && text[i + 1] == 0) return i;
  return std::string_view::npos;
}

class Composer {
 public:
  Composer(PrintSource& source, const PrintPlan& plan, const PageGeometry& g, PageSink& sink)
      : source_(source), plan_(plan), g_(g), sink_(sink) {}

  PrintResult Run() {
    std::optional<Pending> pending;
    WalkBlocks blocks = source_.Blocks;
    blocks.Tags = source_.Tags;
    const WalkResult walk = WalkFormattedLines(
        *source_.File, plan_.Start, plan_.StopAtEnd ? plan_.End : -1, source_.Format, blocks,
        [&](const LineEntry& line, std::string_view text) {
          bool goOn = !pending || Line(*pending, line.Offset);
          pending = Pending{line.Offset, line.Flags, std::string(text)};
          return goOn;
        });
    if (!ended_ && walk == WALK_READ_FAILED) Stop(PrintEnd::kReadFailed);
    if (!ended_ && walk == WALK_FORMAT_FAILED) Stop(PrintEnd::kFormatFailed);
    if (!ended_ && pending) Line(*pending, source_.File->Flen);
    if (!ended_ && open_) ClosePage();
    return result_;
  }

 private:
  struct Pending {
    FileOffset Offset;
    int32_t Flags;
    std::string Text;
  };

  // Ends the job; false, for the callers to pass on.
  bool Stop(PrintEnd end) {
    ended_ = true;
    result_.End = end;
    return false;
  }

  bool OpenPage() {
    printed_ = page_ >= plan_.FirstPage;
    sink_.Progress(page_, printed_);
    if (printed_ && !sink_.StartPage()) return Stop(PrintEnd::kDeviceRefused);
    open_ = true;
    first_ = true;
    y_ = g_.Top;
    Heading();
    if (plan_.Options & PO_PAGE_TITLES) Titles();
    return Fits() || source_.Titles.empty() || !(plan_.Options & PO_PAGE_TITLES) ||
           Stop(PrintEnd::kTitlesFillPage);
  }

  void Heading() {
    const std::string& left = plan_.HeadingLeft;
    const std::string right =
        HeadingRightText(plan_.HeadingRight, plan_.Options & PO_PAGE_NUMBER, page_);
    if (HeadingLines(plan_) == 0) return;
    if (printed_) {
      if (!left.empty()) sink_.DrawText(g_.Left, y_, left, PrintColors::kNormal);
      if (!right.empty()) {
        int32_t columns =
            g_.CharWidth > 0 ? (g_.UsableWidth - sink_.TextWidth(right, false)) / g_.CharWidth : 0;
        sink_.DrawText(g_.Left + g_.CharWidth * columns, y_, right, PrintColors::kNormal);
      }
    }
    y_ += HeadingLines(plan_) * g_.LineHeight;
  }

  void Titles() {
    const PrintColors colors =
        plan_.Options & PO_SHADE_TAGS ? PrintColors::kHeading : PrintColors::kNormal;
    for (const std::string& title : source_.Titles) {
      if (!Fits()) break;
      if (printed_) sink_.DrawLine(g_.Left, y_, title, colors, false, false);
      y_ += g_.LineHeight;
    }
  }

  bool ClosePage() {
    open_ = false;
    if (printed_) {
      if (!sink_.EndPage()) return Stop(PrintEnd::kDeviceRefused);
      ++result_.PagesPrinted;
    }
    ++page_;
    if (sink_.Cancelled()) return Stop(PrintEnd::kCancelled);
    return plan_.LastPage < 0 || page_ <= plan_.LastPage || Stop(PrintEnd::kComplete);
  }

  bool Fits() const { return y_ + g_.LineHeight <= g_.Bottom; }

  // One body line, ending before next (the next line's start). False ends
  // the job.
  bool Line(const Pending& line, FileOffset next) {
    if (sink_.Cancelled()) return Stop(PrintEnd::kCancelled);
    const bool tagsOnly = plan_.Options & PO_TAGS_ONLY;
    const bool tagged = line.Flags & LF_TAG_MASK;
    if (tagsOnly && !tagged) return true;
    const bool eject = plan_.Options & PO_EJECT_ON_FF;
    const bool wide = line.Flags & LF_WIDE;
    const size_t unit = wide ? 2 : 1;
    std::string_view text = line.Text;
    int32_t flags = line.Flags;
    for (;;) {
      if (!open_ && !OpenPage()) return false;
      bool endsPage = false;
      if (eject && first_ && FormFeedAt(text, wide) == 0) {
        text.remove_prefix(unit);
      } else if (eject && (flags & LF_PAGE_BREAK) && !first_) {
        if (printed_) sink_.DrawBand(y_);
        if (!ClosePage()) return false;
        continue;  // the line opens the next page
      }
      std::string_view rest;
      if (size_t ff = eject ? FormFeedAt(text, wide) : std::string_view::npos;
          ff != std::string_view::npos) {
        rest = text.substr(ff + unit);
        text = text.substr(0, ff);
        endsPage = true;
      }
      if (printed_) Draw(line, next, text, flags, tagged && !tagsOnly);
      y_ += g_.LineHeight;
      first_ = false;
      if ((endsPage || !Fits()) && !ClosePage()) return false;
      if (!endsPage || rest.empty()) return true;
      text = rest;  // what follows the form feed opens the next page
      flags = wide ? LF_WIDE : 0;
    }
  }

  void Draw(const Pending& line, FileOffset next, std::string_view text, int32_t flags,
            bool shadeTagged) {
    const bool shadeTags = plan_.Options & PO_SHADE_TAGS;
    const PrintColors colors =
        shadeTags && shadeTagged ? PrintColors::kTagged : PrintColors::kNormal;
    const bool inverted = (plan_.Options & PO_SHADE_SELECTION) && plan_.SelStart >= 0 &&
                          plan_.SelEnd >= 0 && plan_.SelStart < next && line.Offset < plan_.SelEnd;
    const bool wide = flags & LF_WIDE;
    sink_.DrawLine(g_.Left, y_, text, colors, inverted, wide);
    if (!plan_.LineNotes || !(flags & (LF_TRUNCATED | LF_INCOMPLETE))) return;
    const int32_t width = sink_.TextWidth(text, wide);
    if (width >= g_.UsableWidth - 2) return;
    sink_.DrawText(g_.Left + width + 2, y_,
                   flags & LF_TRUNCATED ? " [Truncated...]" : " [Incomplete Line...]",
                   shadeTags ? PrintColors::kComment : PrintColors::kNormal);
  }

  PrintSource& source_;
  const PrintPlan& plan_;
  const PageGeometry& g_;
  PageSink& sink_;
  PrintResult result_;
  bool ended_ = false;
  bool open_ = false;
  bool printed_ = false;
  bool first_ = true;
  int page_ = 1;
  int32_t y_ = 0;
};
}  // namespace

PrintResult ComposePages(PrintSource& source, const PrintPlan& plan, const PageGeometry& page,
                         PageSink& sink) {
  return Composer(source, plan, page, sink).Run();
}
