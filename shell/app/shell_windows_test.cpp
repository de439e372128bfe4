// The shell's windows created in this process with the real viewer
// libraries of the build: files entering lists, showing them, the window
// limit, closing, arranging, the file manager's batch and the main window.
#include <gtest/gtest.h>
#include <shlobj.h>

#include <functional>
#include <string>
#include <vector>

#include "common/text_copy.h"
#include "controls/htctl32.h"
#include "shell/app/command_table.h"
#include "shell/app/file_entry.h"
#include "shell/app/main_window.h"
#include "shell/app/menu_state.h"
#include "shell/app/shell_start.h"
#include "shell/app/shell_state.h"
#include "shell/app/shell_windows_fixture.h"
#include "shell/app/viewer_command.h"
#include "shell/app/viewer_record.h"
#include "shell/app/viewer_windows.h"
#include "shell/core/viewer_table.h"
#include "shell/resources/shell_ids.h"
#include "tests/support/dialog_driver.h"
#include "tests/support/program_under_test.h"
#include "tests/support/temp_folder.h"
#include "tests/support/window_polling.h"
#include "viewers/contract/viewer_names.h"

namespace {

// Each popup of menu brought up to date for record as on opening, then
// every item checked against the command table.
void ExpectMenuFollowsTable(HMENU menu, const ViewerRecord& record, const std::string& where) {
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    if (HMENU popup = GetSubMenu(menu, i)) {
      UpdateMenuPopup(popup, record);
      ExpectMenuFollowsTable(popup, record, where);
      continue;
    }
    const UINT state = GetMenuState(menu, i, MF_BYPOSITION);
    if (state & MF_SEPARATOR) continue;
    const int id = static_cast<int>(GetMenuItemID(menu, i));
    const CommandRow* row = FindShellCommand(id);
    ASSERT_NE(row, nullptr) << where << ": item " << id << " has no command";
    EXPECT_EQ((state & MF_GRAYED) != 0, !CommandAvailable(*row, id, record)) << where << " " << id;
    if (row->Tick != CommandTick::None) {
      EXPECT_EQ((state & MF_CHECKED) != 0, TickShown(row->Tick, id, ContextOf(record)))
          << where << " " << id;
    }
  }
}

BOOL CALLBACK CollectName(HMODULE, LPCSTR, LPSTR name, LONG_PTR names) {
  reinterpret_cast<std::vector<std::string>*>(names)->push_back(name);
  return TRUE;
}

TEST_F(ShellWindows, ATextFileOpensInTheTextViewerWithTitleListAndStatus) {
  OpenFileInViewer(Text("notes.txt").c_str(), true);
  ASSERT_EQ(ShellState.ViewerCount, 1);
  HWND viewer = ShellState.CurrentViewer;
  ViewerRecord* record = Current();
  EXPECT_EQ(ClassOf(record->Child), std::string(kTextLibrary.WindowClass));
  EXPECT_EQ(WindowText(viewer), "Skimmet For Win 32 - notes.TXT");
  EXPECT_NE(record->StatusText[0], '\0');
  EXPECT_EQ(WindowText(record->ButtonBar), record->StatusText);
  HMENU files = GetSubMenu(GetMenu(viewer), record->FileListMenuPos);
  char entry[64] = "";
  GetMenuStringA(files, 1, entry, sizeof entry, MF_BYPOSITION);
  EXPECT_STREQ(entry, " 1 notes.TXT");
  EXPECT_TRUE(GetMenuState(files, 1, MF_BYPOSITION) & MF_CHECKED);
  // A second file goes in front of the same window's list.
  OpenFileInViewer(Text("more.log").c_str(), true);
  EXPECT_EQ(ShellState.ViewerCount, 1);
  EXPECT_EQ(record->FileCount, 2);
  EXPECT_EQ(WindowText(viewer), "Skimmet For Win 32 - more.LOG");
}

