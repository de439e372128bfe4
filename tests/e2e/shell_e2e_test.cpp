// ZR32.EXE started under Wine from a folder that holds it and its libraries,
// handed a second file by a second start, its dialogs and commands driven
// and looked at from this process.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "suite_files.h"
#include "tests/e2e/screen_shot.h"
#include "tests/support/clipboard_text.h"
#include "tests/support/drawing_bytes.h"
#include "tests/support/icon_bytes.h"
#include "tests/support/program_under_test.h"
#include "tests/support/sound_bytes.h"
#include "tests/support/temp_folder.h"
#include "tests/support/window_polling.h"
#include "viewers/archives/formats/test_archives.h"
#include "viewers/contract/viewer_messages.h"
#include "viewers/contract/viewer_names.h"
#include "viewers/fonts/formats/test_fonts.h"
#include "viewers/documents/formats/test_documents.h"
#include "viewers/tables/formats/test_tables.h"
#include "viewers/compound/formats/test_compound.h"
#include "viewers/sheets/formats/test_sheets.h"
#include "viewers/graphics/formats/picture_writers.h"

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

// The shell showing a file: the process and its viewer window.
struct Shown {
  std::unique_ptr<ProgramUnderTest> Shell;
  HWND Viewer = nullptr;
};

std::string IniValue(const std::string& ini, const char* section, const char* key) {
  char value[64] = "";
  GetPrivateProfileStringA(section, key, "", value, sizeof value, ini.c_str());
  return value;
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
  // ZR32.EXE started with path, once its viewer window shows the file.
  Shown Show(const std::string& path, const char* title) {
    Shown shown;
    shown.Shell = std::make_unique<ProgramUnderTest>(dir_ / "ZR32.EXE", path, dir_.path());
    shown.Viewer = shown.Shell->WaitForWindow("ZRWINDOW");
    if (shown.Viewer) {
      const std::string caption = std::string("Skimmet For Win 32 - ") + title;
      EXPECT_TRUE(WaitFor([&] { return WindowText(shown.Viewer) == caption; }))
          << WindowText(shown.Viewer);
    }
    return shown;
  }
  // Posts a menu command to the viewer window and waits for the dialog it opens.
  static HWND OpenDialog(const Shown& shown, int command) {
    PostMessageA(shown.Viewer, WM_COMMAND, command, 0);
    HWND dialog = shown.Shell->WaitForWindow("#32770");
    if (dialog) WaitFor([&] { return IsWindowVisible(dialog) != FALSE; });
    return dialog;
  }
  static void Close(const Shown& shown) {
    PostMessageA(shown.Viewer, WM_CLOSE, 0, 0);
    EXPECT_EQ(shown.Shell->WaitForExit(), 0);
  }
  static std::string Ini() {
    char dir[MAX_PATH];
    GetWindowsDirectoryA(dir, sizeof dir);
    return std::string(dir) + "\\ZR.INI";
  }
  TempFolder dir_;
};

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

