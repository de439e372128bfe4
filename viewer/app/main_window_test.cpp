// The main window in-process: the open protocol, recent files, drops,
// closing, menu pruning and the profile file.
#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>

#include <cstring>
#include <string>
#include <vector>

#include "tests/support/main_window_fixture.h"
#include "tests/support/temp_folder.h"
#include "tests/support/window_polling.h"
#include "viewer/app/app_state.h"
#include "viewer/app/command_line.h"
#include "viewer/app/startup.h"
#include "viewer/resources/resource_ids.h"
#include "viewer/services/ui_seam.h"
#include "viewer/settings/profile_choice_win32.h"
#include "viewer/settings/profile_groups.h"
#include "viewer/settings/program_profile.h"
#include "viewer/settings/view_options.h"
#include "viewer/view/messages.h"
#include "win32/profile_store_win32.h"

namespace {
Win32ProfileStore gStore(gSetupSettings.ProfilePath);
OPENFILENAMEA gLastOfn;
std::string gLastFilterFile, gLastInitialDir;
BOOL gDialogAnswer = FALSE;

BOOL WINAPI ChooseLastFilterFile(LPOPENFILENAMEA ofn) {
  std::strcpy(ofn->lpstrFile, gLastFilterFile.c_str());
  return TRUE;
}

BOOL WINAPI FakeOpenDialog(LPOPENFILENAMEA ofn) {
  gLastOfn = *ofn;
  gLastFilterFile = ofn->lpstrFile;
  gLastInitialDir = ofn->lpstrInitialDir ? ofn->lpstrInitialDir : "";
  return gDialogAnswer;
}

// Notes the name the dialog was offered and chooses gChosen.
std::string gChosen;
BOOL WINAPI NoteAndChoose(LPOPENFILENAMEA ofn) {
  gLastFilterFile = ofn->lpstrFile;
  std::strcpy(ofn->lpstrFile, gChosen.c_str());
  return TRUE;
}

BOOL WINAPI ChosenNameTooLong(LPOPENFILENAMEA) { return FALSE; }
DWORD WINAPI BufferTooSmall() { return FNERR_BUFFERTOOSMALL; }

std::vector<std::string> gBoxTexts;
int WINAPI RecordBox(HWND, LPCSTR text, LPCSTR, UINT) {
  gBoxTexts.push_back(text);
  return IDOK;
}

// A drop of the files in list, each ended by a NUL.
HDROP DropOf(const std::string& list) {
  const std::string ended = list + '\0';
  HGLOBAL drop = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + ended.size());
  auto* df = static_cast<DROPFILES*>(GlobalLock(drop));
  df->pFiles = sizeof(DROPFILES);
  df->fWide = FALSE;
  std::memcpy(reinterpret_cast<char*>(df) + sizeof(DROPFILES), ended.data(), ended.size());
  GlobalUnlock(drop);
  return static_cast<HDROP>(drop);
}

class MainWindow : public MainWindowTest {
 protected:
  void SetUp() override {
    gLastOfn = {};
    gDialogAnswer = FALSE;
    MainWindowTest::SetUp();
    gGetOpenFileName = FakeOpenDialog;
    gBoxTexts.clear();
  }
  void TearDown() override {
    MainWindowTest::TearDown();
    gMessageBox = MessageBoxA;
    gCommDlgExtendedError = CommDlgExtendedError;
  }
  void CopyProfilePath() {
    std::strncpy(gSetupSettings.ProfilePath, profile_.c_str(), kProfilePathChars);
  }
};

class PrunedMenu : public MainWindow {
 protected:
  void SetUp() override {
    profileText_ = "[Tarvo Setup]\nDeleteMenu5=*\nDeleteMenu2=csu\n";
    MainWindow::SetUp();
  }
};
}  // namespace

