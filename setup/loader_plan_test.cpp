#include "setup/loader_plan.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
std::vector<std::string> Names(unsigned major) {
  auto libs = RuntimeLibraries(major);
  return {libs.begin(), libs.end()};
}
}  // namespace

TEST(RuntimeLibraries, BothBelowVersionFourOnlyTheRuntimeFromFourOn) {
  using V = std::vector<std::string>;
  EXPECT_EQ(Names(3), (V{"CTL3D32.DLL", "MSVCRT20.DLL"}));
  EXPECT_EQ(Names(0), (V{"CTL3D32.DLL", "MSVCRT20.DLL"}));
  EXPECT_EQ(Names(4), V{"MSVCRT20.DLL"});
  EXPECT_EQ(Names(5), V{"MSVCRT20.DLL"});
  EXPECT_EQ(Names(10), V{"MSVCRT20.DLL"});
}

TEST(LoaderDirOf, KeepsTheLastBackslashAndIsEmptyWithoutOne) {
  EXPECT_EQ(LoaderDirOf("A:\\Setup.exe"), "A:\\");
  EXPECT_EQ(LoaderDirOf("C:\\disk one\\sub\\Setup.exe"), "C:\\disk one\\sub\\");
  EXPECT_EQ(LoaderDirOf("\\\\server\\share\\Setup.exe"), "\\\\server\\share\\");
  EXPECT_EQ(LoaderDirOf("Setup.exe"), "");
  EXPECT_EQ(LoaderDirOf("C:Setup.exe"), "");
  EXPECT_EQ(LoaderDirOf(""), "");
}

TEST(JoinPath, JoinsOrCutsWithinTheBuffer) {
  char out[13];
  EXPECT_TRUE(JoinPath(out, sizeof out, "C:\\dir\\", "A.DLL"));
  EXPECT_STREQ(out, "C:\\dir\\A.DLL");
  EXPECT_FALSE(JoinPath(out, sizeof out, "C:\\dir\\", "LONG.DLL"));
  EXPECT_STREQ(out, "C:\\dir\\LONG.");
  EXPECT_FALSE(JoinPath(out, sizeof out, "C:\\a long directory\\", "X"));
  EXPECT_STREQ(out, "C:\\a long di");
}

TEST(FormatStartFailure, CodeOnTheFirstLinePathOnTheSecond) {
  char out[260];
  FormatStartFailure(out, sizeof out, 2, "C:\\disk\\TRUSetup.exe");
  EXPECT_STREQ(out, "Error 2: Cannot execute\nC:\\disk\\TRUSetup.exe");
  FormatStartFailure(out, sizeof out, 4294967295UL, "");
  EXPECT_STREQ(out, "Error 4294967295: Cannot execute\n");
  char small[16];
  FormatStartFailure(small, sizeof small, 193, "C:\\x");
  EXPECT_STREQ(small, "Error 193: Cann");
}
