#include "shell/core/command_line_path.h"

#include "common/quoted_name.h"

std::string_view CommandLinePath(const char* line) {
  const char* at = line;
  while (*at == ' ' || *at == '\t') ++at;
  if (*at != '"') return line;
  return ReadQuotedName(at);
}