TEST_F(MainWindow, OpeningFilesSetsCaptionSizeAndRecentOrder) {
  std::string a = folder_.Write("a.txt", "alpha\r\n");
  std::string b = folder_.Write("b.txt", "bravo bravo\r\n");
  EXPECT_EQ(Caption(), "Tarvo");
  EXPECT_EQ(OpenName(a), 1);
  EXPECT_EQ(Caption(), "Tarvo - a.txt");
  EXPECT_EQ(gFile.Flen, 7);
  EXPECT_EQ(OpenName(b), 1);
  EXPECT_EQ(Caption(), "Tarvo - b.txt");
  EXPECT_STREQ(gRecent.Files[0], b.c_str());
  EXPECT_STREQ(gRecent.Files[1], a.c_str());
  EXPECT_EQ(gRecent.FileCount, 2);

  OpenName(a);
  EXPECT_STREQ(gRecent.Files[0], a.c_str()) << "an open file moves to the front";
  EXPECT_STREQ(gRecent.Files[1], b.c_str());
  EXPECT_EQ(gRecent.FileCount, 2);

  // The File menu lists the recent files when it opens; entry 2 opens b.
  HMENU file = GetSubMenu(GetMenu(hwnd_), 0);
  SendMessageA(hwnd_, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(file), MAKELPARAM(0, FALSE));
  int n = GetMenuItemCount(file);
  EXPECT_EQ(MenuText(file, n - 2), "&1 a.txt");
  EXPECT_EQ(MenuText(file, n - 1), "&2 b.txt");
  SendMessageA(hwnd_, WM_COMMAND, IDM_RECENT_FIRST + 1, 0);
  PumpMessages();
  EXPECT_EQ(Caption(), "Tarvo - b.txt");
  EXPECT_STREQ(gRecent.Files[0], b.c_str());
}

TEST_F(MainWindow, CloseClearsTheFileAndKeepsTheRecentList) {
  std::string a = folder_.Write("a.txt", "alpha");
  OpenName(a);
  SendMessageA(hwnd_, WM_COMMAND, IDM_CLOSE, 0);
  EXPECT_EQ(Caption(), "Tarvo");
  EXPECT_STREQ(gFile.Path, "");
  EXPECT_EQ(gFile.Flen, 0);
  EXPECT_STREQ(gRecent.Files[0], a.c_str());
}

