// A running TARVO.EXE driven from a test's process: commands sent and
// waited for, and what Copy gives (the clipboard is shared by the display,
// so tests that use it hold the clipboard lock).
#pragma once
#include <windows.h>

#include <string>

class RemoteViewer {
 public:
  explicit RemoteViewer(HWND main) : main_(main) {}
  // Synchronous, so the command has run when it returns (a search may read
  // a whole file).
  bool Send(UINT msg, WPARAM wParam, LPARAM lParam = 0) const;
  // The selection as Copy puts it on the clipboard.
  std::string Copied() const;
  // The line a click on the top row selects, as Copy gives it.
  std::string TopLine() const;
  // Moves go through posted messages: polls until the top line is line.
  bool TopLineBecomes(const std::string& line, DWORD timeoutMs = 20000) const;

 private:
  HWND main_;
};
