// The selection: Find selects its match and scrolls it into view, Select
// All takes every paragraph, and Copy puts the selection on the clipboard
// as text with CR LF between paragraphs.
#include "viewers/base/viewer_clipboard.h"
#include "viewers/base/viewer_parent.h"
#include "viewers/documents/document_window.h"

namespace {
// The window's code page's own idea of upper and lower case.
const unsigned char* CaseFold() {
  static unsigned char fold[256];
  static bool made = false;
  if (!made) {
    for (int i = 0; i < 256; ++i) fold[i] = static_cast<unsigned char>(i);
    CharLowerBuffA(reinterpret_cast<char*>(fold + 1), 255);
    made = true;
  }
  return fold;
}
}  // namespace

void DocumentWindow::Select(TextPos start, TextPos end) {
  selStart_ = start;
  selEnd_ = end;
  ReportSelection(Window(), start < end);
  InvalidateRect(Window(), nullptr, FALSE);
}

unsigned DocumentWindow::Find(bool matchCase, const char* text) {
  const std::string_view needle(text);
  const unsigned char* fold = matchCase ? nullptr : CaseFold();
  TextPos at;
  if (!FindInParagraphs(text_.Paragraphs, findFrom_, needle, fold, at)) {
    const bool before =
        findFrom_ != TextPos{} && FindInParagraphs(text_.Paragraphs, {}, needle, fold, at);
    return before ? kFindNoFurther : kFindNoMatch;
  }
  findFrom_ = {at.Paragraph, at.Offset + 1};
  Select(at, {at.Paragraph, at.Offset + static_cast<uint32_t>(needle.size())});
  const int line = LineOf(at);
  if (line < top_ || line >= top_ + LinesPerScreen()) ScrollTo(line);
  return 1;
}

bool DocumentWindow::SelectAll() {
  if (text_.Paragraphs.empty()) return false;
  const uint32_t last = static_cast<uint32_t>(text_.Paragraphs.size() - 1);
  Select({}, {last, static_cast<uint32_t>(text_.Paragraphs[last].size())});
  return true;
}

std::string DocumentWindow::SelectedText() const {
  std::string out;
  for (uint32_t p = selStart_.Paragraph; p <= selEnd_.Paragraph && p < text_.Paragraphs.size();
       ++p) {
    const std::string& text = text_.Paragraphs[p];
    const size_t from = p == selStart_.Paragraph ? selStart_.Offset : 0;
    const size_t to = p == selEnd_.Paragraph ? selEnd_.Offset : text.size();
    if (p != selStart_.Paragraph) out += "\r\n";
    if (from < to && to <= text.size()) out.append(text, from, to - from);
  }
  return out;
}

bool DocumentWindow::Copy() {
  if (!(selStart_ < selEnd_)) return false;
  if (PutTextOnClipboard(Window(), SelectedText())) return true;
  MessageBeep(MB_ICONEXCLAMATION);
  return false;
}
