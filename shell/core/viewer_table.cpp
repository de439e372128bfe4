#include "shell/core/viewer_table.h"

#include "shell/resources/shell_ids.h"
#include "viewers/contract/viewer_names.h"

namespace {
using G = GoToDialog;

constexpr ViewerRow Row(const ViewerLibraryName& names, const ViewerMenu& menu,
                        GoToDialog goTo = G::None) {
  return {names.WindowClass, names.Library, &menu, goTo};
}

constexpr ViewerRow kText{
    kTextLibrary.WindowClass, kTextLibrary.Library, &kTextMenu, G::None, true, false, false, -1};
constexpr ViewerRow kHex{
    kHexLibrary.WindowClass, kHexLibrary.Library, &kHexMenu, G::HexOffset, false, false, true, -1};
constexpr ViewerRow kGraphics{kGraphicsLibrary.WindowClass,
                              kGraphicsLibrary.Library,
                              &kBitmapMenu,
                              G::None,
                              false,
                              false,
                              false,
                              kTypeHex};
constexpr ViewerRow kWordPro = Row(kWordProLibrary, kWordProMenu);
constexpr ViewerRow kDatabase = Row(kDatabaseLibrary, kGridMenu, G::Record);
constexpr ViewerRow kSpreadsheet = Row(kSpreadsheetLibrary, kSpreadsheetMenu, G::Cell);
constexpr ViewerRow kArchive{
    kArchiveLibrary.WindowClass, kArchiveLibrary.Library, &kWordProMenu, G::None, false, true};
constexpr ViewerRow kFilter = Row(kFilterLibrary, kGraphMenu);
}  // namespace

const std::array<ViewerRow, kViewerTypeCount> ViewerTable = {
    kText,                                       // kTypeText
    kHex,                                        // kTypeHex
    kGraphics,                                   // kTypeGraphics
    Row(kIconLibrary, kBitmapMenu),              // kTypeIcon
    kWordPro,                                    // kTypeWordPro
    kWordPro,                                    // kTypeWpcVersion0
    kWordPro,                                    // kTypeSam
    kDatabase,                                   // kTypeDbf
    kDatabase,                                   // kTypeDb
    kSpreadsheet,                                // kTypeWk
    kSpreadsheet,                                // kTypeXlOlder
    kSpreadsheet,                                // kTypeWk3
    kArchive,                                    // kTypeZip
    kArchive,                                    // kTypeLzh
    kSpreadsheet,                                // kTypeNotebook
    Row(kSoundLibrary, kSoundMenu),              // kTypeSound
    kFilter,                                     // kTypeWmf
    kWordPro,                                    // kTypeTbwp
    kWordPro,                                    // kTypeQw
    kWordPro,                                    // kTypeWps
    kDatabase,                                   // kTypeWdb
    kFilter,                                     // kTypeVectorDrawing
    kWordPro,                                    // kTypeWpcVersion2
    Row(kSpreadsheetLibrary, kSpreadsheetMenu),  // kTypeWksFF: no go-to
    kSpreadsheet,                                // kTypeXlNewer
    kDatabase,                                   // kTypeWdbCompound
    kWordPro,                                    // kTypeBeDocument
    Row(kDrawingLibrary, kKeptMenu),             // kTypeDwg
    Row(kFontLibrary, kFontMenu, G::HexOffset),  // kTypeTrueType: goes to a character code
    kWordPro,                                    // kTypeCompound
    kText,                                       // kTypeRichText
};

const ViewerRow& RowOfType(int type) {
  return ViewerTable[type >= 0 && type < kViewerTypeCount ? type : kTypeText];
}

int TickedViewItem(const ViewerRow& row, bool editing) {
  return row.ShowsText && editing ? CMD_EDIT : row.Menu->ViewItem;
}