// A picture of soft colours with a dark square near its top left corner.
Picture Photo(int width, int height) {
  Picture p;
  p.Resize(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      p.Row(y)[x] = x < width / 4 && y < height / 4
                        ? PixelOf(20, 20, 30)
                        : PixelOf(static_cast<uint8_t>(120 + x * 100 / width), static_cast<uint8_t>(180 - y * 80 / height), 200);
  return p;
}

std::string Written(const Picture& picture, SaveKind kind) {
  std::string bytes;
  WritePicture(picture, kind, [&](const void* data, size_t n) {
    bytes.append(static_cast<const char*>(data), n);
    return true;
  });
  return bytes;
}

// Whether the picture stands, pixel for pixel, in the middle of the window's client area.
bool OnScreenInTheMiddle(HWND window, const Picture& picture) {
  RECT r;
  GetClientRect(window, &r);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
  const std::vector<BYTE> screen = ScreenPixels(r);
  const int width = r.right - r.left, left = (width - picture.Width) / 2,
            top = (r.bottom - r.top - picture.Height) / 2;
  for (int y = 0; y < picture.Height; ++y)
    for (int x = 0; x < picture.Width; ++x) {
      uint32_t shown;
      std::memcpy(&shown, &screen[(static_cast<size_t>(top + y) * width + left + x) * 4], 4);
      if ((shown | 0xFF000000u) != picture.Row(y)[x]) return false;
    }
  return true;
}

TEST_F(Skimmet, ShowsAPictureAsItWasMadeAndTurnsIt) {
  const Picture photo = Photo(160, 100);
  Shown shown = Show(dir_.Write("photo.jpg", Written(photo, SaveKind::Jpg)), "photo.JPG");
  ASSERT_NE(shown.Viewer, nullptr);
  HWND picture = FindWindowExA(shown.Viewer, nullptr, kGraphicsLibrary.WindowClass, nullptr);
  ASSERT_NE(picture, nullptr);
  EXPECT_TRUE(WaitFor([&] { return ChildText(shown.Viewer, "ZRBUTTON").find("JPEG  160 x 100") != std::string::npos; }))
      << ChildText(shown.Viewer, "ZRBUTTON");
  Shot(shown.Viewer, "skimmet-photo.png");
  Close(shown);

  shown = Show(dir_.Write("photo.bmp", Written(photo, SaveKind::Bmp)), "photo.BMP");
  ASSERT_NE(shown.Viewer, nullptr);
  picture = FindWindowExA(shown.Viewer, nullptr, kGraphicsLibrary.WindowClass, nullptr);
  ASSERT_NE(picture, nullptr);
  EXPECT_TRUE(WaitFor([&] { return OnScreenInTheMiddle(picture, photo); })) << "the picture at 1X";
  PostMessageA(shown.Viewer, WM_COMMAND, 320, 0);  // Rotate 90 degrees
  Picture turned;
  turned.Resize(photo.Height, photo.Width);
  for (int y = 0; y < photo.Height; ++y)
    for (int x = 0; x < photo.Width; ++x) turned.Row(x)[photo.Height - 1 - y] = photo.Row(y)[x];
  EXPECT_TRUE(WaitFor([&] { return OnScreenInTheMiddle(picture, turned); })) << "turned a quarter clockwise";
  EXPECT_TRUE(WaitFor([&] { return ChildText(shown.Viewer, "ZRBUTTON").find("100 x 160") != std::string::npos; }))
      << "the status follows: " << ChildText(shown.Viewer, "ZRBUTTON");
  Shot(shown.Viewer, "skimmet-photo-turned.png");
  Close(shown);
}

// Names the code page cannot hold, on the wide command line as Explorer
// passes them on NT: the text library and a picture open them.
TEST_F(Skimmet, ShowsFilesNamedBeyondTheCodePageFromTheCommandLine) {
  const Picture photo = Photo(160, 100);
  struct Case {
    std::wstring Name, Shown;
    std::string Content, Status;
  } cases[] = {
      {L"\u0436\u0443\u0440\u043D\u0430\u043B.txt", L"\u0436\u0443\u0440\u043D\u0430\u043B.TXT",
       "line one\r\n", ""},
      {L"\u5199\u771F.bmp", L"\u5199\u771F.BMP", Written(photo, SaveKind::Bmp), "160 x 100"},
  };
  for (const Case& c : cases) {
    const std::wstring path = dir_.WriteWide(c.Name, c.Content);
    Shown shown;
    shown.Shell = std::make_unique<ProgramUnderTest>(dir_ / "ZR32.EXE", L"\"" + path + L"\"",
                                                     dir_.path());
    shown.Viewer = shown.Shell->WaitForWindow("ZRWINDOW");
    ASSERT_NE(shown.Viewer, nullptr);
    const std::wstring caption = L"Skimmet For Win 32 - " + c.Shown;
    EXPECT_TRUE(WaitFor([&] {
      wchar_t text[128] = L"";
      GetWindowTextW(shown.Viewer, text, 128);
      return caption == text;
    }));
    EXPECT_TRUE(WaitFor([&] {
      const std::string status = ChildText(shown.Viewer, "ZRBUTTON");
      return !status.empty() && status.find(c.Status) != std::string::npos;
    })) << ChildText(shown.Viewer, "ZRBUTTON");
    if (c.Status.empty()) Shot(shown.Viewer, "skimmet-wide-name.png");
    Close(shown);
  }
}

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
  // No picture, although its content makes it one for the shell: the
  // graphics viewer declines it and it is shown in hex, without a word.
  ASSERT_TRUE(WaitFor([&] { return WindowText(viewer) == "Skimmet For Win 32 - my data.BIN"; }))
      << WindowText(viewer);
  ASSERT_TRUE(
      WaitFor([&] { return FindWindowExA(viewer, nullptr, kHexLibrary.WindowClass, nullptr) != nullptr; }));
  EXPECT_EQ(WaitForMessageBox(shell.processId(), "Error", "", 500), nullptr);
  EXPECT_NE(ChildText(viewer, "ZRBUTTON"), "");
  Shot(viewer, "skimmet-hex.png");

  // The last viewer window closing ends the program on the newer shells.
  PostMessageA(viewer, WM_CLOSE, 0, 0);
  EXPECT_EQ(shell.WaitForExit(), 0);
}

TEST_F(Skimmet, ShowsAWavsFactsInTheStatusAndItsWaveformWhereTheSoundIs) {
  SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
  Shown shown = Show(dir_.Write("tone.wav", HalfSilentWaveBytes(8000, 16000)), "tone.WAV");
  ASSERT_NE(shown.Viewer, nullptr);
  HWND sound = FindWindowExA(shown.Viewer, nullptr, kSoundLibrary.WindowClass, nullptr);
  ASSERT_NE(sound, nullptr) << "not shown by the sound library";
  EXPECT_EQ(ChildText(shown.Viewer, "ZRBUTTON").rfind("WAV: PCM, 8000 Hz, 1 channel, 16 bits, 0:02.0", 0), 0u)
      << ChildText(shown.Viewer, "ZRBUTTON");
  RECT client;
  GetClientRect(sound, &client);
  MapWindowPoints(sound, nullptr, reinterpret_cast<POINT*>(&client), 2);
  const COLORREF ink = GetSysColor(COLOR_WINDOWTEXT);
  // Pixels of ink in the lower half of the window's column at fraction of its width.
  const auto inkAt = [&](double fraction) {
    const int x = client.left + static_cast<int>((client.right - client.left) * fraction);
    const std::vector<BYTE> column = ScreenPixels({x, (client.top + client.bottom) / 2, x + 1, client.bottom});
    int count = 0;
    for (size_t i = 0; i + 3 < column.size(); i += 4)
      count += RGB(column[i + 2], column[i + 1], column[i]) == ink;
    return count;
  };
  EXPECT_TRUE(WaitFor([&] { return inkAt(0.75) > (client.bottom - client.top) / 5; })) << inkAt(0.75);
  EXPECT_LE(inkAt(0.25), 2) << "the silent half is a flat line";
  Shot(shown.Viewer, "skimmet-wave.png");
  Close(shown);
}

