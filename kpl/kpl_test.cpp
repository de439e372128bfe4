// KPL.DLL loaded as a file manager loads it: its menu, its item, and the
// shell's notice that the shared key changed.
#include <gtest/gtest.h>
#include <windows.h>
#include <wfext.h>

#include <string>

#include "kpl/launcher_link.h"
#include "tests/support/program_under_test.h"

namespace {

using EntryPoint = LONG(WINAPI*)(HWND, WORD, LONG);

std::string LauncherIni() {
  char dir[MAX_PATH];
  GetWindowsDirectoryA(dir, sizeof dir);
  return std::string(dir) + "\\KPLAUNCH.INI";
}

void WriteAutoView(const char* value) {
  WritePrivateProfileStringA("auto", "autoview", value, LauncherIni().c_str());
}

bool Checked(HMENU menu, UINT item) {
  return (GetMenuState(menu, item, MF_BYCOMMAND) & MF_CHECKED) != 0;
}

TEST(Launcher, FollowsTheSharedKeyWhenTheShellSaysItChanged) {
  HMODULE kpl = LoadLibraryA(BuiltProgram("KPL.DLL").c_str());
  ASSERT_NE(kpl, nullptr);
  auto entry = reinterpret_cast<EntryPoint>(
      reinterpret_cast<void*>(GetProcAddress(kpl, kLauncherEntryPoint)));
  ASSERT_NE(entry, nullptr);
  WriteAutoView("00000");
  FMS_LOADA load = {};
  load.dwSize = sizeof load;
  load.wMenuDelta = 200;
  ASSERT_TRUE(entry(nullptr, FMEVENT_LOAD, reinterpret_cast<LONG>(&load)));
  EXPECT_STREQ(load.szMenuName, "&Skimmet");
  ASSERT_NE(load.hMenu, nullptr);
  const UINT item = 201;
  entry(nullptr, FMEVENT_INITMENU, reinterpret_cast<LONG>(load.hMenu));
  EXPECT_FALSE(Checked(load.hMenu, item));

  WriteAutoView("00001");  // as the shell's Settings dialog writes it
  entry(nullptr, FMEVENT_INITMENU, reinterpret_cast<LONG>(load.hMenu));
  EXPECT_FALSE(Checked(load.hMenu, item)) << "read again only when told";
  entry(nullptr, kLauncherSettingsChanged, 0);
  entry(nullptr, FMEVENT_INITMENU, reinterpret_cast<LONG>(load.hMenu));
  EXPECT_TRUE(Checked(load.hMenu, item));

  entry(nullptr, 1, 0);  // the item chosen
  EXPECT_EQ(GetPrivateProfileIntA("auto", "autoview", -1, LauncherIni().c_str()), 0);
  entry(nullptr, FMEVENT_UNLOAD, 0);
  DestroyMenu(load.hMenu);
  FreeLibrary(kpl);
  DeleteFileA(LauncherIni().c_str());
}

}  // namespace
