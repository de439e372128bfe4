#include "shell/core/command_line_path.h"

#include <gtest/gtest.h>

namespace {

TEST(CommandLinePath, AQuotedNameLosesItsQuotesAnythingElseIsTakenWhole) {
  const std::pair<const char*, const char*> cases[] = {
      {"\"C:\\my files\\notes.txt\"", "C:\\my files\\notes.txt"},
      {"  \"C:\\a b.txt\" ", "C:\\a b.txt"},
      {"\"C:\\unclosed name", "C:\\unclosed name"},
      {"C:\\my files\\notes.txt", "C:\\my files\\notes.txt"},
      {"", ""},
  };
  for (const auto& [line, path] : cases) EXPECT_EQ(CommandLinePath(line), path) << line;
}

}  // namespace
