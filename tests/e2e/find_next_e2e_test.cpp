// Find Next in the running TARVO.EXE, on a file of a few megabytes, with the
// search taken from the profile's recent texts (no dialog involved).
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "tests/support/program_under_test.h"
#include "tests/support/temp_folder.h"
#include "tests/support/window_polling.h"
#include "viewer/resources/resource_ids.h"

namespace {
std::string ClipboardText() {
  std::string text;
  if (!OpenClipboard(nullptr)) return "(clipboard busy)";
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    if (auto* p = static_cast<const char*>(GlobalLock(data))) text = p;
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

void EmptyTheClipboard() {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  CloseClipboard();
}

// Numbered lines of 32 bytes; one line near the end holds the marker.
std::string LinesWithMarkerNearTheEnd(int lines, const char* marker) {
  std::string text;
  text.reserve(static_cast<size_t>(lines) * 32);
  char line[40];
  for (int i = 0; i < lines; ++i) {
    const char* words = i == lines - 3 ? marker : "plain words only";
    std::snprintf(line, sizeof line, "%08d %-21.21s\r\n", i, words);
    text += line;
  }
  return text;
}

bool Command(HWND main, int id, DWORD timeoutMs = 60000) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutA(main, WM_COMMAND, id, 0, SMTO_NORMAL, timeoutMs, &result) != 0;
}
}  // namespace

TEST(FindNextEndToEnd, F3AtStartUpFindsTheStoredTextNearTheEndIgnoringCase) {
  TempFolder dir;
  std::string exe = dir.path() + "\\TARVO.EXE";
  ASSERT_TRUE(CopyFileA(WinePathOf(TARVO_EXE_UNIX_PATH).c_str(), exe.c_str(), FALSE));
  std::string profile = dir.Write("TARVO.INI",
                                  "[Tarvo Setup]\nMasterProfile=1\n"
                                  "[MRU Search]\nTexts=1\nText1=zephyr notes\n");
  const int lines = 128 * 1024;  // 4 MiB
  dir.Write("big.txt", LinesWithMarkerNearTheEnd(lines, "Zephyr Notes here"));

  ProgramUnderTest tarvo(exe, "big.txt", dir.path());
  ASSERT_TRUE(tarvo.started());
  HWND main = tarvo.WaitForWindow("TARVO");
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(WaitFor([&] { return WindowText(main) == "Tarvo - big.txt"; })) << WindowText(main);
  EmptyTheClipboard();

  ASSERT_TRUE(Command(main, IDM_FIND_NEXT)) << "Find Next did not return";
  ASSERT_TRUE(Command(main, IDM_COPY));
  // Copy gives the line from the selection's start.
  EXPECT_EQ(ClipboardText(), "Zephyr Notes here    \r\n") << "the selection starts at the match";
  // Nothing after it: the selection goes, and the next Find Next starts over.
  EmptyTheClipboard();
  ASSERT_TRUE(Command(main, IDM_FIND_NEXT));
  ASSERT_TRUE(Command(main, IDM_COPY));
  EXPECT_EQ(ClipboardText(), "");
  ASSERT_TRUE(Command(main, IDM_FIND_NEXT));
  ASSERT_TRUE(Command(main, IDM_COPY));
  EXPECT_EQ(ClipboardText(), "Zephyr Notes here    \r\n");

  PostMessageA(main, WM_CLOSE, 0, 0);
  EXPECT_EQ(tarvo.WaitForExit(), 0);
  char stored[40] = "";
  GetPrivateProfileStringA("MRU Search", "Text1", "", stored, sizeof stored, profile.c_str());
  EXPECT_STREQ(stored, "zephyr notes");
}
