#include "viewer/buffer/program_error.h"

#include <algorithm>
#include <cinttypes>
#include <cstdarg>
#include <cstdio>

uint16_t AppendMessageLine(LineTable& table, TextArena& arena, const char* format, ...) {
  if (!table.Entries || table.Acur < 0 || table.Acur >= table.Acnt - 1) return ST_FAILED;
  if (!arena.Base || arena.Tend < 0 || arena.Tend >= arena.Tlen) return ST_FAILED;
  int32_t room = arena.Tlen - arena.Tend;
  va_list args;
  va_start(args, format);
  // Formatted aside: the arena holds no terminator.
  char line[256];
  int n = std::vsnprintf(line, sizeof line, format, args);
  va_end(args);
  int32_t length = std::clamp<int32_t>(n, 0, std::min<int32_t>(room, sizeof line - 1));
  std::copy(line, line + length, arena.Base + arena.Tend);
  table.Entries[table.Acur] = LineEntry{1, arena.Tend, length, 0, 0};
  arena.Tend += length;
  table.Afirst = std::min(table.Afirst, table.Acur);
  ++table.Acur;
  table.Alast = std::max(table.Alast, table.Acur);
  return 0;
}

void ReportProgramError(uint16_t status, const char* programName, const FileRef& file,
                        LineTable& table, TextArena& arena) {
  const int acnt = table.Acnt, afirst = table.Afirst, alast = table.Alast, acur = table.Acur;
  const int32_t tlen = arena.Tlen, tend = arena.Tend;
  arena.Tend = 0;
  table.Afirst = table.Acur = table.Alast = 0;
  if (!table.Entries || table.Acnt < 1) return;
  const char* rule = "*****************************************";
  AppendMessageLine(table, arena, "%s", rule);
  AppendMessageLine(table, arena, "* PROGRAM ERROR OCCURRED");
  AppendMessageLine(table, arena, "* Please note the following information:");
  AppendMessageLine(table, arena, "* Status=%X", status);
  AppendMessageLine(table, arena, "* Acnt=%d, Afirst=%d, Alast=%d, Acur=%d", acnt, afirst, alast,
                    acur);
  AppendMessageLine(table, arena, "* Fcur=%" PRId64 ", Flen=%" PRId64, file.Fcur, file.Flen);
  AppendMessageLine(table, arena, "* Tlen=%ld, Tend=%ld", static_cast<long>(tlen),
                    static_cast<long>(tend));
  AppendMessageLine(table, arena, "* Press [Home] to get back to %s", programName);
  AppendMessageLine(table, arena, "%s", rule);
  AppendMessageLine(table, arena, " ");
  table.Entries[table.Acur] = LineEntry{file.Flen, 0, -1, 0, 0};
  for (int i = 0; i <= table.Alast; ++i) table.Entries[i].Flags |= LF_MESSAGE;
  table.Acur = 0;
}
