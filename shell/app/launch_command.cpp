#include "shell/app/launch_command.h"

#include <shellapi.h>

#include "common/text_copy.h"
#include "shell/app/no_assoc_dialog.h"
#include "shell/core/launch_rules.h"

void LaunchCurrentFile(HWND window, const ViewerRecord* record) {
  if (record->FileCount == 0) return;
  const char* path = record->Files[record->CurrentIndex];
  char shortPath[kListPathChars];
  if (!GetShortPathNameA(path, shortPath, sizeof shortPath)) CopyText(shortPath, path);
  const auto started = reinterpret_cast<INT_PTR>(
      ShellExecuteA(window, "Open", shortPath, nullptr, "", SW_SHOWNORMAL));
  if (started > 32) return;
  char program[kListPathChars];
  if (!ChooseProgram(window, AssociationExtension(path), program)) return;
  ShellExecuteA(window, "open", program, LaunchArgument(path).c_str(),
                ProgramFolder(program).c_str(), SW_SHOWNORMAL);
}
