#include "viewer/settings/profile_choice_win32.h"

#include <windows.h>

#include "common/text_copy.h"
#include "viewer/settings/profile_groups.h"
#include "viewer/settings/view_options.h"

namespace {
bool FindFile(const char* name, char* fullPath) {
  OFSTRUCT of = {};
  of.cBytes = sizeof of;
  if (OpenFile(name, &of, OF_EXIST) == HFILE_ERROR) return false;
  CopyText(fullPath, kProfilePathChars + 1, of.szPathName);
  return true;
}
}  // namespace

bool ChooseProfile(char* path) {
  if (GetPrivateProfileIntA(kSetupSection, "MasterProfile", 0, path) == 1) {
    // Keep the file beside the program.
  } else if (!FindFile("TARVO.INI", path) && GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES) {
    CopyText(path, kProfilePathChars + 1, "TARVO.INI");
    return false;
  }
  DWORD attributes = GetFileAttributesA(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}
