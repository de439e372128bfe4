// ZR32.EXE started under Wine from a folder that holds it and its libraries,
// handed a second file by a second start, its find and go-to dialogs driven
// and looked at from this process.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "suite_files.h"
#include "tests/e2e/screen_shot.h"
#include "tests/support/clipboard_text.h"
#include "tests/support/program_under_test.h"
#include "tests/support/temp_folder.h"
#include "tests/support/window_polling.h"
#include "viewers/contract/viewer_names.h"

namespace {

std::string DialogText(HWND dialog, int id) { return WindowText(GetDlgItem(dialog, id)); }

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

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

TEST_F(Skimmet, ShowsATextFileThenTakesABinaryFileFromASecondStart) {
  // Names with blanks come in double quotes, as Explorer and cmd pass them.
  std::string text = dir_.Write("my notes.txt", "Skimmet shows this line.\r\nAnd this one.\r\n");
  std::string binary = dir_.Write("my data.bin", std::string("\x00\x01\x02\xfe\xff\x80\x90", 7));
  ProgramUnderTest shell(dir_ / "ZR32.EXE", Quoted(text), dir_.path());
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
  ProgramUnderTest second(dir_ / "ZR32.EXE", Quoted(binary), dir_.path());
  EXPECT_EQ(second.WaitForExit(), 0) << "a second start only hands its file over";
  // No viewer library for what the content looks like: reported, then shown as text.
  HWND box = WaitForMessageBox(shell.processId(), "Error", kGraphicsLibrary.Library, 10000);
  ASSERT_NE(box, nullptr);
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(WaitFor([&] { return WindowText(viewer) == "Skimmet For Win 32 - my data.BIN"; }))
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

TEST_F(Skimmet, StartedWithAFolderOrNothingShowsAnEmptyViewerWindowThatEndsIt) {
  for (const std::string& arguments : {Quoted(dir_.path()), std::string()}) {
    ProgramUnderTest shell(dir_ / "ZR32.EXE", arguments, dir_.path());
    HWND viewer = shell.WaitForWindow("ZRWINDOW");
    ASSERT_NE(viewer, nullptr) << arguments;
    EXPECT_EQ(WindowText(viewer), "Skimmet For Win 32");
    PostMessageA(viewer, WM_CLOSE, 0, 0);
    EXPECT_EQ(shell.WaitForExit(), 0) << arguments;
  }
}

// The dialog a command opens, found by its caption.
HWND OpenDialog(const ProgramUnderTest& shell, HWND viewer, int command, const char* caption) {
  PostMessageA(viewer, WM_COMMAND, command, 0);
  return WaitForWindow(shell.processId(), caption, 10000);
}

void CloseDialog(HWND dialog, int button) {
  PostMessageA(dialog, WM_COMMAND, button, 0);
  EXPECT_TRUE(WaitFor([&] { return !IsWindow(dialog); }));
}

// What Copy puts on the clipboard; sent, so the command has run.
std::string Copied(HWND viewer) {
  EmptyTheClipboard();
  DWORD_PTR result;
  SendMessageTimeoutA(viewer, WM_COMMAND, 3, 0, SMTO_NORMAL, 10000, &result);
  return ClipboardText();
}

void Type(HWND edit, const std::string& keys) {
  for (char k : keys) PostMessageA(edit, WM_CHAR, static_cast<BYTE>(k), 1);
}

TEST_F(Skimmet, FindThroughTheDialogReportsAMissingWordAndSelectsAPresentOne) {
  std::string text = dir_.Write("find me.txt", "The first line.\r\nSkimmet finds this word.\r\n");
  ProgramUnderTest shell(dir_ / "ZR32.EXE", Quoted(text), dir_.path());
  HWND viewer = shell.WaitForWindow("ZRWINDOW");
  ASSERT_NE(viewer, nullptr);
  ASSERT_TRUE(WaitFor([&] { return WindowText(viewer) == "Skimmet For Win 32 - find me.TXT"; }));
  EXPECT_EQ(Copied(viewer), "") << "nothing selected: Copy is not available";

  HWND dialog = OpenDialog(shell, viewer, 6, "Skimmet for Win32 - Find");
  ASSERT_NE(dialog, nullptr);
  SetDlgItemTextA(dialog, 451, "absent");
  Shot(dialog, "skimmet-find-dialog.png");
  PostMessageA(dialog, WM_COMMAND, IDOK, 0);
  HWND box =
      WaitForMessageBox(shell.processId(), "Skimmet - Find", "There are no matches found.", 10000);
  ASSERT_NE(box, nullptr);
  CloseDialog(box, IDOK);
  ASSERT_TRUE(IsWindow(dialog)) << "the dialog stays for the next search";
  SetDlgItemTextA(dialog, 451, "this word");
  PostMessageA(dialog, WM_COMMAND, IDOK, 0);
  CloseDialog(dialog, IDCANCEL);
  EXPECT_NE(Copied(viewer).find("this word"), std::string::npos) << "the match is selected";
  PostMessageA(viewer, WM_CLOSE, 0, 0);
  EXPECT_EQ(shell.WaitForExit(), 0);
}

TEST_F(Skimmet, HexFindShowsEachFieldInTheOtherAndGoToNamesTheSize) {
  std::string bytes = "Skimmet hex AB and \xE9 ends.";  // 0x1A bytes, the E9 not on the first line
  ASSERT_EQ(bytes.size(), 0x1Au);
  std::string path = dir_.Write("bytes.txt", bytes);
  ProgramUnderTest shell(dir_ / "ZR32.EXE", Quoted(path), dir_.path());
  HWND viewer = shell.WaitForWindow("ZRWINDOW");
  ASSERT_NE(viewer, nullptr);
  PostMessageA(viewer, WM_COMMAND, 12, 0);  // View > Hex
  ASSERT_TRUE(WaitFor(
      [&] { return FindWindowExA(viewer, nullptr, kHexLibrary.WindowClass, nullptr) != nullptr; }));

  HWND dialog = OpenDialog(shell, viewer, 6, "Skimmet for Win32 - Find");
  ASSERT_NE(dialog, nullptr);
  HWND ascii = GetDlgItem(dialog, 451), hex = GetDlgItem(dialog, 455);
  Type(hex, "41 42");
  EXPECT_TRUE(WaitFor([&] { return WindowText(ascii) == "AB"; })) << WindowText(ascii);
  EXPECT_EQ(WindowText(hex), "4142") << "the blank is refused";
  Shot(dialog, "skimmet-hex-find-dialog.png");
  PostMessageA(ascii, EM_SETSEL, 0, -1);
  Type(ascii, "\xE9");
  EXPECT_TRUE(WaitFor([&] { return WindowText(hex) == "E9"; })) << WindowText(hex);
  PostMessageA(dialog, WM_COMMAND, IDOK, 0);
  CloseDialog(dialog, IDCANCEL);
  const std::string found = Copied(viewer);  // the line holding the E9 is selected
  EXPECT_NE(found.find("E9"), std::string::npos) << found;
  EXPECT_NE(found.substr(0, 6), "000000") << found;

  dialog = OpenDialog(shell, viewer, 5, "Skimmet for Win32 - Go To");
  ASSERT_NE(dialog, nullptr);
  EXPECT_STRCASEEQ(DialogText(dialog, 454).c_str(), "bytes.txt is 1A bytes long.");
  HWND address = GetDlgItem(dialog, 453);
  Type(address, "g5");
  EXPECT_TRUE(WaitFor([&] { return WindowText(address) == "5"; })) << WindowText(address);
  Shot(dialog, "skimmet-goto-dialog.png");
  CloseDialog(dialog, IDOK);
  EXPECT_TRUE(WaitFor([&] { return Copied(viewer).substr(0, 6) == "000000"; })) << "gone to 5";
  PostMessageA(viewer, WM_CLOSE, 0, 0);
  EXPECT_EQ(shell.WaitForExit(), 0);
}

}  // namespace
