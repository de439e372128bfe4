#include "viewer/settings/profile_store_win32.h"

#include <windows.h>

#include "common/text_copy.h"
#include "viewer/settings/profile_groups.h"
#include "viewer/settings/view_options.h"

int Win32ProfileStore::GetString(const char* section, const char* key, const char* def, char* buf,
                                 int size) {
  if (size <= 0) return 0;
  return static_cast<int>(GetPrivateProfileStringA(
      section, key, def ? def : "", buf, static_cast<DWORD>(size), gSetupSettings.ProfilePath));
}

bool Win32ProfileStore::WriteString(const char* section, const char* key, const char* value) {
  return WritePrivateProfileStringA(section, key, value, gSetupSettings.ProfilePath) != FALSE;
}

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