// The colour on the screen at a fraction of the window's client area,
// dy pixels further down and kept within it.
COLORREF ScreenColourAt(HWND window, double fx, double fy, int dy = 0) {
  RECT client;
  GetClientRect(window, &client);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
  const int x = client.left + static_cast<int>((client.right - client.left) * fx);
  const int y = std::clamp(static_cast<int>(client.top + (client.bottom - client.top) * fy) + dy,
                           static_cast<int>(client.top), static_cast<int>(client.bottom) - 1);
  const std::vector<BYTE> pixel = ScreenPixels({x, y, x + 1, y + 1});
  return pixel.size() < 4 ? CLR_INVALID : RGB(pixel[2], pixel[1], pixel[0]);
}

TEST_F(Skimmet, ShowsAMetafileAndAnHpglDrawingFittedToTheWindow) {
  SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
  Shown shown = Show(dir_.Write("box.wmf", PlaceableWmfBytes(RGB(255, 0, 0))), "box.WMF");
  ASSERT_NE(shown.Viewer, nullptr);
  HWND drawing = FindWindowExA(shown.Viewer, nullptr, kFilterLibrary.WindowClass, nullptr);
  ASSERT_NE(drawing, nullptr) << "not shown by the drawing library";
  EXPECT_TRUE(WaitFor([&] { return ScreenColourAt(drawing, 0.5, 0.5) == RGB(255, 0, 0); }))
      << "the filled rectangle in the middle: " << std::hex << ScreenColourAt(drawing, 0.5, 0.5);
  EXPECT_EQ(ChildText(shown.Viewer, "ZRBUTTON"), "WMF  96 x 96 pixels  100%");
  Close(shown);

  shown = Show(dir_.Write("square.plt", kHpglSquare), "square.PLT");
  ASSERT_NE(shown.Viewer, nullptr);
  drawing = FindWindowExA(shown.Viewer, nullptr, kFilterLibrary.WindowClass, nullptr);
  ASSERT_NE(drawing, nullptr) << "not shown by the drawing library";
  // The square as high as the window, centred: its top and bottom sides
  // along the window's edges, nothing inside.
  const auto redNear = [&](double fy) {
    for (int dy = -3; dy <= 3; ++dy)
      if (ScreenColourAt(drawing, 0.5, fy, dy) == RGB(255, 0, 0)) return true;
    return false;
  };
  EXPECT_TRUE(WaitFor([&] { return redNear(0.0) && redNear(1.0); })) << "the top and bottom sides";
  EXPECT_NE(ScreenColourAt(drawing, 0.5, 0.5), RGB(255, 0, 0)) << "nothing inside";
  EXPECT_EQ(ChildText(shown.Viewer, "ZRBUTTON"), "HPGL  25 x 25 mm  100%");
  Shot(shown.Viewer, "skimmet-drawing.png");
  Close(shown);
}

TEST_F(Skimmet, ShowsADrawingKindTheLibraryDeclinesAsText) {
  Shown shown = Show(dir_.Write("chart.cgm", "BEGMF 'chart'; ENDMF;\r\n"), "chart.CGM");
  ASSERT_NE(shown.Viewer, nullptr);
  EXPECT_TRUE(WaitFor([&] {
    return FindWindowExA(shown.Viewer, nullptr, kTextLibrary.WindowClass, nullptr) != nullptr;
  })) << "the drawing library declines it and the text viewer shows it";
  Close(shown);
}

TEST_F(Skimmet, ShowsEveryImageOfAnIconZoomedAndCopiesTheLargest) {
  // The pointer away from the button bar, whose descriptions could cover
  // the images that are counted on the screen.
  SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
  Shown shown = Show(dir_.Write("app.ico", IconFileBytes({{16, 16, 255, 0, 0, 255},
                                                          {32, 32, 0, 0, 255, 128},
                                                          {48, 48, 0, 160, 0, 255}})),
                     "app.ICO");
  ASSERT_NE(shown.Viewer, nullptr);
  HWND icons = FindWindowExA(shown.Viewer, nullptr, kIconLibrary.WindowClass, nullptr);
  ASSERT_NE(icons, nullptr) << "not shown by the icon library";
  EXPECT_EQ(ChildText(shown.Viewer, "ZRBUTTON"), "ICO, 3 images");
  PostMessageA(shown.Viewer, WM_COMMAND, 302, 0);  // Zoom > 2X
  RECT area;
  GetWindowRect(icons, &area);
  const auto redPixels = [&] {
    const std::vector<BYTE> pixels = ScreenPixels(area);
    int red = 0;
    for (size_t i = 0; i + 3 < pixels.size(); i += 4)
      red += pixels[i] == 0 && pixels[i + 1] == 0 && pixels[i + 2] == 255;
    return red;
  };
  ASSERT_TRUE(WaitFor([&] { return redPixels() == 32 * 32; }))
      << redPixels() << " red pixels, not the 16 x 16 image at 2X";
  Shot(shown.Viewer, "skimmet-icon.png");

  EmptyTheClipboard();
  // Sent, so that the copy is made before this process opens the clipboard.
  DWORD_PTR result;
  SendMessageTimeoutA(shown.Viewer, WM_COMMAND, 2, 0, SMTO_NORMAL, 10000, &result);  // Select All
  SendMessageTimeoutA(shown.Viewer, WM_COMMAND, 3, 0, SMTO_NORMAL, 10000, &result);  // Copy
  LONG copiedWidth = 0;
  ASSERT_TRUE(OpenClipboard(nullptr));
  if (HANDLE dib = GetClipboardData(CF_DIB)) {
    copiedWidth = static_cast<const BITMAPINFOHEADER*>(GlobalLock(dib))->biWidth;
    GlobalUnlock(dib);
  }
  CloseClipboard();
  EXPECT_EQ(copiedWidth, 48) << "the largest image";
  Close(shown);
}

