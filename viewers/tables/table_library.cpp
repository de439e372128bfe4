// ZRDB32.DLL: the table viewer. Its window is the shared grid view over a
// table read by the portable readers of formats/, its text shown in the
// window's code page; the status names the records.
#include <windows.h>

#include <algorithm>
#include <cstdio>

#include "viewer/buffer/file_access.h"
#include "viewers/base/viewer_class.h"
#include "viewers/common/grid_view.h"
#include "viewers/contract/viewer_names.h"
#include "viewers/tables/ansi_table.h"

namespace {

class TableWindow : public GridViewWindow {
 public:
  explicit TableWindow(HWND window) : GridViewWindow(window) {}

  bool Open(const char* path, int type, bool) override {
    std::unique_ptr<TableSource> table = OpenTable(path, type);
    if (!table) return false;
    char status[64];
    std::snprintf(status, sizeof status, "%lu records",
                  static_cast<unsigned long>(table->RowCount()));
    size_ = QueryFileSize(path);
    ShowSource(std::make_unique<AnsiTable>(std::move(table)), path);
    SetStatus(status);
    return true;
  }

  // The answer is 32 bits wide: tables of 4 GiB and more report the largest value.
  uint32_t FileSize() override {
    return static_cast<uint32_t>(std::min<FileOffset>(size_, 0xFFFFFFFF));
  }

 private:
  FileOffset size_ = 0;
};

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE dll, DWORD reason, LPVOID) {
  return ViewerLibraryMain<TableWindow>(dll, reason, kDatabaseLibrary.WindowClass);
}
