// ZR32.EXE started under Wine from a folder that holds it and its libraries,
// handed a second file by a second start, and looked at from this process.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "suite_files.h"
#include "tests/e2e/screen_shot.h"
#include "tests/support/program_under_test.h"
#include "tests/support/temp_folder.h"
#include "tests/support/window_polling.h"
#include "viewers/contract/viewer_names.h"

namespace {

std::string ChildText(HWND parent, const char* className) {
  HWND child = FindWindowExA(parent, nullptr, className, nullptr);
  return child ? WindowText(child) : "<no " + std::string(className) + ">";
}

// Saves a picture of the window in the build's shots folder.
void Shot(HWND window, const char* name) {
  std::string folder = WinePathOf(TARVO_SHOTS_UNIX_PATH);
  CreateDirectoryA(folder.c_str(), nullptr);
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  EXPECT_TRUE(SaveWindowShot(window, folder + "\\" + name)) << name;
}

class Skimmet : public ::testing::Test {
 protected:
  void SetUp() override {
    // The shell and every library of the package, as installed.
    for (std::string file : {TARVO_PACKAGE_FILES}) {
      if (file != "ZR32.EXE" && !file.ends_with(".DLL")) continue;
      ASSERT_TRUE(CopyFileA(BuiltProgram(file.c_str()).c_str(), (dir_ / file).c_str(), FALSE))
          << file;
    }
    DeleteFileA(Ini().c_str());
  }
  void TearDown() override { DeleteFileA(Ini().c_str()); }
  static std::string Ini() {
    char dir[MAX_PATH];
    GetWindowsDirectoryA(dir, sizeof dir);
    return std::string(dir) + "\\ZR.INI";
  }
  TempFolder dir_;
};

TEST_F(Skimmet, ShowsATextFileThenTakesABinaryFileFromASecondStart) {
  // The whole command line is the path, blanks and all.
  std::string text = dir_.Write("my notes.txt", "Skimmet shows this line.\r\nAnd this one.\r\n");
  std::string binary = dir_.Write("data.bin", std::string("\x00\x01\x02\xfe\xff\x80\x90", 7));
  ProgramUnderTest shell(dir_ / "ZR32.EXE", text, dir_.path());
  ASSERT_TRUE(shell.started());
  HWND viewer = shell.WaitForWindow("ZRWINDOW");
  ASSERT_NE(viewer, nullptr);
  ASSERT_TRUE(WaitFor([&] { return WindowText(viewer) == "Skimmet For Win 32 - my notes.TXT"; }))
      << WindowText(viewer);
  EXPECT_NE(FindWindowExA(viewer, nullptr, kTextLibrary.WindowClass, nullptr), nullptr);
  EXPECT_NE(ChildText(viewer, "ZRBUTTON"), "");
  Shot(viewer, "skimmet-text.png");

  ProgramUnderTest empty(dir_ / "ZR32.EXE", "", dir_.path());
  EXPECT_EQ(empty.WaitForExit(), 0) << "a second start without a file does nothing";
  ProgramUnderTest second(dir_ / "ZR32.EXE", binary, dir_.path());
  EXPECT_EQ(second.WaitForExit(), 0) << "a second start only hands its file over";
  // No viewer library for what the content looks like: reported, then shown as text.
  HWND box = WaitForMessageBox(shell.processId(), "Error", kGraphicsLibrary.Library, 10000);
  ASSERT_NE(box, nullptr);
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(WaitFor([&] { return WindowText(viewer) == "Skimmet For Win 32 - data.BIN"; }))
      << WindowText(viewer);
  EXPECT_NE(FindWindowExA(viewer, nullptr, kTextLibrary.WindowClass, nullptr), nullptr);
  PostMessageA(viewer, WM_COMMAND, 12, 0);  // View > Hex
  ASSERT_TRUE(
      WaitFor([&] { return FindWindowExA(viewer, nullptr, kHexLibrary.WindowClass, nullptr) != nullptr; }));
  EXPECT_NE(ChildText(viewer, "ZRBUTTON"), "");
  Shot(viewer, "skimmet-hex.png");

  // The last viewer window closing ends the program on the newer shells.
  PostMessageA(viewer, WM_CLOSE, 0, 0);
  EXPECT_EQ(shell.WaitForExit(), 0);
}

}  // namespace
