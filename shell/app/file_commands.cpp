#include "shell/app/file_commands.h"

#include <algorithm>
#include <cstring>

#include "common/text_copy.h"
#include "shell/app/shell_messages.h"
#include "shell/app/shell_state.h"
#include "shell/app/show_file.h"
#include "shell/app/view_commands.h"
#include "shell/app/viewer_windows.h"
#include "shell/core/viewer_table.h"
#include "shell/resources/shell_ids.h"
#include "viewers/contract/viewer_messages.h"
#include "win32/file_names_win32.h"

namespace {

constexpr char kOpenFilter[] =
    "All Files (*.*)\0*.*\0Text Files (*.txt)\0*.TXT\0Write Files (*.wri)\0*.WRI\0"
    "Bitmaps (*.bmp)\0*.BMP\0Doc Files (*.doc)\0*.DOC\0";
DWORD gOpenFilterIndex = 1;  // the one used last in this run

constexpr char kPictureFilter[] =
    "Windows Bitmap (*.BMP)\0*.BMP\0PCX File (*.PCX)\0*.PCX\0TIFF File (*.TIF)\0*.TIF\0"
    "GIF File (*.GIF)\0*.GIF\0JPEG File (*.JPG)\0*.JPG\0Targa File (*.TGA)\0*.TGA\0";

// Yes overwrites, No asks for another name, Cancel gives up.
int AskOverwrite(const ViewerRecord* record, const char* path) {
  return ShellMessage(record->Child, IDS_OVERWRITE, ShellState.AppTitle,
                      MB_YESNOCANCEL | MB_ICONQUESTION, path);
}

}  // namespace

void OpenWithDialog(HWND window, ViewerRecord* record) {
  char path[kListPathChars] = "";
  OPENFILENAMEA dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = window;
  dialog.lpstrFilter = kOpenFilter;
  dialog.nFilterIndex = gOpenFilterIndex;
  dialog.lpstrFile = path;
  dialog.nMaxFile = sizeof path;
  dialog.lpstrTitle = ShellState.AppTitle;
  dialog.lpstrDefExt = "*.*";
  dialog.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
  if (!GetOpenFileNameChar(&dialog)) return;
  gOpenFilterIndex = dialog.nFilterIndex;
  if (!LeaveEditing(record)) return;
  ListPath chosen;
  CopyText(chosen, kListPathChars, path);
  record->FileCount = PrependPaths(record->Files, record->FileCount, &chosen, 1);
  OpenListEntry(window, 0, true);
}

void NewViewerWithList(const ViewerRecord* record) {
  HWND viewer =
      CreateViewerWindowWith(record->Files, std::min<int>(record->FileCount, kMaxListFiles));
  if (viewer) ShellState.CurrentViewer = viewer;
}

void SaveTextAs(ViewerRecord* record, const char* name) {
  char path[kListPathChars];
  CopyText(path, sizeof path, name);
  char folder[kListPathChars];
  CopyText(folder, sizeof folder, name);
  if (char* slash = std::strrchr(folder, '\\')) *slash = '\0';
  OPENFILENAMEA dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = record->Child;
  dialog.lpstrFilter = "AllFiles (*.*)\0*.*\0";
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = path;
  dialog.nMaxFile = sizeof path;
  dialog.lpstrInitialDir = folder;
  dialog.lpstrTitle = ShellState.AppTitle;
  dialog.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST;
  if (!GetSaveFileNameA(&dialog)) return;
  SendMessageA(record->Child, ZV_SAVEAS, kSaveKindText, reinterpret_cast<LPARAM>(path));
}

void SavePictureAs(ViewerRecord* record) {
  char path[kListPathChars] = "";
  OPENFILENAMEA dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = record->Child;
  dialog.lpstrFilter = kPictureFilter;
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = path;
  dialog.nMaxFile = sizeof path;
  dialog.lpstrTitle = ShellState.AppTitle;
  dialog.lpstrDefExt = "BMP";  // without "*.": the dialog appends it to a bare name
  dialog.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST;
  for (;;) {
    if (!GetSaveFileNameA(&dialog)) return;
    if (GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES) break;
    const int answer = AskOverwrite(record, path);
    if (answer == IDYES) break;
    if (answer == IDCANCEL) return;
  }
  SendMessageA(record->Child, ZV_SAVEAS, dialog.nFilterIndex - 1, reinterpret_cast<LPARAM>(path));
}

void SaveShownFileAs(ViewerRecord* record) {
  if (RowOfType(record->Type).ShowsText) {
    SaveTextAs(record, record->Files[record->CurrentIndex]);
  } else {
    SavePictureAs(record);
  }
}
