// ZRCP32.DLL: the archive viewer. Its window is the shared grid view over
// the list of a ZIP or LZH archive's entries read from the archive's
// headers. A ZIP archive may follow a program; a program that holds none
// is refused, and the shell then shows it as text.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <memory>

#include "viewers/archives/archive_names.h"
#include "viewers/archives/formats/archive_grid.h"
#include "viewers/archives/formats/lzh_reader.h"
#include "viewers/archives/formats/zip_reader.h"
#include "viewers/base/viewer_class.h"
#include "viewers/common/grid_view.h"
#include "viewers/contract/viewer_names.h"

namespace {
constexpr int kLzhType = 13;

class ArchiveWindow : public GridViewWindow {
 public:
  explicit ArchiveWindow(HWND window) : GridViewWindow(window) {}

  // An LZH file is read as LZH first, anything else as ZIP first; a file
  // that is neither is refused.
  bool Open(const char* path, int type, bool) override {
    ByteSource file(path);
    if (!file.IsOpen()) return false;
    ArchiveListing listing;
    const bool lzhFirst = (type & 0xFF) == kLzhType;
    const bool read = lzhFirst ? ReadLzhListing(file, &listing) || ReadZipListing(file, &listing)
                               : ReadZipListing(file, &listing) || ReadLzhListing(file, &listing);
    if (!read) return false;
    size_ = file.Size();
    char status[128];
    std::snprintf(status, sizeof status, "%s archive, %lu entries%s",
                  listing.Kind == ArchiveKind::Lzh ? "LZH" : "ZIP",
                  static_cast<unsigned long>(listing.Entries.size()),
                  listing.Shift > 0 ? ", self-extracting" : "");
    SetStatus(status);
    ShowSource(std::make_unique<ArchiveGrid>(std::move(listing), AnsiNameOf), path);
    return true;
  }

  // The answer is 32 bits wide: archives of 4 GiB and more report the largest value.
  uint32_t FileSize() override {
    return static_cast<uint32_t>(std::min<int64_t>(size_, 0xFFFFFFFF));
  }

 private:
  int64_t size_ = 0;
};
}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE dll, DWORD reason, LPVOID) {
  return ViewerLibraryMain<ArchiveWindow>(dll, reason, kArchiveLibrary.WindowClass);
}
