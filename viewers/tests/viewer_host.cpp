#include "viewers/tests/viewer_host.h"

#include <commdlg.h>

#include "common/text_copy.h"
#include "tests/support/clipboard_text.h"
#include "tests/support/program_under_test.h"
#include "tests/support/temp_folder.h"
#include "tests/support/window_polling.h"
#include "viewers/contract/viewer_messages.h"

namespace {
constexpr char kParentClass[] = "ViewerHostTest";
constexpr int kChildTop = 28;

void RegisterParentClass(WNDPROC proc) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = proc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = kParentClass;
  RegisterClassA(&wc);  // fails harmlessly when already registered
}

int LineHeightOf(const LOGFONTA& lf) {
  HFONT font = CreateFontIndirectA(&lf);
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font);
  TEXTMETRICA tm{};
  GetTextMetricsA(dc, &tm);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  DeleteObject(font);
  return tm.tmHeight + tm.tmExternalLeading;
}
}  // namespace

ViewerHost::ViewerHost(const char* dll, const char* className) {
  library_ = LoadLibraryA(BuiltProgram(dll).c_str());
  font_.lfHeight = -16;
  font_.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
  CopyText(font_.lfFaceName, "Courier New");
  lineHeight_ = LineHeightOf(font_);
  RegisterParentClass(ParentProc);
  parent_ = CreateWindowExA(0, kParentClass, "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 640,
                            480, nullptr, nullptr, GetModuleHandleA(nullptr), this);
  RECT r;
  GetClientRect(parent_, &r);
  child_ = CreateWindowExA(0, className, "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL, 0,
                           kChildTop, r.right, r.bottom - kChildTop, parent_, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

ViewerHost::~ViewerHost() {
  if (parent_) DestroyWindow(parent_);
  if (library_) FreeLibrary(library_);
}

LRESULT ViewerHost::Send(UINT msg, WPARAM wParam, LPARAM lParam) const {
  return SendMessageA(child_, msg, wParam, lParam);
}

void ViewerHost::Post(UINT msg, WPARAM wParam, LPARAM lParam) const {
  PostMessageA(child_, msg, wParam, lParam);
  PumpMessages();
}

LRESULT ViewerHost::Open(const std::string& path, int type, bool wrap) const {
  return Send(ZV_OPEN, type + (wrap ? 256 : 0), reinterpret_cast<LPARAM>(path.c_str()));
}

std::string ViewerHost::Status() const {
  const char* text = reinterpret_cast<const char*>(Send(ZV_STATUSTEXT));
  return text ? text : "<none>";
}

void ViewerHost::ClickRow(int row, bool extend) const {
  LPARAM at = MAKELPARAM(10, row * lineHeight_ + lineHeight_ / 2);
  Send(WM_LBUTTONDOWN, MK_LBUTTON | (extend ? MK_SHIFT : 0), at);
  Send(WM_LBUTTONUP, extend ? MK_SHIFT : 0, at);
}

int ViewerHost::RowsShown() const {
  RECT r;
  GetClientRect(child_, &r);
  return r.bottom / lineHeight_;
}

std::string ViewerHost::PrintOnTestPrinter(const char* unixOut) const {
  PRINTDLGA record{};
  record.lStructSize = sizeof record;
  record.Flags = PD_RETURNDEFAULT | PD_RETURNDC;
  if (!PrintDlgA(&record)) return "";
  const std::string output = WinePathOf(unixOut);
  CreateDirectoryA(output.substr(0, output.rfind('\\')).c_str(), nullptr);
  DeleteFileA(output.c_str());
  std::string ps;
  if (Send(ZV_PRINT, 0, reinterpret_cast<LPARAM>(&record)) == 1)
    WaitFor([&] { return (ps = ReadFileText(output)).find("%%EOF") != std::string::npos; });
  DeleteDC(record.hDC);
  return ps;
}

std::string ViewerHost::Copy() const {
  EmptyTheClipboard();
  Send(ZV_COPY);
  return ClipboardText();
}

LRESULT ViewerHost::OnChildMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  toldParent.push_back(msg);
  switch (msg) {
    case ZV_GETFONT: return reinterpret_cast<LRESULT>(&font_);
    case ZV_TEXTCOLOR: return GetSysColor(COLOR_WINDOWTEXT);
    case ZV_BACKCOLOR: return GetSysColor(COLOR_WINDOW);
    case ZV_SELECTION:
      hasSelection_ = wParam != 0;
      ++selectionReports_;
      return 0;
    case ZV_ASKSAVEAS:
      askedName_ = reinterpret_cast<const char*>(lParam);
      if (!saveAsTarget.empty())
        Send(ZV_SAVEAS, kSaveKindText, reinterpret_cast<LPARAM>(saveAsTarget.c_str()));
      return 0;
  }
  return DefWindowProcA(parent_, msg, wParam, lParam);
}

LRESULT CALLBACK ViewerHost::ParentProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
  }
  auto* host = reinterpret_cast<ViewerHost*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (host && msg >= kViewerMessageBase && msg < kViewerMessageBase + 0x100) {
    host->parent_ = hwnd;
    return host->OnChildMessage(msg, wParam, lParam);
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}
