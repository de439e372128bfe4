#include "win32/file_names_win32.h"

#include <gtest/gtest.h>
#include <windows.h>

// What a printed heading gets: ANSI names as they are, a marked name in the
// code page with "?" for what it lacks (on a Western system here).
TEST(FileNames, AnsiTextOfPlainAndMarkedNames) {
  EXPECT_EQ(AnsiText("C:\\logs\\app.log"), "C:\\logs\\app.log");
  if (GetACP() != 1252) GTEST_SKIP() << "the system's code page is not Western";
  EXPECT_EQ(AnsiText("C:\\<utf8>\xD0\xB6\xD1\x83 caf\xC3\xA9.txt"), "C:\\?? caf\xE9.txt");
}
