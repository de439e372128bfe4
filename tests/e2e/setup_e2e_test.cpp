// Save Options and Save Setup through their dialogs in a running TARVO.EXE,
// the profile file they leave, and a restart with the setup's name that
// shows its format, colours and title line.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <functional>
#include <map>
#include <string>

#include "tests/e2e/screen_shot.h"
#include "tests/support/program_under_test.h"
#include "tests/support/remote_viewer.h"
#include "tests/support/temp_folder.h"
#include "tests/support/window_polling.h"
#include "viewer/resources/resource_ids.h"

namespace {
using Keys = std::map<std::string, std::string>;

Keys SectionKeys(const std::string& profile, const char* section) {
  char text[4096] = "";
  GetPrivateProfileSectionA(section, text, sizeof text, profile.c_str());
  Keys keys;
  for (const char* p = text; *p; p += std::strlen(p) + 1) {
    std::string line = p;
    const size_t eq = line.find('=');
    keys[line.substr(0, eq)] = line.substr(eq + 1);
  }
  return keys;
}

// The display options of a profile that named only the Hex format.
Keys HexDisplayKeys() {
  return {{"Options0", "544"},  {"Options1", "3"},     {"Options2", "1"},
          {"Format", "1"},      {"CharCode", "0"},     {"LineLength", "127"},
          {"TabLength", "8"},   {"VertScroll", "2"},   {"HorzScroll", "0"},
          {"EscExit", "0"},     {"SavePos", "0"},      {"Font", "Courier New,10"},
          {"FontWeight", "0"},  {"FontItalic", "0"},   {"FreezeColumns", "0"},
          {"DetectCode", "1"}};
}

// Pixels of one colour (0x00BBGGRR) in a row of the window's client area.
int PixelsInRow(HWND hwnd, int y, COLORREF color) {
  RECT client;
  GetClientRect(hwnd, &client);
  POINT origin{0, y};
  ClientToScreen(hwnd, &origin);
  const RECT row{origin.x, origin.y, origin.x + client.right, origin.y + 1};
  const std::vector<BYTE> pixels = ScreenPixels(row);
  int count = 0;
  for (size_t i = 0; i + 3 < pixels.size(); i += 4)
    count += RGB(pixels[i + 2], pixels[i + 1], pixels[i]) == color;
  return count;
}

class SetupE2E : public ::testing::Test {
 protected:
  void SetUp() override {
    exe_ = dir_.path() + "\\TARVO.EXE";
    ASSERT_TRUE(CopyFileA(WinePathOf(TARVO_EXE_UNIX_PATH).c_str(), exe_.c_str(), FALSE));
    profile_ = dir_.Write("TARVO.INI",
                          "[Tarvo Setup]\nMasterProfile=1\n[Tarvo]\nFormat=1\n"
                          "WindowPos=20,20,400,600\n[Tarvo Colors]\nWindowBgnd=65280\n"
                          "HeadingBgnd=16711680\n[Titles]\nTitles=1\nTitle1=FROZEN TITLE\n");
    std::string text;
    for (int i = 0; i < 100; ++i) text += "setup line " + std::to_string(i) + "\r\n";
    dir_.Write("lines.txt", text);
  }
  // Opens a dialog with a command, lets act fill it in, and presses its Save.
  void SaveThrough(HWND main, const ProgramUnderTest& tarvo, int command,
                   const std::function<void(HWND)>& act) {
    PostMessageA(main, WM_COMMAND, command, 0);
    HWND dialog = tarvo.WaitForWindow("#32770");
    ASSERT_NE(dialog, nullptr);
    act(dialog);
    SendMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }));
    ASSERT_TRUE(RemoteViewer(main).Send(WM_NULL, 0));  // the command has returned
  }

  TempFolder dir_;
  std::string exe_, profile_;
};
}  // namespace

TEST_F(SetupE2E, SavedOptionsAndSetupAreStoredAndTheSetupComesBackWithSwitchV) {
  {
    ProgramUnderTest tarvo(exe_, "lines.txt", dir_.path());
    HWND main = tarvo.WaitForWindow("TARVO");
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(WaitFor([&] { return WindowText(main) == "Tarvo - lines.txt"; }));
    // Opens with Format, Titles and Colors checked, the printer groups grey.
    SaveThrough(main, tarvo, IDM_SAVE_OPTIONS, [](HWND) {});
    SaveThrough(main, tarvo, IDM_SAVE_SETUP, [](HWND dialog) {
      SetDlgItemTextA(dialog, IDC_SETUP_NAME, "e2e");
      SendMessageA(GetDlgItem(dialog, IDC_SETUP_COLORS), BM_CLICK, 0, 0);  // with Format, Titles
    });
    PostMessageA(main, WM_CLOSE, 0, 0);
    ASSERT_EQ(tarvo.WaitForExit(), 0);
  }
  Keys display = HexDisplayKeys();
  display["WindowPos"] = "20,20,400,600";  // not rewritten: SavePos is off
  EXPECT_EQ(SectionKeys(profile_, "Tarvo"), display);
  EXPECT_EQ(SectionKeys(profile_, "Titles"), (Keys{{"Titles", "1"}, {"Title1", "FROZEN TITLE"}}));
  EXPECT_EQ(SectionKeys(profile_, "Tarvo Colors"),
            (Keys{{"WindowBgnd", "65280"}, {"HeadingBgnd", "16711680"}}));
  Keys setup = HexDisplayKeys();
  setup.insert({{"WindowBgnd", "65280"}, {"HeadingBgnd", "16711680"}, {"Titles", "1"},
                {"Title1", "FROZEN TITLE"}, {"SaveOptions", "771"}});
  EXPECT_EQ(SectionKeys(profile_, "Setup: e2e"), setup);
  EXPECT_EQ(SectionKeys(profile_, "Setup List"), (Keys{{"Setup1", "e2e"}}));

  // The defaults say Text, default colours and no titles; the setup says otherwise.
  WritePrivateProfileStringA("Tarvo", "Format", "0", profile_.c_str());
  WritePrivateProfileStringA("Tarvo Colors", nullptr, nullptr, profile_.c_str());
  WritePrivateProfileStringA("Titles", nullptr, nullptr, profile_.c_str());
  ProgramUnderTest tarvo(exe_, "-Ve2e lines.txt", dir_.path());
  HWND main = tarvo.WaitForWindow("TARVO");
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(WaitFor([&] { return WindowText(main) == "Tarvo - lines.txt"; }));
  RemoteViewer viewer(main);
  ASSERT_TRUE(viewer.Send(WM_NULL, 0));
  RECT client;
  GetClientRect(main, &client);
  ASSERT_TRUE(WaitFor([&] { return PixelsInRow(main, 2, 0xFF0000) > 0; }))
      << "the title row in the setup's heading background";
  // The caption comes before the file's lines are read and painted.
  EXPECT_TRUE(WaitFor([&] { return PixelsInRow(main, client.bottom / 2, 0x00FF00) > 0; }))
      << "text in its background";
  const std::string shots = WinePathOf(TARVO_SHOTS_UNIX_PATH);
  CreateDirectoryA(shots.c_str(), nullptr);
  SaveWindowShot(main, shots + "\\setup.png");
  viewer.Send(WM_COMMAND, IDM_SELECT_ALL);
  const std::string copied = viewer.Copied();
  EXPECT_EQ(copied.rfind("000000  73657475 ", 0), 0u) << "Hex Dump, as the setup says: " << copied;
  PostMessageA(main, WM_CLOSE, 0, 0);
  EXPECT_EQ(tarvo.WaitForExit(), 0);
}
