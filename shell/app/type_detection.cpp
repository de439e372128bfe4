// The shell's side of file-type detection: its messages and where it looks
// for the viewer libraries.
#include <string>

#include "shell/app/shell_messages.h"
#include "shell/app/shell_state.h"
#include "shell/app/show_file.h"
#include "shell/core/file_type.h"
#include "shell/resources/shell_ids.h"

namespace {

class ShellReports : public DetectionReports {
 public:
  explicit ShellReports(HWND owner) : owner_(owner) {}
  void Unreadable(const char* path) override {
    ShellError(owner_, IDS_UNABLE_TO_READ, MB_ICONSTOP, path);
  }
  void ProtectedWorksheet() override {
    ShellMessage(nullptr, IDS_PROTECTED_FILE, ShellState.AppTitle, MB_ICONEXCLAMATION);
  }
  void LibraryMissing(const char* library) override {
    ShellError(owner_, IDS_LIBRARY_MISSING, MB_ICONSTOP, library);
  }
  bool LibraryInstalled(const char* library) override {
    std::string path = std::string(ShellState.ProgramDirSlash) + library;
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
  }

 private:
  HWND owner_;
};

}  // namespace

bool DetectViewerType(HWND owner, ViewerRecord* record, char* path) {
  ShellReports reports(owner);
  int type = 0;
  bool readable = DetectFileType(path, reports, &type);
  if (readable) record->Type = type;
  return readable;
}
