// A stand-in for the shell's viewer window in the viewer library tests: it
// loads a library from the build's program folder, answers the child's
// questions (font, colours), records what the child tells it (selection,
// Save As requests) and creates the child as the shell does.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "viewers/contract/viewer_names.h"

class ViewerHost {
 public:
  ViewerHost(const char* dll, const char* className);
  explicit ViewerHost(const ViewerLibraryName& library)
      : ViewerHost(library.Library, library.WindowClass) {}
  ~ViewerHost();
  ViewerHost(const ViewerHost&) = delete;
  ViewerHost& operator=(const ViewerHost&) = delete;

  HWND child() const { return child_; }
  LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const;
  // Posts and lets the child handle it (keys, Go To).
  void Post(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const;
  LRESULT Open(const std::string& path, int type, bool wrap = false) const;
  std::string Status() const;
  // A click on the row-th line shown (from 0), with Shift when extend.
  void ClickRow(int row, bool extend = false) const;
  int RowsShown() const;
  // ZV_COPY and what it put on the clipboard.
  std::string Copy() const;
  // Prints the shown file on the default printer (the test printer, which
  // writes to the file unixOut names) with a record as the shell fills it;
  // the PostScript once the job has ended, or "" when it did not print.
  std::string PrintOnTestPrinter(const char* unixOut) const;

  int lineHeight() const { return lineHeight_; }
  bool hasSelection() const { return hasSelection_; }
  int selectionReports() const { return selectionReports_; }
  const std::string& askedName() const { return askedName_; }
  // Every message the child sent its parent, in order.
  std::vector<UINT> toldParent;
  // When set, a Save As request is answered as the shell does: ZV_SAVEAS
  // with this name.
  std::string saveAsTarget;

 private:
  static LRESULT CALLBACK ParentProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT OnChildMessage(UINT msg, WPARAM wParam, LPARAM lParam);

  HMODULE library_ = nullptr;
  HWND parent_ = nullptr;
  HWND child_ = nullptr;
  LOGFONTA font_{};
  int lineHeight_ = 1;
  bool hasSelection_ = false;
  int selectionReports_ = 0;
  std::string askedName_;
};
