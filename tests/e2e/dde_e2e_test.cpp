// TARVODDE.EXE driving a TARVO.EXE started with /D: opening, the hex dump,
// finding and marking, the answers for bad and oversized strings, queued
// commands, and Ignore DDE.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "tests/e2e/screen_shot.h"
#include "tests/support/program_under_test.h"
#include "tests/support/remote_viewer.h"
#include "tests/support/temp_folder.h"
#include "tests/support/window_polling.h"
#include "viewer/resources/resource_ids.h"

namespace {
constexpr COLORREF kTagBackground = 0x0000FF;  // red, from the test's profile

class DdeE2E : public ::testing::Test {
 protected:
  void SetUp() override {
    exe_ = dir_.path() + "\\TARVO.EXE";
    ASSERT_TRUE(CopyFileA(WinePathOf(TARVO_EXE_UNIX_PATH).c_str(), exe_.c_str(), FALSE));
    dir_.Write("TARVO.INI", "[Tarvo Setup]\nMasterProfile=1\n[Tarvo Colors]\nTagBgnd=255\n");
  }
  // Starts the viewer with /D and no file, and waits for its server.
  HWND StartViewer(ProgramUnderTest& tarvo) {
    HWND main = tarvo.WaitForWindow("TARVO");
    if (main && Client("-w 20 [DDE]") != 0) return nullptr;
    return main;
  }
  // Runs the client; its exit code.
  int Client(const std::string& arguments) {
    ProgramUnderTest client(BuiltProgram("TARVODDE.EXE"), arguments, dir_.path());
    return client.WaitForExit(60000);
  }
  std::string Quoted(const std::string& execute) {
    std::string q = "\"";
    for (char c : execute) q += c == '"' ? std::string("\"\"") : std::string(1, c);
    return q + "\"";
  }

  TempFolder dir_;
  std::string exe_;
};

// Rows of the client area painted in a colour at its left edge, counted as
// separate runs (one per line when no two such lines are next to each other).
int ColouredRuns(HWND hwnd, COLORREF color) {
  RECT client;
  GetClientRect(hwnd, &client);
  POINT origin{1, 0};
  ClientToScreen(hwnd, &origin);
  const std::vector<BYTE> pixels =
      ScreenPixels(RECT{origin.x, origin.y, origin.x + 1, origin.y + client.bottom});
  int runs = 0;
  bool inside = false;
  for (size_t i = 0; i + 3 < pixels.size(); i += 4) {
    const bool match = RGB(pixels[i + 2], pixels[i + 1], pixels[i]) == color;
    runs += match && !inside;
    inside = match;
  }
  return runs;
}
}  // namespace

TEST_F(DdeE2E, OpenHexAndMarkAllTagEveryCrLfPair) {
  std::string text;  // every other line ends in CR LF
  for (int i = 0; i < 10; ++i) text += "line " + std::to_string(i) + (i % 2 ? "\r\n" : "\n");
  const std::string file = dir_.Write("two ends.txt", text);
  ProgramUnderTest tarvo(exe_, "/D", dir_.path());
  HWND main = StartViewer(tarvo);
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(Client(Quoted("[Open \"" + file + "\"][Display Hex][Find 0D0A Hex All]")), 0);
  EXPECT_EQ(WindowText(main), "Tarvo - two ends.txt") << "a quoted name with a blank";
  EXPECT_EQ(Client("[Display Text]"), 0);
  RemoteViewer viewer(main);
  ASSERT_TRUE(viewer.Send(WM_NULL, 0));
  UpdateWindow(main);
  EXPECT_TRUE(WaitFor([&] { return ColouredRuns(main, kTagBackground) == 5; }))
      << ColouredRuns(main, kTagBackground) << " tagged lines";

  EXPECT_EQ(Client(Quoted("[Open \"no\"\"such.txt\"]")), 1) << "a missing file: not processed";
  EXPECT_EQ(WindowText(main), "Tarvo - two ends.txt");
  // Quotes escaped by backslashes, as a program that quotes by the C
  // runtime's rules passes them (Wine does so from a Unix shell).
  const std::string other = dir_.Write("other name.txt", "other\r\n");
  EXPECT_EQ(Client("\"[Open \\\"" + other + "\\\"][Display Hex]\""), 0);
  EXPECT_EQ(WindowText(main), "Tarvo - other name.txt");
  PostMessageA(main, WM_CLOSE, 0, 0);
  EXPECT_EQ(tarvo.WaitForExit(), 0);
}

TEST_F(DdeE2E, FindCaseTopAndQueuedCommands) {
  const std::string file = dir_.Write("abc.txt", "one ABC\r\ntwo abc\r\nthree abc\r\n");
  ProgramUnderTest tarvo(exe_, "/D abc.txt", dir_.path());
  HWND main = StartViewer(tarvo);
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(WaitFor([&] { return WindowText(main) == "Tarvo - abc.txt"; }));
  RemoteViewer viewer(main);
  EXPECT_EQ(Client("[find abc case top]"), 0);
  ASSERT_TRUE(viewer.Send(WM_NULL, 0));  // the posted Find Next has run
  EXPECT_EQ(viewer.Copied(), "abc\r\n") << "case-sensitive: not the ABC of the first line";

  // Refused as a whole: 257 bytes, an unknown command before Exit.
  EXPECT_EQ(Client(Quoted("[DDE " + std::string(249, 'x') + "]")), 0) << "256 bytes with the NUL";
  EXPECT_EQ(Client(Quoted("[DDE " + std::string(250, 'x') + "]")), 1);
  EXPECT_EQ(Client("[Launch][Exit]"), 1);
  EXPECT_EQ(Client("[Setup " + std::string(57, 'n') + "][Exit]"), 1) << "too long for a setup";
  ASSERT_TRUE(viewer.Send(WM_NULL, 0));
  EXPECT_TRUE(IsWindow(main)) << "Exit after a refused command never ran";

  EXPECT_EQ(Client("[Find abc][Exit]"), 0);  // queued in that order: Find Next, then Exit
  EXPECT_EQ(tarvo.WaitForExit(), 0);
}

TEST_F(DdeE2E, IgnoreDdeStopsAndRestartsTheServer) {
  ProgramUnderTest tarvo(exe_, "/D", dir_.path());
  HWND main = StartViewer(tarvo);
  ASSERT_NE(main, nullptr);
  RemoteViewer viewer(main);
  ASSERT_TRUE(viewer.Send(WM_COMMAND, IDM_IGNORE_DDE));
  EXPECT_EQ(Client("[DDE]"), 2) << "no server while DDE is ignored";
  for (const char* help : {"-h", "--help", "/?"}) EXPECT_EQ(Client(help), 0) << help;
  ASSERT_TRUE(viewer.Send(WM_COMMAND, IDM_IGNORE_DDE));
  EXPECT_EQ(Client("[Exit]"), 0);
  EXPECT_EQ(tarvo.WaitForExit(), 0);
}