TEST_F(Skimmet, SettingsKeepsWhetherViewerWindowsComeToTheTop) {
  Shown shown = Show(dir_.Write("notes.txt", "Settings\r\n"), "notes.TXT");
  ASSERT_NE(shown.Viewer, nullptr);
  EXPECT_EQ(IniValue(Ini(), "viewer", "autotop"), "00001") << "written by the first run";
  HWND settings = OpenDialog(shown, 470);
  ASSERT_NE(settings, nullptr) << "no Settings dialog";
  EXPECT_EQ(WindowText(settings), "Skimmet For Win 32");
  Shot(settings, "skimmet-settings.png");
  ASSERT_EQ(SendDlgItemMessageA(settings, 463, BM_GETCHECK, 0, 0), BST_CHECKED);
  SendDlgItemMessageA(settings, 463, BM_CLICK, 0, 0);  // "Bring view window to top"
  PostMessageA(settings, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(settings); }));
  EXPECT_EQ(IniValue(Ini(), "viewer", "autotop"), "00000");
  Close(shown);
}

TEST_F(Skimmet, LaunchOfAFileNoProgramOpensOffersToChooseOne) {
  Shown shown = Show(dir_.Write("notes.abc", "no program opens this\r\n"), "notes.ABC");
  ASSERT_NE(shown.Viewer, nullptr);
  HWND choose = OpenDialog(shown, 1);  // File > Launch
  ASSERT_NE(choose, nullptr) << "no NOASSOC dialog";
  EXPECT_EQ(WindowText(choose), "Skimmet For Win 32");
  EXPECT_TRUE(IsWindowEnabled(GetDlgItem(choose, 461))) << "the association is offered for .abc";
  Shot(choose, "skimmet-noassoc.png");
  PostMessageA(choose, WM_COMMAND, IDCANCEL, 0);
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(choose); }));
  Close(shown);
}

TEST_F(Skimmet, FontsChangesTheFontOfTheShownText) {
  Shown shown = Show(dir_.Write("notes.txt", "The font of these words changes.\r\n"), "notes.TXT");
  ASSERT_NE(shown.Viewer, nullptr);
  HWND text = FindWindowExA(shown.Viewer, nullptr, kTextLibrary.WindowClass, nullptr);
  ASSERT_NE(text, nullptr);
  RECT area;
  GetWindowRect(text, &area);
  area.bottom = area.top + 60;
  const std::vector<BYTE> before = ScreenPixels(area);
  HWND fonts = OpenDialog(shown, 103);
  ASSERT_NE(fonts, nullptr) << "no font dialog";
  // The first face of the list with several sizes (the prefix's Courier
  // has one), then its largest size.
  auto choose = [&](int combo, WPARAM index) {
    HWND list = GetDlgItem(fonts, combo);
    SendMessageA(list, CB_SETCURSEL, index, 0);
    SendMessageA(fonts, WM_COMMAND, MAKEWPARAM(combo, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
  };
  constexpr int kFaces = 0x470, kSizes = 0x472;  // cmb1, cmb3
  HWND sizes = GetDlgItem(fonts, kSizes);
  const LRESULT faces = SendDlgItemMessageA(fonts, kFaces, CB_GETCOUNT, 0, 0);
  LRESULT last = 0;
  for (LRESULT face = 0; face < faces && last < 1; ++face) {
    choose(kFaces, face);
    last = SendMessageA(sizes, CB_GETCOUNT, 0, 0) - 1;
  }
  ASSERT_GT(last, 0) << "no face with several sizes";
  choose(kSizes, last);
  PostMessageA(fonts, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(fonts); }));
  ASSERT_TRUE(WaitFor([&] { return ScreenPixels(area) != before; })) << "the text looks the same";
  Shot(shown.Viewer, "skimmet-fonts.png");
  Close(shown);
  EXPECT_GT(std::stoi("0" + IniValue(Ini(), "fonts", "points")), 8) << "kept at the end";
}

