// The messages between a viewer window of the shell and the child window of
// a viewer library. Both sides include this header; the numbers are fixed,
// because libraries and shell are built and installed apart.
#pragma once

constexpr unsigned kViewerMessageBase = 0x400;  // WM_USER

// Shell to viewer (sent unless marked posted).
constexpr unsigned ZV_WORDWRAP = kViewerMessageBase + 102;   // wParam 0/1
constexpr unsigned ZV_FIND = kViewerMessageBase + 103;       // wParam match case, lParam text or hex digits
constexpr unsigned ZV_OPEN = kViewerMessageBase + 104;       // wParam type + 256 * wrap, lParam path
constexpr unsigned ZV_FINDOPENING = kViewerMessageBase + 106;  // posted
constexpr unsigned ZV_FILESIZE = kViewerMessageBase + 107;   // result: bytes
constexpr unsigned ZV_GOTO = kViewerMessageBase + 108;       // posted; lParam offset, record or cell
constexpr unsigned ZV_RECORDCOUNT = kViewerMessageBase + 109;
constexpr unsigned ZV_LASTCELL = kViewerMessageBase + 113;   // low word column, high word row
constexpr unsigned ZV_FONT = kViewerMessageBase + 114;       // lParam the shared LOGFONT
constexpr unsigned ZV_PLAY = kViewerMessageBase + 116;
constexpr unsigned ZV_COPY = kViewerMessageBase + 120;
constexpr unsigned ZV_SELECTALL = kViewerMessageBase + 121;
constexpr unsigned ZV_PRINT = kViewerMessageBase + 123;      // lParam 0 or the filled print dialog record
constexpr unsigned ZV_CANCELPRINT = kViewerMessageBase + 124;
constexpr unsigned ZV_ZOOM = kViewerMessageBase + 125;       // wParam zoom command
constexpr unsigned ZV_SHOWPAGE = kViewerMessageBase + 129;   // wParam page index from 0
constexpr unsigned ZV_STATUSTEXT = kViewerMessageBase + 135; // result: const char* or 0
constexpr unsigned ZV_SAVEAS = kViewerMessageBase + 136;     // wParam save kind, lParam file name
constexpr unsigned ZV_MODE = kViewerMessageBase + 139;       // wParam 0 view, 1 edit

// Viewer to its parent, the viewer window.
constexpr unsigned ZV_GETFONT = kViewerMessageBase + 115;    // result: the shared LOGFONT's address
constexpr unsigned ZV_TEXTCOLOR = kViewerMessageBase + 117;  // result: COLOR_WINDOWTEXT
constexpr unsigned ZV_BACKCOLOR = kViewerMessageBase + 118;  // result: COLOR_WINDOW
constexpr unsigned ZV_SELECTION = kViewerMessageBase + 122;  // wParam: a selection exists
constexpr unsigned ZV_CANPLAY = kViewerMessageBase + 126;
constexpr unsigned ZV_PAGES = kViewerMessageBase + 127;      // wParam pages, lParam low word page to mark
constexpr unsigned ZV_ASKSAVEAS = kViewerMessageBase + 138;  // lParam a 260-character name buffer
// The status text changed on its own (a sound playing): the parent asks
// for it again with ZV_STATUSTEXT.
constexpr unsigned ZV_STATUSCHANGED = kViewerMessageBase + 140;

// Answers of ZV_FIND (low word).
constexpr unsigned kFindNoMatch = 100;
constexpr unsigned kFindNoFurther = 102;

// The save kind of the text viewer's Save As (ZV_SAVEAS and ZV_ASKSAVEAS).
constexpr unsigned kSaveKindText = 1162;

// Zoom commands: .25X, .5X, 1X ... 5X, and the CAD zooms up to 16X.
constexpr unsigned kZoomQuarter = 299;
constexpr unsigned kZoom1X = 301;
constexpr unsigned kZoom5X = 305;
