// ZRSP32.DLL: the sheet viewer. Its window is the shared grid view over one
// sheet of a workbook read by the portable readers of formats/, with a
// current cell; the other sheets are pages the parent lists, and go to
// makes a cell current.
#include <windows.h>

#include <cstdio>

#include "viewers/base/viewer_class.h"
#include "viewers/common/grid_view.h"
#include "viewers/contract/viewer_messages.h"
#include "viewers/contract/viewer_names.h"
#include "viewers/sheets/formats/sheet_source.h"
#include "viewers/sheets/formats/workbook.h"

namespace {

class SheetWindow : public GridViewWindow {
 public:
  explicit SheetWindow(HWND window) : GridViewWindow(window) {}

  bool Open(const char* path, int type, bool) override {
    std::unique_ptr<Workbook> book = ReadWorkbook(path, type);
    if (!book) return false;
    book_ = std::move(book);
    std::snprintf(path_, sizeof path_, "%s", path);
    ShowSheet(0);
    return true;
  }

  bool ShowPage(unsigned page) override {
    if (!book_ || page >= book_->Sheets.size()) return false;
    ShowSheet(page);
    return true;
  }

  // The shown sheet's last column and row, counted from 0.
  uint32_t LastCell() override {
    if (!book_) return 0;
    const Sheet& sheet = book_->Sheets[page_];
    return sheet.LastColumn | std::min<uint32_t>(sheet.LastRow, 0xFFFF) << 16;
  }

  // cell: row << 16 | column, both from 0; the grid's first column holds
  // the row numbers.
  void GoTo(uint32_t cell) override { GoToCell({cell >> 16, (cell & 0xFFFF) + 1u}); }

 private:
  void ShowSheet(unsigned page) {
    page_ = page;
    const Sheet& sheet = book_->Sheets[page];
    ShowSource(std::make_unique<SheetSource>(sheet), path_);
    SendMessageA(GetParent(Window()), ZV_PAGES, book_->Sheets.size(), page);
    SetStatus(sheet.Name.c_str());
  }

  std::unique_ptr<Workbook> book_;
  unsigned page_ = 0;
  char path_[MAX_PATH] = "";
};

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE dll, DWORD reason, LPVOID) {
  return ViewerLibraryMain<SheetWindow>(dll, reason, kSpreadsheetLibrary.WindowClass);
}