// The text viewer prints by itself, through its own print dialog; run with
// the test printer writing to $TARVO_PRINT_OUT (check_print.sh reads it).
TEST_F(Skimmet, PrintsATextFileOnTheTestPrinter) {
  if (!getenv("TARVO_PRINT_OUT")) GTEST_SKIP() << "run with the test printer's output file";
  const std::string out = WinePathOf(TARVO_PRINT_UNIX_DIR);
  CreateDirectoryA(out.c_str(), nullptr);
  CreateDirectoryA((out + "\\shell").c_str(), nullptr);
  DeleteFileA((out + "\\shell\\text.ps").c_str());
  const std::string lines = "Skimmet prints this line.\r\nAnd this one too.\r\n";
  ASSERT_TRUE(WriteFileText(out + "\\shell\\text.expected.txt",
                            "Skimmet prints this line.\nAnd this one too.\n\f"));
  Shown shown = Show(dir_.Write("print.txt", lines), "print.TXT");
  ASSERT_NE(shown.Viewer, nullptr);
  HWND print = OpenDialog(shown, 9);
  ASSERT_NE(print, nullptr) << "no print dialog";
  PostMessageA(print, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(print); }, 20000));
  ASSERT_TRUE(WaitForFile(out + "\\shell\\text.ps", 20000)) << "the printer wrote nothing";
  Close(shown);  // the job's file is complete once the program is gone
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
HWND OpenDialogTitled(const ProgramUnderTest& shell, HWND viewer, int command, const char* caption) {
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

  HWND dialog = OpenDialogTitled(shell, viewer, 6, "Skimmet for Win32 - Find");
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

  HWND dialog = OpenDialogTitled(shell, viewer, 6, "Skimmet for Win32 - Find");
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

  dialog = OpenDialogTitled(shell, viewer, 5, "Skimmet for Win32 - Go To");
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

// The copied listing's lines split at tabs.
std::vector<std::vector<std::string>> CellsOf(const std::string& copied) {
  std::vector<std::vector<std::string>> lines;
  size_t start = 0;
  for (size_t end; (end = copied.find("\r\n", start)) != std::string::npos; start = end + 2) {
    std::vector<std::string> cells;
    const std::string line = copied.substr(start, end - start);
    size_t from = 0;
    for (size_t tab; (tab = line.find('\t', from)) != std::string::npos; from = tab + 1)
      cells.push_back(line.substr(from, tab - from));
    cells.push_back(line.substr(from));
    lines.push_back(cells);
  }
  return lines;
}

TEST_F(Skimmet, ListsAZipASelfExtractingProgramAndAnLzhAndCopiesEachListing) {
  // With the names as the window shows them, in the ANSI code page.
  const std::vector<std::pair<TestEntry, std::string>> listed = {
      {{.Name = "readme.txt", .Packed = "Skimmet lists this entry", .Size = 4096}, "readme.txt"},
      {{.Name = "docs/", .Packed = "", .Method = 0, .Attributes = 0x10}, "docs/"},
      {{.Name = "docs/\x84rger.txt", .Packed = "OEM name", .Size = 100}, "docs/\xe4rger.txt"},
      {{.Name = "docs/Stra\xc3\x9f" "e.txt", .Packed = "UTF-8 name", .Method = 0, .Utf8 = true},
       "docs/Stra\xdf" "e.txt"},
  };
  std::vector<TestEntry> entries;
  for (const auto& [entry, shown] : listed) entries.push_back(entry);
  const std::string zip = ZipBytes(entries, {.Comment = "Made by the end-to-end test."});
  struct Case {
    const char* File;
    const char* Title;
    std::string Bytes;
    size_t Entries;
    const char* Status;
    const char* Shot;
  } cases[] = {
      {"made.zip", "made.ZIP", zip, 4, "ZIP archive, 4 entries", "skimmet-zip.png"},
      {"setup.exe", "setup.EXE", "MZ" + std::string(3000, '\x90') + zip, 4,
       "ZIP archive, 4 entries, self-extracting", nullptr},
      // LZH names have no UTF-8 mark: the last entry is left out.
      {"made.lzh", "made.LZH", LzhBytes({entries.begin(), entries.begin() + 3}, 2), 3,
       "LZH archive, 3 entries", "skimmet-lzh.png"},
  };
  for (const Case& c : cases) {
    Shown shown = Show(dir_.Write(c.File, c.Bytes), c.Title);
    ASSERT_NE(shown.Viewer, nullptr) << c.File;
    EXPECT_NE(FindWindowExA(shown.Viewer, nullptr, kArchiveLibrary.WindowClass, nullptr), nullptr)
        << c.File << " not listed by the archive library";
    EXPECT_TRUE(WaitFor([&] { return ChildText(shown.Viewer, "ZRBUTTON") == c.Status; }))
        << ChildText(shown.Viewer, "ZRBUTTON");
    if (c.Shot) Shot(shown.Viewer, c.Shot);
    DWORD_PTR result;
    SendMessageTimeoutA(shown.Viewer, WM_COMMAND, 2, 0, SMTO_NORMAL, 10000, &result);  // Select All
    const auto lines = CellsOf(Copied(shown.Viewer));
    ASSERT_EQ(lines.size(), c.Entries + 1) << c.File;
    EXPECT_EQ(lines[0][0], "Name");
    for (size_t i = 0; i < c.Entries; ++i) {
      const auto& [entry, name] = listed[i];
      const std::vector<std::string>& cells = lines[i + 1];
      ASSERT_EQ(cells.size(), 9u) << c.File << " " << name;
      EXPECT_EQ(cells[0], name) << c.File;
      EXPECT_EQ(cells[1], std::to_string(entry.SizeOf())) << c.File << " " << name;
      EXPECT_EQ(cells[2], std::to_string(entry.Packed.size())) << c.File << " " << name;
    }
    Close(shown);
  }
}

TEST_F(Skimmet, ShowsAFontNamedInTheStatusWithItsGlyphsAndGoesToACharacter) {
  SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
  const std::vector<uint8_t> bytes = MakeTestFont().Bytes;
  Shown shown = Show(dir_.Write("quadrat.ttf", std::string(bytes.begin(), bytes.end())), "quadrat.TTF");
  ASSERT_NE(shown.Viewer, nullptr);
  HWND font = FindWindowExA(shown.Viewer, nullptr, kFontLibrary.WindowClass, nullptr);
  ASSERT_NE(font, nullptr) << "not shown by the font library";
  EXPECT_EQ(ChildText(shown.Viewer, "ZRBUTTON"), "Quadrat Sans Regular, 4 glyphs");

  // Go To U+0041: its cell comes to the top left of the window, the
  // font's square in it.
  HWND dialog = OpenDialog(shown, 5);
  ASSERT_NE(dialog, nullptr);
  Type(GetDlgItem(dialog, 453), "41");
  EXPECT_TRUE(WaitFor([&] { return WindowText(GetDlgItem(dialog, 453)) == "41"; }));
  CloseDialog(dialog, IDOK);
  RECT cell;
  GetWindowRect(font, &cell);
  cell = {cell.left + 8, cell.top + 8, cell.left + 8 + 48, cell.top + 8 + 30};
  const COLORREF ink = GetSysColor(COLOR_WINDOWTEXT);
  const auto inkInCell = [&] {
    const std::vector<BYTE> pixels = ScreenPixels(cell);
    int count = 0;
    for (size_t i = 0; i + 3 < pixels.size(); i += 4) count += RGB(pixels[i + 2], pixels[i + 1], pixels[i]) == ink;
    return count;
  };
  EXPECT_TRUE(WaitFor([&] { return inkInCell() >= 15 * 20; })) << inkInCell() << " pixels of the square";
  Shot(shown.Viewer, "skimmet-font-cell.png");
  Close(shown);

  // Wine's own Tahoma, for a sample sheet worth looking at.
  const std::string tahoma = dir_ / "tahoma.ttf";
  if (CopyFileA("Z:\\usr\\share\\wine\\fonts\\tahoma.ttf", tahoma.c_str(), FALSE)) {
    shown = Show(tahoma, "tahoma.TTF");
    ASSERT_NE(shown.Viewer, nullptr);
    EXPECT_TRUE(WaitFor([&] { return ChildText(shown.Viewer, "ZRBUTTON") == "Tahoma Regular, 988 glyphs"; }))
        << ChildText(shown.Viewer, "ZRBUTTON");
    SetWindowPos(shown.Viewer, nullptr, 0, 0, 1000, 1000, SWP_NOZORDER);
    HWND sheet = FindWindowExA(shown.Viewer, nullptr, kFontLibrary.WindowClass, nullptr);
    RECT area;
    EXPECT_TRUE(WaitFor([&] { return GetClientRect(sheet, &area) && area.bottom > 900; }));
    GetWindowRect(sheet, &area);
    const auto inkShown = [&] {
      const std::vector<BYTE> pixels = ScreenPixels(area);
      int count = 0;
      for (size_t i = 0; i + 3 < pixels.size(); i += 4) count += RGB(pixels[i + 2], pixels[i + 1], pixels[i]) == ink;
      return count;
    };
    EXPECT_TRUE(WaitFor([&] { return inkShown() > 20000; })) << "the samples drawn: " << inkShown();
    Shot(shown.Viewer, "skimmet-font.png");
    PostMessageA(sheet, ZV_GOTO, 0, 'A');
    Shot(shown.Viewer, "skimmet-font-map.png");
    Close(shown);
  }
}

TEST_F(Skimmet, ShowsAProgramThatHoldsNoArchiveAsText) {
  Shown shown = Show(dir_.Write("tool.exe", "MZ just a program, no archive in it\r\n"), "tool.EXE");
  ASSERT_NE(shown.Viewer, nullptr);
  EXPECT_TRUE(WaitFor([&] {
    return FindWindowExA(shown.Viewer, nullptr, kTextLibrary.WindowClass, nullptr) != nullptr;
  })) << "the archive library declines it and the text viewer shows it";
  EXPECT_EQ(WaitForMessageBox(shown.Shell->processId(), "Error", "", 500), nullptr);
  Close(shown);
}

// The button bar seen from outside: its buttons with their places in the
// bar, and the tool tips of the viewer window's process that it owns.
struct BarSeen {
  HWND Bar = nullptr;
  std::vector<HWND> Buttons;
  std::vector<int> Lefts;
  HWND Tip = nullptr;
};

BarSeen SeeBar(HWND viewer) {
  BarSeen seen;
  seen.Bar = FindWindowExA(viewer, nullptr, "ZRBUTTON", nullptr);
  for (HWND b = FindWindowExA(seen.Bar, nullptr, "Button", nullptr); b;
       b = FindWindowExA(seen.Bar, b, "Button", nullptr)) {
    RECT r;
    GetWindowRect(b, &r);
    MapWindowPoints(nullptr, seen.Bar, reinterpret_cast<POINT*>(&r), 2);
    seen.Buttons.push_back(b);
    seen.Lefts.push_back(r.left);
  }
  for (HWND w = FindWindowExA(nullptr, nullptr, "tooltips_class32", nullptr); w;
       w = FindWindowExA(nullptr, w, "tooltips_class32", nullptr)) {
    if (GetWindow(w, GW_OWNER) == viewer) seen.Tip = w;
  }
  return seen;
}

void PointAt(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

TEST_F(Skimmet, TheButtonBarRunsSelectAllAndCopyAndExplainsItsButtons) {
  SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
  const std::string text = "The bar copies this.\r\nAnd this line too.";
  Shown shown = Show(dir_.Write("bar.txt", text), "bar.TXT");
  ASSERT_NE(shown.Viewer, nullptr);
  const BarSeen bar = SeeBar(shown.Viewer);
  ASSERT_EQ(bar.Buttons.size(), 12u);
  for (size_t i = 0; i < bar.Lefts.size(); ++i) EXPECT_EQ(bar.Lefts[i], 12 + 29 * static_cast<int>(i)) << i;
  ASSERT_NE(bar.Tip, nullptr);
  EXPECT_EQ(SendMessageA(bar.Tip, TTM_GETTOOLCOUNT, 0, 0), 12);

  EmptyTheClipboard();
  PostMessageA(bar.Buttons[2], BM_CLICK, 0, 0);  // Select All
  PostMessageA(bar.Buttons[1], BM_CLICK, 0, 0);  // Copy
  std::string copied;
  WaitFor([&] { return !(copied = ClipboardText()).empty(); });
  EXPECT_EQ(copied, text);
  Shot(shown.Viewer, "skimmet-button-bar.png");

  // The pointer resting on Copy: first its tool tip, then after a second
  // its description.
  SetForegroundWindow(shown.Viewer);
  PointAt(bar.Buttons[1]);
  EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(bar.Tip) != FALSE; })) << "no tool tip";
  Shot(shown.Viewer, "skimmet-tool-tip.png");
  HWND description = nullptr;
  EXPECT_TRUE(WaitFor([&] {
    description = FindWindowA("HTBUTTONDESC", nullptr);
    return description && IsWindowVisible(description);
  })) << "no description";
  if (description) {
    EXPECT_EQ(WindowText(description), "Copy");
    SendMessageA(bar.Tip, TTM_POP, 0, 0);  // the tool tip would cover it
    Shot(shown.Viewer, "skimmet-button-description.png");
  }
  SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);

  HWND customize = OpenDialog(shown, 102);
  ASSERT_NE(customize, nullptr);
  Shot(customize, "skimmet-customize-toolbar.png");
  PostMessageA(customize, WM_COMMAND, IDCANCEL, 0);
  EXPECT_TRUE(WaitFor([&] { return !IsWindow(customize); }));
  Close(shown);
}

