#include "shell/core/launch_rules.h"

#include <gtest/gtest.h>

TEST(LaunchRules, TheExtensionStartsAfterTheFirstDotOfTheWholePath) {
  const struct {
    const char* path;
    const char* extension;
  } cases[] = {
      {"C:\\DOCS\\notes.abc", "abc"},
      {"C:\\MY.DIR\\notes.abc", "DIR\\notes.abc"},  // a dot in a folder's name comes first
      {"C:\\DOCS\\archive.tar.gz", "tar.gz"},
      {"C:\\DOCS\\README", ""},
      {"C:\\DOCS\\trailing.", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(AssociationExtension(c.path), c.extension) << c.path;
}

TEST(LaunchRules, APickedProgramRunsInItsFolderAndIsRecordedWithItsArgument) {
  EXPECT_EQ(AssociationCommand("C:\\TOOLS\\EDIT.EXE"), "C:\\TOOLS\\EDIT.EXE %1");
  EXPECT_EQ(LaunchArgument("C:\\DOCS\\notes.abc"), "C:\\DOCS\\notes.abc");
  EXPECT_EQ(LaunchArgument("C:\\MY DOCS\\notes.abc"), "\"C:\\MY DOCS\\notes.abc\"");
  EXPECT_EQ(ProgramFolder("C:\\TOOLS\\EDIT.EXE"), "C:\\TOOLS");
  EXPECT_EQ(ProgramFolder("C:\\EDIT.EXE"), "C:\\");
  EXPECT_EQ(ProgramFolder("EDIT.EXE"), "");
}
