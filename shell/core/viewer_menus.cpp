#include "shell/core/viewer_menus.h"

#include "shell/resources/shell_ids.h"

// clang-format off
//                                 Name            Find   Print  SelectAll  Zoom range                 Filelist Page  View item  Save As
constexpr ViewerMenu kTextMenu        {"ZRViewMenu",   true,  true,  true,  CMD_ZOOM_1X,      CMD_ZOOM_5X, 5, -1, CMD_ASCII};
constexpr ViewerMenu kHexMenu         {"ZRHexMenu",    true,  false, false, CMD_ZOOM_1X,      CMD_ZOOM_1X, 4, -1, CMD_HEX};
constexpr ViewerMenu kBitmapMenu      {"ZRBitmapMenu", false, true,  true,  CMD_ZOOM_QUARTER, CMD_ZOOM_5X, 6,  7, CMD_VIEWER, true};
constexpr ViewerMenu kGraphMenu       {"ZRGraphMenu",  false, true,  true,  CMD_ZOOM_QUARTER, CMD_ZOOM_5X, 5,  6, CMD_VIEWER, true};
constexpr ViewerMenu kWordProMenu     {"ZRWPMenu",     true,  true,  true,  CMD_ZOOM_1X,      CMD_ZOOM_5X, 5, -1, CMD_VIEWER};
constexpr ViewerMenu kGridMenu        {"ZRGRIDMenu",   true,  true,  true,  CMD_ZOOM_1X,      CMD_ZOOM_5X, 5, -1, CMD_VIEWER};
constexpr ViewerMenu kSpreadsheetMenu {"ZRSPREADMenu", true,  true,  true,  CMD_ZOOM_1X,      CMD_ZOOM_5X, 5,  6, CMD_VIEWER};
// The font viewer's: the hex menu, with its sample sheet printed and zoomed.
constexpr ViewerMenu kFontMenu        {"ZRHexMenu",    true,  true,  false, CMD_ZOOM_QUARTER, CMD_ZOOM_5X, 4, -1, CMD_HEX};
constexpr ViewerMenu kSoundMenu       {"ZRWavMenu",    false, false, true,  CMD_ZOOM_1X,      CMD_ZOOM_1X, 4, -1, CMD_VIEWER};
constexpr ViewerMenu kKeptMenu        {nullptr,        false, false, true,  CMD_ZOOM_1X,      CMD_ZOOM_1X, -1, -1, CMD_VIEWER};
// clang-format on