TEST_F(Skimmet, AButtonSectionOfThreeEntriesGivesTwoButtonsAfterAGap) {
  for (const auto& [key, value] : {std::pair{"num", "00003"}, {"button1", "00000"}, {"button2", "00387"},
                                   {"button3", "02434"}}) {
    WritePrivateProfileStringA("mainbuttons", key, value, Ini().c_str());
  }
  Shown shown = Show(dir_.Write("two.txt", "two buttons\r\n"), "two.TXT");
  ASSERT_NE(shown.Viewer, nullptr);
  const BarSeen bar = SeeBar(shown.Viewer);
  EXPECT_EQ(bar.Lefts, (std::vector<int>{12, 41}));
  ASSERT_NE(bar.Tip, nullptr);
  EXPECT_EQ(SendMessageA(bar.Tip, TTM_GETTOOLCOUNT, 0, 0), 2);
  Close(shown);
}

// A table of staff as the test writes it, and the text its records make
// when copied: the heading line, then each record, tab-separated.
const std::vector<DbfColumn> kStaffFields = {
    {"NAME", 'C', 12}, {"ROOM", 'N', 4}, {"HIRED", 'D', 8}};
const std::vector<DbfRecord> kStaff = {{false, {"Ada Stone", "101", "19990301"}},
                                       {true, {"Ben Marsh", "7", "20010715"}},
                                       {false, {"Cleo Wren", "2200", "20240229"}},
                                       {false, {"Dev Hale", "", ""}}};