TEST_F(MainWindow, DroppedFileOpensTheFirstOnly) {
  std::string a = folder_.Write("dropped.txt", "x");
  HDROP drop = DropOf(a + '\0' + folder_.path() + "\\other.txt" + '\0');
  SendMessageA(hwnd_, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
  PumpMessages();
  EXPECT_EQ(Caption(), "Tarvo - dropped.txt");
  EXPECT_STREQ(gFile.Path, a.c_str());
}

// As Explorer drops on NT: wide names, here one the code page cannot hold.
TEST_F(MainWindow, DroppedWideNameOpensAndShowsInTheCaption) {
  const std::wstring path = folder_.WriteWide(L"\u65E5\u672C\u8A9E.txt", "wide");
  SendMessageA(hwnd_, WM_DROPFILES, reinterpret_cast<WPARAM>(TempFolder::WideDrop(path)), 0);
  PumpMessages();
  wchar_t caption[64] = L"";
  GetWindowTextW(hwnd_, caption, 64);
  EXPECT_STREQ(caption, L"Tarvo - \u65E5\u672C\u8A9E.txt");
  EXPECT_EQ(std::string(gFile.Path), "<utf8>" + folder_.path() + "\\\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E.txt");
  EXPECT_EQ(gFile.Flen, 4) << "read through the file seam";
}

TEST_F(MainWindow, MissingNameOffersTheOpenDialogWithTheRightFilter) {
  EXPECT_EQ(OpenName(folder_.path() + "\\missing.txt", 0), 0) << "no dialog without wParam 1";
  EXPECT_EQ(gLastOfn.lStructSize, 0u);

  std::strcpy(gApp.Start.RequestedName, "C:\\DATA\\*.LOG");
  EXPECT_EQ(OpenName(gApp.Start.RequestedName, 1), 0) << "the dialog was cancelled";
  EXPECT_EQ(gLastOfn.nFilterIndex, 2u);
  EXPECT_EQ(gLastInitialDir, "C:\\DATA\\");
  EXPECT_EQ(gLastFilterFile, "*.LOG");
  const char* f = gLastOfn.lpstrFilter;
  std::string pairs[4];
  for (auto& p : pairs) {
    p = f;
    f += p.size() + 1;
  }
  EXPECT_EQ(pairs[0], "Any File (*.*)");
  EXPECT_EQ(pairs[1], "*.*");
  EXPECT_EQ(pairs[2], "Default (*.LOG)");
  EXPECT_EQ(pairs[3], "*.LOG");
  EXPECT_EQ(gLastOfn.Flags & (OFN_FILEMUSTEXIST | OFN_HIDEREADONLY),
            static_cast<DWORD>(OFN_FILEMUSTEXIST | OFN_HIDEREADONLY));

  std::strcpy(gApp.Start.RequestedName, "notes.txt");
  OpenName(gApp.Start.RequestedName, 1);
  EXPECT_EQ(gLastOfn.nFilterIndex, 1u);
  EXPECT_EQ(gLastInitialDir, "");
}

TEST_F(MainWindow, CancelledStartupDialogClosesTheProgram) {
  std::strcpy(gApp.Start.RequestedName, "*.*");
  PostMessageA(hwnd_, VW_STARTOPEN, 0, reinterpret_cast<LPARAM>(gApp.Start.RequestedName));
  EXPECT_TRUE(WaitFor([&] { return !IsWindow(hwnd_); }));
}

TEST_F(MainWindow, ChosenFileFromTheDialogIsOpened) {
  std::string a = folder_.Write("chosen.txt", "chosen");
  gGetOpenFileName = ChooseLastFilterFile;
  gLastFilterFile = a;
  SendMessageA(hwnd_, WM_COMMAND, IDM_OPEN, 0);
  PumpMessages();
  EXPECT_EQ(Caption(), "Tarvo - chosen.txt");
}

TEST_F(MainWindow, NamesLongerThanThePathsAreRefusedAsTooLong) {
  gMessageBox = RecordBox;
  const std::string shown = folder_.Write("shown.txt", "shown");
  const std::string tooLong = folder_.path() + "\\" + std::string(300, 'n') + ".txt";
  const std::string said = "The file name is too long (more than 260 characters).";

  EXPECT_EQ(OpenName(tooLong, 0), 0) << "DDE: not processed";
  EXPECT_TRUE(gBoxTexts.empty()) << "and no box";

  // The command line: the cut name is never tried; the Open dialog comes
  // after the box, as when no name was given.
  ParseCommandLine(tooLong.c_str(), &gApp.Start);
  gGetOpenFileName = NoteAndChoose;
  gChosen = shown;
  SendMessageA(hwnd_, VW_STARTOPEN, 0, reinterpret_cast<LPARAM>(gApp.Start.RequestedName));
  ASSERT_EQ(gBoxTexts.size(), 1u);
  EXPECT_EQ(gBoxTexts[0], said + "\n" + tooLong.substr(0, 60) + "...");
  EXPECT_EQ(gLastFilterFile, "*.*");
  PumpMessages();
  EXPECT_EQ(Caption(), "Tarvo - shown.txt");

  // The Open dialog: a chosen name longer than its buffer.
  gGetOpenFileName = ChosenNameTooLong;
  gCommDlgExtendedError = BufferTooSmall;
  Command(IDM_OPEN);
  ASSERT_EQ(gBoxTexts.size(), 2u);
  EXPECT_EQ(gBoxTexts[1], said);

  SendMessageA(hwnd_, WM_DROPFILES, reinterpret_cast<WPARAM>(DropOf(tooLong)), 0);
  PumpMessages();
  ASSERT_EQ(gBoxTexts.size(), 3u);
  EXPECT_EQ(gBoxTexts[2], gBoxTexts[0]);
  EXPECT_EQ(Caption(), "Tarvo - shown.txt") << "nothing else was opened";
}

TEST_F(MainWindow, DestroyingTheWindowSavesRecentFiles) {
  std::string a = folder_.Write("a.txt", "alpha");
  OpenName(a);
  DestroyWindow(hwnd_);
  PumpMessages();
  char got[300] = "";
  GetPrivateProfileStringA("MRU Files", "File1", "", got, sizeof got, profile_.c_str());
  EXPECT_EQ(got, a);
  EXPECT_EQ(ReadFileText(profile_).find("MRU Search"), std::string::npos)
      << "search lists that were never loaded are not written";
}

TEST_F(PrunedMenu, DeleteMenuKeysRemovePopupsItemsAndLeadingSeparators) {
  HMENU bar = GetMenu(hwnd_);
  ASSERT_EQ(GetMenuItemCount(bar), 5);
  for (int i = 0; i < 5; ++i) EXPECT_NE(MenuText(bar, i), "&Mark");
  HMENU edit = GetSubMenu(bar, 1);
  ASSERT_EQ(GetMenuItemCount(edit), 5);
  EXPECT_EQ(MenuText(edit, 0), "&Find Text...\tShift+F3");
  EXPECT_EQ(MenuText(edit, 4), "&Go To...\tF5");
}

TEST(Profile, ChooseProfileKeepsAMasterFindsOneAndSeesReadOnly) {
  TempFolder programDir, workDir;
  char path[kProfilePathChars + 1];
  std::string beside = programDir.Write("TARVO.INI", "[Tarvo Setup]\nMasterProfile=1\n");
  std::strcpy(path, beside.c_str());
  EXPECT_FALSE(ChooseProfile(path));
  EXPECT_EQ(std::string(path), beside);

  SetFileAttributesA(beside.c_str(), FILE_ATTRIBUTE_READONLY);
  EXPECT_TRUE(ChooseProfile(path)) << "a read-only profile";
  SetFileAttributesA(beside.c_str(), FILE_ATTRIBUTE_NORMAL);

  // Without MasterProfile a TARVO.INI in the current directory wins.
  programDir.Write("TARVO.INI", "[Tarvo Setup]\nMasterProfile=0\n");
  std::string found = workDir.Write("TARVO.INI", "");
  char oldDir[MAX_PATH];
  GetCurrentDirectoryA(sizeof oldDir, oldDir);
  SetCurrentDirectoryA(workDir.path().c_str());
  std::strcpy(path, beside.c_str());
  EXPECT_FALSE(ChooseProfile(path));
  EXPECT_EQ(lstrcmpiA(path, found.c_str()), 0) << path;
  SetCurrentDirectoryA(oldDir);

  // Nothing anywhere: the bare name, writable.
  TempFolder empty;
  std::strcpy(path, (empty.path() + "\\TARVO.INI").c_str());
  EXPECT_FALSE(ChooseProfile(path));
  EXPECT_STREQ(path, "TARVO.INI");
}

TEST(Profile, RealProfileFileLoadsWithClamps) {
  TempFolder dir;
  std::string ini = dir.Write("TARVO.INI",
                              "[Tarvo]\nFormat=7\nLineLength=\nTabLength=300\nVertScroll=5\n"
                              "Font=Lucida Console,500\nWindowPos=10,20,300,400\n"
                              "[MRU Files]\nFile1=\nFile2=C:\\b.txt\n");
  gViewOptions = ViewOptions{};
  gSetupSettings = SetupSettings{};
  std::strcpy(gSetupSettings.ProfilePath, ini.c_str());
  SetProfileStore(&gStore);
  LoadProfile();
  EXPECT_EQ(gViewOptions.Format, 3);
  EXPECT_EQ(gViewOptions.LineLength, 8) << "an empty value reads as 0";
  EXPECT_EQ(gViewOptions.TabLength, 255);
  EXPECT_EQ(gViewOptions.VertScroll, 2);
  EXPECT_EQ(gViewOptions.FontSize, 240);
  EXPECT_STREQ(gViewOptions.FontName, "Lucida Console");
  EXPECT_EQ(gViewOptions.Window.Left, 20);
  EXPECT_EQ(gViewOptions.Window.Height, 300);
  EXPECT_EQ(gRecent.FileCount, 1);
  EXPECT_STREQ(gRecent.Files[0], "C:\\b.txt");
}

// A stored position that would leave the window out of reach opens it on
// the screen instead; the profile keeps the stored value.
TEST(MainWindowPlacement, UnreachableStoredPositionsOpenOnTheScreen) {
  RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  for (const char* stored : {"2147483647,2147483647,400,600", "a,b,,"}) {
    TempFolder dir;
    std::string ini = dir.Write("TARVO.INI", std::string("[Tarvo]\nWindowPos=") + stored + "\n");
    ResetViewerRecords();
    std::strcpy(gSetupSettings.ProfilePath, ini.c_str());
    SetProfileStore(&gStore);
    LoadProfile();
    HWND hwnd = CreateViewerWindow();
    ASSERT_NE(hwnd, nullptr);
    RECT r;
    GetWindowRect(hwnd, &r);
    EXPECT_TRUE(r.left >= screen.left && r.top >= screen.top && r.left < screen.right - 40 &&
                r.top < screen.bottom - 40)
        << stored << ": at " << r.left << "," << r.top;
    EXPECT_GE(r.right - r.left, GetSystemMetrics(SM_CXMIN)) << stored;
    EXPECT_GE(r.bottom - r.top, GetSystemMetrics(SM_CYMIN)) << stored;
    DestroyWindow(hwnd);
    PumpMessages();
  }
}