TEST_F(ShellWindows, AMissingLibraryIsReportedAndTheTextViewerShowsTheFile) {
  // A program folder that lacks the document library.
  TempFolder folder;
  for (const char* dll : {kTextLibrary.Library, kHexLibrary.Library, kGraphicsLibrary.Library})
    ASSERT_TRUE(CopyFileA((std::string(ShellState.ProgramDirSlash) + dll).c_str(), (folder / dll).c_str(), FALSE));
  CopyText(ShellState.ProgramDirSlash, folder.path() + "\\");
  std::vector<std::string> texts;
  DialogDriver driver([&](HWND box) {
    texts.push_back(WindowText(box) + ": " + MessageBoxText(box));
    ClickButton(box, IDOK);
  });
  OpenFileInViewer(Text("letter.wps", "not yet shown by a library of its own").c_str(), true);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0], std::string("Error: Unable to find ") + kWordProLibrary.Library + ".\n\rLoading text viewer.");
  EXPECT_EQ(Current()->Type, 0);
  EXPECT_EQ(ClassOf(Current()->Child), std::string(kTextLibrary.WindowClass));

  // A picture the graphics viewer declines goes to the hex viewer, unannounced.
  texts.clear();
  OpenFileInViewer(Text("picture.bmp", "BM not really").c_str(), true);
  EXPECT_TRUE(texts.empty());
  EXPECT_EQ(Current()->Type, 1);
  EXPECT_EQ(ClassOf(Current()->Child), std::string(kHexLibrary.WindowClass));
}

TEST_F(ShellWindows, TheHexCommandShowsTheFileInTheHexViewer) {
  OpenFileInViewer(Text("README", "plain words\r\n").c_str(), true);
  EXPECT_EQ(ClassOf(Current()->Child), std::string(kTextLibrary.WindowClass));
  ViewerCommand(ShellState.CurrentViewer, CMD_HEX, 0);
  EXPECT_EQ(Current()->Type, 1);
  EXPECT_EQ(ClassOf(Current()->Child), std::string(kHexLibrary.WindowClass));
  EXPECT_NE(Current()->StatusText[0], '\0');
}

TEST_F(ShellWindows, ClosingAWindowWithUnsavedEditsAsksFirst) {
  OpenFileInViewer(Text("edit.txt").c_str(), true);
  HWND viewer = ShellState.CurrentViewer;
  ViewerCommand(viewer, CMD_EDIT, 0);
  HWND edit = FindWindowExA(Current()->Child, nullptr, "EDIT", nullptr);
  ASSERT_NE(edit, nullptr);
  SendMessageA(edit, EM_SETMODIFY, TRUE, 0);
  int answer = IDCANCEL;
  DialogDriver driver([&](HWND box) { ClickButton(box, answer); });
  SendMessageA(viewer, WM_CLOSE, 0, 0);
  EXPECT_TRUE(IsWindow(viewer)) << "Cancel goes on editing";
  EXPECT_FALSE(Current()->EditAvailable);
  answer = IDNO;
  SendMessageA(viewer, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(viewer));
  EXPECT_EQ(driver.seen(), 2);
  EXPECT_EQ(ReadFileText(temp_ / "edit.txt"), "some text\r\n");
}