constexpr char kStaffCopied[] =
    "Del\tNAME C(12)\tROOM N(4)\tHIRED D(8)\r\n"
    "\tAda Stone\t101\t1999-03-01\r\n"
    "*\tBen Marsh\t7\t2001-07-15\r\n"
    "\tCleo Wren\t2200\t2024-02-29\r\n"
    "\tDev Hale\t\t\r\n";

TEST_F(Skimmet, ShowsADbfTableAsAGridAndCopiesEveryRecord) {
  Shown shown = Show(dir_.Write("staff.dbf", DbfFileBytes(kStaffFields, kStaff)), "staff.DBF");
  ASSERT_NE(shown.Viewer, nullptr);
  ASSERT_NE(FindWindowExA(shown.Viewer, nullptr, kDatabaseLibrary.WindowClass, nullptr), nullptr)
      << "not shown by the table library";
  EXPECT_EQ(ChildText(shown.Viewer, "ZRBUTTON"), "4 records");
  Shot(shown.Viewer, "skimmet-dbf.png");
  DWORD_PTR result;
  SendMessageTimeoutA(shown.Viewer, WM_COMMAND, 2, 0, SMTO_NORMAL, 10000, &result);  // Select All
  EXPECT_EQ(Copied(shown.Viewer), kStaffCopied);
  Close(shown);
}

TEST_F(Skimmet, GoToNamesTheRecordCountAndFindFindsACellOfATable) {
  Shown shown = Show(dir_.Write("staff.dbf", DbfFileBytes(kStaffFields, kStaff)), "staff.DBF");
  ASSERT_NE(shown.Viewer, nullptr);
  HWND dialog = OpenDialogTitled(*shown.Shell, shown.Viewer, 5, "Skimmet for Win32 - Go To");
  ASSERT_NE(dialog, nullptr);
  EXPECT_STRCASEEQ(DialogText(dialog, 454).c_str(), "staff.dbf contains 4 records.");
  Type(GetDlgItem(dialog, 453), "3");
  CloseDialog(dialog, IDOK);
  const std::string heading = "Del\tNAME C(12)\tROOM N(4)\tHIRED D(8)\r\n";
  const std::string third = heading + "\tCleo Wren\t2200\t2024-02-29\r\n";
  EXPECT_TRUE(WaitFor([&] { return Copied(shown.Viewer) == third; }))
      << "gone to record 3: " << Copied(shown.Viewer);

  dialog = OpenDialogTitled(*shown.Shell, shown.Viewer, 6, "Skimmet for Win32 - Find");
  ASSERT_NE(dialog, nullptr);
  SetDlgItemTextA(dialog, 451, "hale");
  PostMessageA(dialog, WM_COMMAND, IDOK, 0);
  CloseDialog(dialog, IDCANCEL);
  EXPECT_EQ(Copied(shown.Viewer), heading + "\tDev Hale\t\t\r\n")
      << "the record found is selected";
  Close(shown);
}

