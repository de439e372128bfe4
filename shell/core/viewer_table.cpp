#include "shell/core/viewer_table.h"

#include <cstring>

namespace {
constexpr ViewerRow Text{"ZRXEDIT", "ZREDIT32.DLL", "ZRViewMenu"};
constexpr ViewerRow Hex{"ZRXHEX", "ZRH32.DLL", "ZRHexMenu"};
constexpr ViewerRow Bitmap{"ZRXGRAPH", "ZRG32.DLL", "ZRBitmapMenu"};
constexpr ViewerRow Icon{"ZRXICON", "ZRI32.DLL", "ZRBitmapMenu"};
constexpr ViewerRow WordPro{"ZRXWPRO", "ZRVWP32.DLL", "ZRWPMenu"};
constexpr ViewerRow Database{"ZRXDBASE", "ZRDB32.DLL", "ZRGRIDMenu"};
constexpr ViewerRow Spreadsheet{"ZRXSPRED", "ZRSP32.DLL", "ZRSPREADMenu"};
constexpr ViewerRow Archive{"ZRXCOMP", "ZRCP32.DLL", "ZRWPMenu"};
constexpr ViewerRow Sound{"ZRXWAV", "ZRWAV32.DLL", "ZRWavMenu"};
constexpr ViewerRow Filter{"ZRXFILT", "ZRFLT32.DLL", "ZRGraphMenu"};
constexpr ViewerRow Drawing{"ZRXDWGVR", "ZRDWG.DLL", nullptr};
constexpr ViewerRow Font{"ZRXTTFNT", "ZRTTF32.DLL", "ZRHexMenu"};
}  // namespace

const std::array<ViewerRow, kViewerTypeCount> ViewerTable = {
    Text,         // 0 plain text, and the fallback
    Hex,          // 1 hex dump
    Bitmap,       // 2 raster image, and non-text files nothing else claims
    Icon,         // 3
    WordPro,      // 4 9B A5 / DB A5 / 94 A6 family
    WordPro,      // 5 FF "WPC", version byte 0
    WordPro,      // 6 SAM
    Database,     // 7 DBF
    Database,     // 8 DB
    Spreadsheet,  // 9 WK family
    Spreadsheet,  // 10 XL, older record layout
    Spreadsheet,  // 11 WK3, WK4
    Archive,      // 12 ZIP (and EXE by name)
    Archive,      // 13 LZH
    Spreadsheet,  // 14 WB1, WB2 notebook
    Sound,        // 15 WAV, RMI, AVI, MID
    Filter,       // 16 WMF
    WordPro,      // 17 "TBWP"
    WordPro,      // 18 QW
    WordPro,      // 19 WPS
    Database,     // 20 WDB
    Filter,       // 21 vector drawings
    WordPro,      // 22 FF "WPC", version byte 2
    Spreadsheet,  // 23 WKS starting FF
    Spreadsheet,  // 24 XL, newer record layout or compound document
    Database,     // 25 WDB in a compound document
    WordPro,      // 26 BE 00 00 00 AB at bytes 1-5
    Drawing,      // 27 DWG: no rule yields it, the number is kept
    Font,         // 28 TTF
    WordPro,      // 29 other compound documents
    Text,         // 30 rich text (only Save As and Edit treat it apart)
};

bool LibraryShipped(const char* library) {
  return std::strcmp(library, "ZREDIT32.DLL") == 0 || std::strcmp(library, "ZRH32.DLL") == 0;
}
