#include "win32/profile_store_win32.h"

#include <windows.h>

int Win32ProfileStore::GetString(const char* section, const char* key, const char* def, char* buf,
                                 int size) {
  if (size <= 0) return 0;
  return static_cast<int>(
      GetPrivateProfileStringA(section, key, def ? def : "", buf, static_cast<DWORD>(size), path_));
}

bool Win32ProfileStore::WriteString(const char* section, const char* key, const char* value) {
  return WritePrivateProfileStringA(section, key, value, path_) != FALSE;
}