TEST_F(Skimmet, ShowsADocumentInACompoundFileAndCopiesItsText) {
  const Paragraphs letter = {"Dear committee,", "",
                             "The minutes of the meeting held on the third are attached; the "
                             "figures in the second table are those the treasurer read out.",
                             "Yours faithfully,\tR. Mendes"};
  const DocumentBytes doc = MakePieceTableDocument(letter);
  Shown shown = Show(dir_.Write("minutes.doc", std::string(doc.begin(), doc.end())), "minutes.DOC");
  ASSERT_NE(shown.Viewer, nullptr);
  ASSERT_NE(FindWindowExA(shown.Viewer, nullptr, kWordProLibrary.WindowClass, nullptr), nullptr)
      << "not shown by the document library";
  EXPECT_EQ(ChildText(shown.Viewer, "ZRBUTTON"), "Compound document, 4 paragraphs");
  Shot(shown.Viewer, "skimmet-document.png");
  DWORD_PTR result;
  SendMessageTimeoutA(shown.Viewer, WM_COMMAND, 2, 0, SMTO_NORMAL, 10000, &result);  // Select All
  EXPECT_EQ(Copied(shown.Viewer), letter[0] + "\r\n\r\n" + letter[2] + "\r\n" + letter[3]);
  Close(shown);
}

// The cells of the test's WK1 sheet as copied: the column letters, then
// each row's number and cells, tab-separated.
std::string Wk1Copied() {
  std::string text;
  for (char c = 'A'; c <= 'Z'; ++c) text += std::string("\t") + c;
  return text + "\tAA\tAB\r\n" + "1\tName\tTotal" + std::string(26, '\t') + "\r\n" +
         "2\t-42\t3.14\t12.5%\t($1,234.50)\t31-Dec-99" + std::string(23, '\t') + "\r\n" + "3" +
         std::string(28, '\t') + "\r\n" + "4" + std::string(28, '\t') + "\r\n" + "5\t\t\t7" +
         std::string(25, '\t') + "\r\n" + "6" + std::string(25, '\t') + "\t1,234.50\t25%\tMade\r\n";
}

TEST_F(Skimmet, ShowsAWk1SheetAsAGridAndCopiesEveryCell) {
  Shown shown = Show(dir_.Write("grades.wk1", sheet_bytes::Wk1Sheet()), "grades.WK1");
  ASSERT_NE(shown.Viewer, nullptr);
  ASSERT_NE(FindWindowExA(shown.Viewer, nullptr, kSpreadsheetLibrary.WindowClass, nullptr), nullptr)
      << "not shown by the sheet library";
  Shot(shown.Viewer, "skimmet-wk1.png");
  DWORD_PTR result;
  SendMessageTimeoutA(shown.Viewer, WM_COMMAND, 2, 0, SMTO_NORMAL, 10000, &result);  // Select All
  EXPECT_EQ(Copied(shown.Viewer), Wk1Copied());

  // Go To the last column's cell: the columns scroll under the row numbers
  // and that cell is current, framed, next to numbers at their cells' right.
  HWND dialog = OpenDialogTitled(*shown.Shell, shown.Viewer, 5, "Skimmet for Win32 - Go To");
  ASSERT_NE(dialog, nullptr);
  Type(GetDlgItem(dialog, 453), "ab6");
  CloseDialog(dialog, IDOK);
  EXPECT_TRUE(WaitFor([&] { return Copied(shown.Viewer) == "Made\r\n"; }))
      << "AB6 is current: " << Copied(shown.Viewer);
  Shot(shown.Viewer, "skimmet-wk1-scrolled.png");
  Close(shown);
}

TEST_F(Skimmet, ShowsAWorkbooksTwoSheetsAsPagesAndGoesToACell) {
  const std::string book = MakeCompound({{"Workbook", sheet_bytes::Biff8Book()}}).Bytes;
  Shown shown = Show(dir_.Write("BOOK.XLS", book), "BOOK.XLS");
  ASSERT_NE(shown.Viewer, nullptr);
  ASSERT_NE(FindWindowExA(shown.Viewer, nullptr, kSpreadsheetLibrary.WindowClass, nullptr), nullptr)
      << "not shown by the sheet library";
  Shot(shown.Viewer, "skimmet-xls.png");

  const std::string heading = "\tA\tB\tC\tD\r\n";
  DWORD_PTR result;
  SendMessageTimeoutA(shown.Viewer, WM_COMMAND, 2, 0, SMTO_NORMAL, 10000, &result);  // Select All
  EXPECT_EQ(Copied(shown.Viewer),
            heading + "1\tRegion\t\t\t\r\n2\tNorth\t17\t\t\r\n3\t\t\t\tContinued!\r\n4\tInline\t\t\t\r\n");

  HWND dialog = OpenDialogTitled(*shown.Shell, shown.Viewer, 5, "Skimmet for Win32 - Go To");
  ASSERT_NE(dialog, nullptr);
  EXPECT_STRCASEEQ(DialogText(dialog, 454).c_str(),
                   "BOOK.XLS has columns ranging from A - D and rows ranging from 1 - 4.");
  Type(GetDlgItem(dialog, 453), "a2");
  CloseDialog(dialog, IDOK);
  EXPECT_TRUE(WaitFor([&] { return Copied(shown.Viewer) == "North\r\n"; }))
      << "A2 is current: " << Copied(shown.Viewer);

  // The Page popup's second item (its menu cannot be read from another
  // process under Wine; the item's command shows the second sheet).
  PostMessageA(shown.Viewer, WM_COMMAND, 901 + 1, 0);
  EXPECT_TRUE(WaitFor([&] {
    SendMessageTimeoutA(shown.Viewer, WM_COMMAND, 2, 0, SMTO_NORMAL, 10000, &result);
    return Copied(shown.Viewer) ==
           "\tA\tB\tC\r\n1\tTRUE\t\t\r\n" + [] {
             std::string rows;
             for (int r = 2; r <= 9; ++r) rows += std::to_string(r) + "\t\t\t\r\n";
             return rows;
           }() + "10\t\t\t5000%\r\n";
  })) << Copied(shown.Viewer);
  Close(shown);
}

}  // namespace
