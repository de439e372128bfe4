// The base of every viewer library's window: one object per window, made
// when the window is created and deleted when it is destroyed. It answers
// every message of the contract (viewers/contract/viewer_messages.h) with
// the default written beside each handler, so that a library overrides only
// what it does; whatever a handler throws becomes that default answer (and
// a beep) instead of a fault in the shell that loaded the library.
#pragma once
#include <windows.h>

#include <commdlg.h>

#include <cstdint>

#include "viewers/contract/viewer_messages.h"

class ViewerWindow {
 public:
  explicit ViewerWindow(HWND window) : window_(window) {}
  virtual ~ViewerWindow() = default;
  ViewerWindow(const ViewerWindow&) = delete;
  ViewerWindow& operator=(const ViewerWindow&) = delete;

  HWND Window() const { return window_; }

  // ZV_OPEN: whether the file opened. A library keeps the path and opens
  // the file again for each read, never holding it between messages.
  virtual bool Open(const char* path, int type, bool wrap) = 0;
  // ZV_STATUSTEXT: the text of SetStatus, or nullptr before any.
  virtual const char* StatusText() { return status_[0] ? status_ : nullptr; }
  virtual uint32_t FileSize() { return 0; }     // ZV_FILESIZE
  virtual uint32_t RecordCount() { return 0; }  // ZV_RECORDCOUNT
  virtual uint32_t LastCell() { return 0; }     // ZV_LASTCELL: column, row << 16
  // ZV_FIND: 1 found (and shown), else kFindNoMatch or kFindNoFurther.
  virtual unsigned Find(bool, const char*) { return kFindNoMatch; }
  virtual void FindOpening() {}   // ZV_FINDOPENING: the next find starts at the top
  virtual void GoTo(uint32_t) {}  // ZV_GOTO: offset, record or cell
  virtual bool SetWordWrap(bool) { return false; }         // ZV_WORDWRAP
  virtual bool SetFont(const LOGFONTA&) { return false; }  // ZV_FONT
  virtual bool Zoom(unsigned) { return false; }            // ZV_ZOOM: a zoom command
  virtual bool ShowPage(unsigned) { return false; }        // ZV_SHOWPAGE: from 0
  virtual bool Play() { return false; }                    // ZV_PLAY
  virtual bool Copy() { return false; }                    // ZV_COPY
  virtual bool SelectAll() { return false; }               // ZV_SELECTALL
  // ZV_PRINT: whether the document was printed to its end (see
  // viewer_print.h for the loop every library prints with).
  virtual bool Print(const PRINTDLGA*) { return false; }
  virtual bool SaveAs(unsigned, const char*) { return false; }  // ZV_SAVEAS
  // ZV_MODE: whether the view is in the asked mode afterwards; a library
  // without edit mode is always viewing.
  virtual bool SetMode(bool edit) { return !edit; }

  // The window's own messages (paint, keys, mouse, scrolling); false for
  // those left to the system. Painting comes through Paint.
  virtual bool OnWindowMessage(UINT, WPARAM, LPARAM, LRESULT*) { return false; }
  // Fills area; shared by WM_PAINT and WM_PRINTCLIENT. The base paints
  // the parent's background colour.
  virtual void Paint(HDC dc, const RECT& area);

  // ZV_CANCELPRINT sets it; a print job clears it when it starts.
  bool& PrintCancelled() { return printCancelled_; }

 protected:
  void SetStatus(const char* text);

 private:
  HWND window_;
  bool printCancelled_ = false;
  char status_[128] = "";
};

// The window procedure every library's class uses, with the object that
// create makes for a new window. Unknown classes are registered with
// RegisterViewerClass (viewer_class.h).
using ViewerFactory = ViewerWindow* (*)(HWND window);
LRESULT ViewerWindowMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam,
                            ViewerFactory create);
ViewerWindow* ViewerWindowOf(HWND window);