TEST_F(ShellWindows, ThirteenthWindowIsRefusedAndClosingTheMiddleKeepsTheOrder) {
  for (int i = 0; i < kMaxViewerWindows; ++i) ASSERT_TRUE(CreateViewerWindow(0));
  std::string refusal;
  {
    DialogDriver driver([&](HWND box) {
      refusal = MessageBoxText(box);
      ClickButton(box, IDOK);
    });
    EXPECT_EQ(CreateViewerWindow(0), nullptr);
  }
  EXPECT_EQ(refusal, "I'm sorry but you can't open more than 12 Skimmet windows.");
  EXPECT_EQ(ShellState.ViewerCount, kMaxViewerWindows);
  while (ShellState.ViewerCount > 3) DestroyWindow(ShellState.ViewerList[3]);
  HWND first = ShellState.ViewerList[0], third = ShellState.ViewerList[2];
  DestroyWindow(ShellState.ViewerList[1]);
  ASSERT_EQ(ShellState.ViewerCount, 2);
  EXPECT_EQ(ShellState.ViewerList[0], first);
  EXPECT_EQ(ShellState.ViewerList[1], third);
  ViewerCommand(first, CMD_TILE_VERTICALLY, 0);
  RECT a, b;
  GetWindowRect(first, &a);
  GetWindowRect(third, &b);
  int half = GetSystemMetrics(SM_CXSCREEN) / 2;
  EXPECT_EQ(a.left, 0);
  EXPECT_EQ(a.right - a.left, half);
  EXPECT_EQ(b.left, half);
  EXPECT_EQ(b.bottom - b.top, a.bottom - a.top);
}

TEST_F(ShellWindows, LastAndNextWrapAroundTheList) {
  for (const char* name : {"c.txt", "b.txt", "a.txt"}) OpenFileInViewer(Text(name).c_str(), true);
  HWND viewer = ShellState.CurrentViewer;
  ASSERT_EQ(Current()->FileCount, 3);
  ViewerCommand(viewer, CMD_LAST, 0);
  EXPECT_EQ(Current()->CurrentIndex, 2);
  EXPECT_EQ(WindowText(viewer), "Skimmet For Win 32 - c.TXT");
  ViewerCommand(viewer, CMD_NEXT, 0);
  EXPECT_EQ(Current()->CurrentIndex, 0);
}

TEST_F(ShellWindows, FerritBatchOpensAWindowPerFileOrCollectsThem) {
  auto post = [](WPARAM w, LPARAM l) { SendMessageA(ShellState.MainWindow, ShellState.MsgFerrit, w, l); };
  auto atom = [&](const char* name) { return static_cast<LPARAM>(GlobalAddAtomA(Text(name).c_str())); };
  post(650, 1);
  post(700, atom("one.txt"));
  post(700, atom("two.txt"));
  post(655, 0);
  EXPECT_EQ(ShellState.ViewerCount, 2);
  // Begun with 12 windows open, the batch collects into the current viewer.
  while (ShellState.ViewerCount < kMaxViewerWindows) CreateViewerWindow(0);
  ShellState.CurrentViewer = ShellState.ViewerList[0];
  post(650, 1);
  post(700, atom("three.txt"));
  post(700, atom("four.txt"));
  EXPECT_EQ(ShellState.ViewerCount, kMaxViewerWindows);
  EXPECT_EQ(LeadingPaths(ShellState.PendingFiles), 2);
  post(655, 0);
  ViewerRecord* first = RecordOf(ShellState.ViewerList[0]);
  ASSERT_EQ(first->FileCount, 3);
  EXPECT_EQ(WindowText(ShellState.ViewerList[0]), "Skimmet For Win 32 - three.TXT");
  post(700, atom("late.txt"));  // outside a batch: ignored
  EXPECT_EQ(LeadingPaths(ShellState.PendingFiles), 2);
}

// The first 25 names of a drop are taken; a folder among them is skipped.
TEST_F(ShellWindows, ADropOnAViewerTakesTheFirstTwentyFiveNamesAndSkipsFolders) {
  OpenFileInViewer(Text("old.txt").c_str(), true);
  std::vector<std::string> dropped = {temp_.path()};  // a folder: skipped
  for (int i = 0; i < 30; ++i) dropped.push_back(Text(("d" + std::to_string(i) + ".txt").c_str()));
  SendMessageA(ShellState.CurrentViewer, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(dropped)), 0);
  ViewerRecord* record = Current();
  ASSERT_EQ(record->FileCount, kMaxListFiles);  // 24 dropped files and the old one
  EXPECT_STREQ(FileNamePart(record->Files[0]).data(), "d0.TXT");
  EXPECT_STREQ(FileNamePart(record->Files[23]).data(), "d23.txt");
  EXPECT_STREQ(FileNamePart(record->Files[24]).data(), "old.TXT");
  EXPECT_EQ(WindowText(ShellState.CurrentViewer), "Skimmet For Win 32 - d0.TXT");
  // A drop on the main window opens a new viewer window.
  SendMessageA(ShellState.MainWindow, WM_DROPFILES,
               reinterpret_cast<WPARAM>(MakeDrop({Text("new.txt")})), 0);
  EXPECT_EQ(ShellState.ViewerCount, 2);
}

