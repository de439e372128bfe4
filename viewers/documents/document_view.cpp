// Wrapping the paragraphs to the window, painting them with the selection
// shown inverted, and scrolling by lines, pages and the scroll bar.
#include <algorithm>

#include "viewers/base/viewer_parent.h"
#include "viewers/base/viewer_scroll.h"
#include "viewers/documents/document_window.h"
#include "viewers/documents/text_measure.h"

namespace {
constexpr int kMargin = 4;  // pixels left of the text
}

void DocumentWindow::Rewrap() {
  RECT r;
  GetClientRect(Window(), &r);
  const TextPos topAt = top_ < static_cast<int>(lines_.size())
                            ? TextPos{lines_[top_].Paragraph, lines_[top_].Start}
                            : TextPos{};
  HDC dc = GetDC(Window());
  HGDIOBJ old = SelectObject(dc, font_);
  lines_ = BreakLines(text_.Paragraphs, r.right - r.left - 2 * kMargin, MeasureOn(dc));
  SelectObject(dc, old);
  ReleaseDC(Window(), dc);
  ScrollTo(LineOf(topAt));
  InvalidateRect(Window(), nullptr, FALSE);
}

int DocumentWindow::LinesPerScreen() const {
  RECT r;
  GetClientRect(Window(), &r);
  return std::max<int>(1, (r.bottom - r.top) / lineHeight_);
}

int DocumentWindow::LineOf(TextPos at) const {
  auto after = std::upper_bound(lines_.begin(), lines_.end(), at, [](TextPos p, const TextLine& l) {
    return p < TextPos{l.Paragraph, l.Start};
  });
  return after == lines_.begin() ? 0 : static_cast<int>(after - lines_.begin()) - 1;
}

void DocumentWindow::ScrollTo(int line) {
  const int last = std::max<int>(0, static_cast<int>(lines_.size()) - LinesPerScreen());
  top_ = std::clamp(line, 0, last);
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
  si.nMax = std::max<int>(0, static_cast<int>(lines_.size()) - 1);
  si.nPage = static_cast<UINT>(LinesPerScreen());
  si.nPos = top_;
  SetScrollInfo(Window(), SB_VERT, &si, TRUE);
  InvalidateRect(Window(), nullptr, FALSE);
}

void DocumentWindow::OnScrollBar(WORD code) {
  int64_t to;
  if (ScrollBarTarget(Window(), SB_VERT, code, top_, 1, std::max(1, LinesPerScreen() - 1), &to))
    ScrollTo(static_cast<int>(to));
}

bool DocumentWindow::OnWindowMessage(UINT msg, WPARAM wParam, LPARAM, LRESULT* result) {
  *result = 0;
  switch (msg) {
    case WM_SIZE: Rewrap(); return true;
    case WM_KEYDOWN:
    case WM_VSCROLL: {
      int bar;
      WORD code;
      if (ScrollRequest(msg, wParam, &bar, &code) && bar == SB_VERT) OnScrollBar(code);
      return true;
    }
    case WM_MOUSEWHEEL:
      ScrollTo(top_ - static_cast<short>(HIWORD(wParam)) / WHEEL_DELTA * 3);
      return true;
  }
  return false;
}

void DocumentWindow::Paint(HDC dc, const RECT& area) {
  ViewerWindow::Paint(dc, area);
  HGDIOBJ old = SelectObject(dc, font_);
  SetTextColor(dc, AskTextColor(Window()));
  SetBkMode(dc, TRANSPARENT);
  const TextWidth measure = MeasureOn(dc);
  const int count = std::min<int>(LinesPerScreen() + 1, static_cast<int>(lines_.size()) - top_);
  for (int i = 0; i < count; ++i) {
    const TextLine& line = lines_[top_ + i];
    const std::string_view text =
        std::string_view(text_.Paragraphs[line.Paragraph]).substr(line.Start, line.Length);
    const int y = i * lineHeight_;
    DrawTabbed(dc, kMargin, y, text);
    // The selected part of the line, inverted.
    const TextPos lineStart{line.Paragraph, line.Start},
        lineEnd{line.Paragraph, line.Start + line.Length};
    const TextPos from = std::max(selStart_, lineStart), to = std::min(selEnd_, lineEnd);
    if (from < to) {
      const int x0 = measure(text.substr(0, from.Offset - line.Start));
      const int x1 = measure(text.substr(0, to.Offset - line.Start));
      RECT sel = {kMargin + x0, y, kMargin + x1, y + lineHeight_};
      InvertRect(dc, &sel);
    }
  }
  SelectObject(dc, old);
}
