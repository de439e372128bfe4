#include "tarvodde/client_args.h"

#include <gtest/gtest.h>

TEST(ClientArgs, ExecuteStringsWaitsAndStandardInput) {
  const struct {
    const char* line;
    bool usable;
    int wait;
    bool stdinput;
    const char* execute;
  } cases[] = {
      {"TARVODDE.EXE \"[Open \"\"C:\\logs\\a b.log\"\"][Find error All]\"", true, 0, false,
       "[Open \"C:\\logs\\a b.log\"][Find error All]"},
      {"\"C:\\Program Files\\TARVODDE.EXE\" [Find abc] [Exit]", true, 0, false,
       "[Find abc] [Exit]"},
      {"tarvodde -w 30 [Display Hex]", true, 30, false, "[Display Hex]"},
      {"tarvodde /W 5 -", true, 5, true, ""},
      {"tarvodde", true, 0, true, ""},
      {"tarvodde   ", true, 0, true, ""},
      {"tarvodde -w", false, 0, false, ""},
      {"tarvodde -w soon [Exit]", false, 0, false, ""},
      {"tarvodde -w -1 [Exit]", false, 0, false, ""},
      {"tarvodde \"\"", false, 0, false, ""},
      {"tarvodde \"[Open \"a b\"]\"", true, 0, false, "[Open a b]"},
      // Quotes escaped by backslashes, as Wine passes a Unix shell's argument.
      {"tarvodde \"[Open \\\"C:\\logs\\app server.log\\\"][Display Hex]\"", true, 0, false,
       "[Open \"C:\\logs\\app server.log\"][Display Hex]"},
      {"tarvodde \"[Open \\\"C:\\logs\\\\\\\"]\"", true, 0, false, "[Open \"C:\\logs\\\"]"},
      {"tarvodde [Open C:\\a\\b.txt]", true, 0, false, "[Open C:\\a\\b.txt]"},
      {"tarvodde a\\\\\\\\\"b c\"", true, 0, false, "a\\\\b c"},
      // Split as the runtime splits it for main() under Wine.
      {"tarvodde \"a\"\"b c\" a\\\\\\\"b \"c\\\\\" d", true, 0, false, "a\"b c a\\\"b c\\ d"},
  };
  for (const auto& c : cases) {
    const ClientArgs a = ParseClientArgs(c.line);
    EXPECT_EQ(a.Usable, c.usable) << c.line;
    EXPECT_FALSE(a.Help) << c.line;
    if (!c.usable) continue;
    EXPECT_EQ(a.WaitSeconds, c.wait) << c.line;
    EXPECT_EQ(a.FromStdin, c.stdinput) << c.line;
    EXPECT_EQ(a.Execute, c.execute) << c.line;
  }
}

TEST(ClientArgs, HelpOptionsAskForTheUsage) {
  for (const char* line : {"tarvodde -h", "tarvodde --help", "tarvodde /?", "tarvodde /? [Exit]"}) {
    const ClientArgs a = ParseClientArgs(line);
    EXPECT_TRUE(a.Help) << line;
    EXPECT_FALSE(a.Usable) << line;
  }
}