// As Explorer drops on NT: wide names, here one the code page cannot hold,
// shown by the text library.
TEST_F(ShellWindows, ADroppedWideNameOpensAndShowsInTheCaptionAndTheFileList) {
  const std::wstring path = temp_.WriteWide(L"\u0436\u0443\u0440\u043D\u0430\u043B.txt", "wide\r\n");
  OpenFileInViewer(Text("old.txt").c_str(), true);
  SendMessageA(ShellState.CurrentViewer, WM_DROPFILES,
               reinterpret_cast<WPARAM>(TempFolder::WideDrop(path)), 0);
  ViewerRecord* record = Current();
  ASSERT_EQ(record->FileCount, 2);
  EXPECT_EQ(record->LoadedType, kTypeText);
  EXPECT_TRUE(std::string(record->Files[0]).starts_with("<utf8>")) << record->Files[0];
  wchar_t text[80] = L"";
  GetWindowTextW(ShellState.CurrentViewer, text, 80);
  EXPECT_STREQ(text, L"Skimmet For Win 32 - \u0436\u0443\u0440\u043D\u0430\u043B.TXT");
  HMENU files = GetSubMenu(GetMenu(ShellState.CurrentViewer), record->FileListMenuPos);
  GetMenuStringW(files, CMD_FILE_ENTRY, text, 80, MF_BYCOMMAND);
  EXPECT_STREQ(text, L" 1 \u0436\u0443\u0440\u043D\u0430\u043B.TXT");
}

TEST_F(ShellWindows, SkimmetMessageNeedsAutoOpenOrAnOpenViewer) {
  ShellState.Flags.AutoOpen = false;
  ATOM atom = GlobalAddAtomA(Text("x.txt").c_str());
  SendMessageA(ShellState.MainWindow, ShellState.MsgSkimmet, atom, 0);
  EXPECT_EQ(ShellState.ViewerCount, 0);
  GlobalDeleteAtom(atom);
  ShellState.Flags.AutoOpen = true;
  SendMessageA(ShellState.MainWindow, ShellState.MsgSkimmet, GlobalAddAtomA(Text("x.txt").c_str()), 0);
  EXPECT_EQ(ShellState.ViewerCount, 1);
}

TEST_F(ShellWindows, ASavedIconPlaceIsUsedOnlyWellInsideTheScreen) {
  DestroyWindow(ShellState.MainWindow);
  PumpMessages();
  ShellState.NewShell = false;
  std::string ini = temp_ / "ZR.INI";
  ASSERT_TRUE(InitShellInstance(ini.c_str()));
  auto placedAt = [&](int x, int y) {
    WritePrivateProfileStringA("viewer", "iconleft", std::to_string(x).c_str(), ini.c_str());
    WritePrivateProfileStringA("viewer", "icontop", std::to_string(y).c_str(), ini.c_str());
    ShowWindow(ShellState.MainWindow, SW_RESTORE);
    PlaceIcon();
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    GetWindowPlacement(ShellState.MainWindow, &placement);
    return placement.ptMinPosition.x == x && placement.ptMinPosition.y == y;
  };
  int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  EXPECT_TRUE(placedAt(200, 150));
  EXPECT_TRUE(IsIconic(ShellState.MainWindow));
  EXPECT_TRUE(placedAt(width - 17, 150));
  EXPECT_FALSE(placedAt(width - 16, 150));
  EXPECT_FALSE(placedAt(200, height - 16));
}

