#include "tests/support/remote_viewer.h"

#include "tests/support/clipboard_text.h"
#include "tests/support/window_polling.h"
#include "viewer/resources/resource_ids.h"

bool RemoteViewer::Send(UINT msg, WPARAM wParam, LPARAM lParam) const {
  DWORD_PTR result;
  return SendMessageTimeoutA(main_, msg, wParam, lParam, SMTO_NORMAL, 120000, &result) != 0;
}

std::string RemoteViewer::Copied() const {
  EmptyTheClipboard();
  return Send(WM_COMMAND, IDM_COPY) ? ClipboardText() : "(no answer)";
}

std::string RemoteViewer::TopLine() const {
  Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(40, 2));
  Send(WM_LBUTTONUP, 0, MAKELPARAM(40, 2));
  return Copied();
}

bool RemoteViewer::TopLineBecomes(const std::string& line, DWORD timeoutMs) const {
  return WaitFor([&] { return TopLine() == line + "\r\n"; }, timeoutMs);
}
