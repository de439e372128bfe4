#include "shell/app/launcher_notice.h"

#include "kpl/launcher_link.h"

void NotifyLauncher(HWND main) {
  HMODULE launcher = LoadLibraryA("KPL.DLL");
  if (!launcher) return;
  using EntryPoint = LONG(WINAPI*)(HWND, WORD, LONG);
  if (auto entry = reinterpret_cast<EntryPoint>(
          reinterpret_cast<void*>(GetProcAddress(launcher, kLauncherEntryPoint)))) {
    entry(main, kLauncherSettingsChanged, 0);
  }
  FreeLibrary(launcher);
}