TEST_F(ShellWindows, MainWindowIsAHiddenToolWindowOnNewShellsAndAnIconOnTheOld) {
  HWND main = ShellState.MainWindow;
  EXPECT_FALSE(IsWindowVisible(main));
  EXPECT_TRUE(GetWindowLongA(main, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  DestroyWindow(main);
  PumpMessages();
  ShellState.NewShell = false;
  ASSERT_TRUE(InitShellInstance((temp_ / "ZR.INI").c_str()));
  main = ShellState.MainWindow;
  EXPECT_FALSE(GetWindowLongA(main, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  EXPECT_TRUE(GetWindowLongA(main, GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
  HMENU system = GetSystemMenu(main, FALSE);
  char text[64] = "";
  GetMenuStringA(system, CMD_CLOSE_ALL, text, sizeof text, MF_BYCOMMAND);
  EXPECT_STREQ(text, "Close &All Windows");
  EXPECT_EQ(GetMenuState(system, CMD_ABOUT, MF_BYCOMMAND) & MF_SEPARATOR, 0u);
  EXPECT_EQ(GetMenuState(system, SC_SIZE, MF_BYCOMMAND), 0xFFFFFFFF);
}

TEST_F(ShellWindows, AboutShowsTheTitleLargeAndItalicOnOneLine) {
  std::string caption, title;
  LOGFONTA font = {}, dialogFont = {};
  SIZE text = {};
  RECT place = {};
  DialogDriver driver([&](HWND box) {
    caption = WindowText(box);
    title = DialogItemText(box, IDC_ABOUT_TITLE);
    HWND titleControl = GetDlgItem(box, IDC_ABOUT_TITLE);
    auto titleFont = reinterpret_cast<HFONT>(SendMessageA(titleControl, WM_GETFONT, 0, 0));
    GetObjectA(titleFont, sizeof font, &font);
    HDC dc = GetDC(titleControl);
    HGDIOBJ previous = SelectObject(dc, titleFont);
    GetTextExtentPoint32A(dc, title.c_str(), static_cast<int>(title.size()), &text);
    SelectObject(dc, previous);
    ReleaseDC(titleControl, dc);
    GetClientRect(titleControl, &place);
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(box, WM_GETFONT, 0, 0)), sizeof dialogFont,
               &dialogFont);
    ClickButton(box, IDOK);
  });
  SendMessageA(ShellState.MainWindow, WM_SYSCOMMAND, CMD_ABOUT, 0);
  EXPECT_EQ(caption, "Skimmet For Win 32");
  EXPECT_EQ(title, "Skimmet For Win 32");
  EXPECT_TRUE(font.lfItalic);
  EXPECT_EQ(font.lfHeight, 3 * dialogFont.lfHeight);
  EXPECT_LT(text.cx, place.right) << "the title is not cut or broken";
}

TEST_F(ShellWindows, TheLastViewerClosingSavesItsPlace) {
  std::string ini = temp_ / "ZR.INI";
  HWND viewer = CreateViewerWindow(0);
  MoveWindow(viewer, 100, 120, 400, 300, FALSE);
  DestroyWindow(viewer);
  char value[16] = "";
  GetPrivateProfileStringA("viewer", "left", "", value, sizeof value, ini.c_str());
  EXPECT_STREQ(value, "00100");
  GetPrivateProfileStringA("viewer", "bottom", "", value, sizeof value, ini.c_str());
  EXPECT_STREQ(value, "00420");
  // The newer shells end with the last viewer window.
  EXPECT_FALSE(IsWindow(ShellState.MainWindow));
}

TEST_F(ShellWindows, MenuItemsAndAcceleratorsAreCommandsGreyedWhenTheDispatcherRefuses) {
  HACCEL table = LoadAcceleratorsA(ShellState.instance, "ZRACC");
  ACCEL keys[32];
  const int n = CopyAcceleratorTableA(table, keys, 32);
  ASSERT_GT(n, 0);
  for (int i = 0; i < n; ++i) EXPECT_NE(FindShellCommand(keys[i].cmd), nullptr) << keys[i].cmd;

  std::vector<std::string> menus;
  EnumResourceNamesA(ShellState.instance, RT_MENU, CollectName, reinterpret_cast<LONG_PTR>(&menus));
  ASSERT_GE(menus.size(), 9u);
  HWND viewer = CreateViewerWindow(0);
  ViewerRecord* record = RecordOf(viewer);
  struct State {
    int Type;
    bool Selection, EditAvailable;
    int Zoom;
  };
  const State states[] = {{kTypeText, false, true, CMD_ZOOM_1X},
                          {kTypeText, true, false, CMD_ZOOM_5X},
                          {kTypeHex, false, false, CMD_ZOOM_1X},
                          {kTypeZip, false, false, CMD_ZOOM_QUARTER}};
  for (const State& s : states) {
    record->Type = s.Type;
    record->HasSelection = s.Selection;
    record->EditAvailable = s.EditAvailable;
    record->Zoom = s.Zoom;
    for (const std::string& name : menus) {
      HMENU menu = LoadMenuA(ShellState.instance, name.c_str());
      ExpectMenuFollowsTable(menu, *record, name + " type " + std::to_string(s.Type));
      DestroyMenu(menu);
    }
  }
  // The dispatcher refuses what the menus grey: no zooming in past 5X.
  record->Type = kTypeText;
  record->Zoom = CMD_ZOOM_5X;
  ViewerCommand(viewer, CMD_ZOOM_IN, 0);
  EXPECT_EQ(record->Zoom, CMD_ZOOM_5X);
  ViewerCommand(viewer, CMD_ZOOM_OUT, 0);
  EXPECT_EQ(record->Zoom, CMD_ZOOM_4X);
}

TEST_F(ShellWindows, AcceleratorsReachTheViewerWhoseChildHasTheFocus) {
  OpenFileInViewer(Text("zoom.txt").c_str(), true);
  SetFocus(Current()->Child);
  ASSERT_EQ(GetFocus(), Current()->Child);
  // What TranslateAccelerator makes of Ctrl+2 in the message loop.
  SendMessageA(ShellState.MainWindow, WM_COMMAND, MAKEWPARAM(CMD_ZOOM_2X, 1), 0);
  PumpMessages();
  EXPECT_EQ(Current()->Zoom, CMD_ZOOM_2X);
}

TEST_F(ShellWindows, EveryPathThatWouldReplaceAnEditedFileAsksFirstAndCancelKeepsIt) {
  OpenFileInViewer(Text("other.txt").c_str(), true);
  OpenFileInViewer(Text("edit.txt").c_str(), true);
  HWND viewer = ShellState.CurrentViewer;
  ViewerRecord* record = Current();
  ViewerCommand(viewer, CMD_EDIT, 0);
  HWND edit = FindWindowExA(record->Child, nullptr, "EDIT", nullptr);
  ASSERT_NE(edit, nullptr);
  SendMessageA(edit, EM_SETMODIFY, TRUE, 0);
  const HWND child = record->Child;
  int answer = IDCANCEL;
  DialogDriver driver([&](HWND box) { ClickButton(box, answer); });
  const std::string dropped = Text("dropped.txt"), handed = Text("handed.txt");
  // clang-format off
  const std::pair<const char*, std::function<LRESULT()>> paths[] = {
      {"Hex", [&] { ViewerCommand(viewer, CMD_HEX, 0); return 0; }},
      {"Viewer", [&] { ViewerCommand(viewer, CMD_VIEWER, 0); return 0; }},
      {"Next", [&] { ViewerCommand(viewer, CMD_NEXT, 0); return 0; }},
      {"Filelist", [&] { ViewerCommand(viewer, CMD_FILE_ENTRY + 1, 0); return 0; }},
      {"drop", [&] {
         return SendMessageA(viewer, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({dropped})), 0);
       }},
      {"hand-over", [&] { OpenFileInViewer(handed.c_str(), true); return 0; }},
      {"Close Skimmet", [&] { ViewerCommand(viewer, CMD_CLOSE_SHELL, 0); return 0; }},
      {"shutdown", [&] { return SendMessageA(ShellState.MainWindow, WM_QUERYENDSESSION, 0, 0); }},
  };
  // clang-format on
  for (const auto& [name, run] : paths) {
    const int asked = driver.seen();
    const LRESULT result = run();
    EXPECT_EQ(driver.seen(), asked + 1) << name;
    EXPECT_EQ(record->Child, child) << name;
    EXPECT_EQ(record->FileCount, 2) << name;
    EXPECT_FALSE(record->EditAvailable) << name << ": still editing";
    EXPECT_TRUE(IsWindow(ShellState.MainWindow)) << name;
    if (std::string(name) == "shutdown") {
      EXPECT_EQ(result, 0) << "the session may not end";
    }
  }
  answer = IDNO;
  SendMessageA(viewer, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(viewer));
}

TEST_F(ShellWindows, AFerritBatchKeepsItsFilesWhileOthersArrive) {
  auto ferrit = [](WPARAM w, LPARAM l) {
    SendMessageA(ShellState.MainWindow, ShellState.MsgFerrit, w, l);
  };
  auto atom = [&](const char* name) {
    return static_cast<LPARAM>(GlobalAddAtomA(Text(name).c_str()));
  };
  OpenFileInViewer(Text("open.txt").c_str(), true);
  ferrit(650, 0);
  ferrit(700, atom("one.txt"));
  ferrit(700, atom("two.txt"));
  OpenFileInViewer(Text("handed.txt").c_str(), true);
  SendMessageA(ShellState.MainWindow, ShellState.MsgSkimmet, atom("skimmet.txt"), 0);
  SendMessageA(ShellState.CurrentViewer, WM_DROPFILES,
               reinterpret_cast<WPARAM>(MakeDrop({Text("dropped.txt")})), 0);
  SendMessageA(ShellState.MainWindow, WM_DROPFILES,
               reinterpret_cast<WPARAM>(MakeDrop({Text("new.txt")})), 0);
  ferrit(655, 0);
  ViewerRecord* record = Current();
  ASSERT_GE(record->FileCount, 3);
  EXPECT_STRCASEEQ(FileNamePart(record->Files[0]).data(), "one.txt");
  EXPECT_STRCASEEQ(FileNamePart(record->Files[1]).data(), "two.txt");
  EXPECT_STRCASEEQ(FileNamePart(record->Files[2]).data(), "new.txt");
}

TEST_F(ShellWindows, AnEditTheViewerRefusesLeavesTheWindowInViewMode) {
  OpenFileInViewer(Text("big.txt", std::string(70000, 'x')).c_str(), true);
  HWND viewer = ShellState.CurrentViewer;
  std::string refusal;
  DialogDriver driver([&](HWND box) {
    refusal = MessageBoxText(box);
    ClickButton(box, IDOK);
  });
  ViewerCommand(viewer, CMD_EDIT, 0);
  EXPECT_NE(refusal.find("too large"), std::string::npos) << refusal;
  EXPECT_TRUE(Current()->EditAvailable);
  HMENU file = GetSubMenu(GetMenu(viewer), 0);
  EXPECT_EQ(GetMenuState(file, CMD_SAVE_AS, MF_BYCOMMAND), 0xFFFFFFFF) << "no Save As";
}

}  // namespace
