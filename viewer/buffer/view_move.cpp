#include "viewer/buffer/view_move.h"

#include <algorithm>

#include "viewer/buffer/formatters.h"
#include "viewer/buffer/line_buffer.h"
#include "viewer/buffer/page_padding.h"
#include "viewer/buffer/program_error.h"

namespace {
bool IndexesValid(const LineTable& t) {
  return t.Entries && t.Afirst >= 0 && t.Afirst <= t.Alast && t.Alast < t.Acnt;
}
}  // namespace

MovePlan PlanMove(MoveKind kind, int32_t delta, FileOffset target, const FileRef& file,
                  LineTable& table, int linesPerScreen) {
  MovePlan plan;
  plan.Target = target;
  if (!IndexesValid(table)) {  // nothing to move in: build afresh
    plan.Target = std::max<FileOffset>(target, 0);
    plan.Refill = true;
    return plan;
  }
  const LineEntry* e = table.Entries;
  if (kind == MOVE_SHOWOFFSET && table.Acur >= table.Afirst && table.Acur <= table.Alast)
    plan.Remembered = e[table.Acur].Offset;
  int top = table.Acur;
  if (target >= 0 && kind != MOVE_GOTOBYTE && target >= e[table.Afirst].Offset &&
      target <= e[table.Alast].Offset) {
    int i = table.Alast;
    while (i > table.Afirst && e[i].Offset > target) --i;
    top = i - 1;
    delta = 1;
    plan.Target = -1;
  }
  plan.Refill = true;
  if (plan.Target < 0) {
    const bool reachesEnd = e[table.Alast].Offset == file.Flen;
    top = static_cast<int>(std::clamp<int64_t>(static_cast<int64_t>(top) + delta, -32768, 32767));
    if (top < table.Afirst && e[table.Afirst].Offset == 0) top = table.Afirst;
    if (top >= table.Alast && reachesEnd) top = std::max<int>(table.Afirst, table.Alast - 1);
    if (top >= table.Afirst && (top + linesPerScreen < table.Alast || reachesEnd)) delta = 0;
    if (delta == 0 && kind == MOVE_SHOWOFFSET) plan.Refill = false;
    if (!plan.Refill) table.Acur = static_cast<int16_t>(top);
  }
  plan.Top = top;
  return plan;
}

uint16_t RefillView(const MovePlan& plan, const RefillSettings& s, FileRef& file, LineTable& table,
                    TextArena& arena, TagList* tags) {
  uint16_t status =
      LoadLinesAround(plan.Target, plan.Top, s.LinesPerScreen, s.LineLength, file, table, arena,
                      tags, FormatterFor(s.Format), s.Flags, s.TabLength);
  if ((status & ST_FAILED) || table.Acur < table.Afirst || table.Acur > table.Alast) {
    ReportProgramError(status, s.ProgramName, file, table, arena);
    return status | ST_FAILED;
  }
  if (s.PadPageLength > 0) PadPages(table, arena.Base, s.PadPageLength, file.Flen);
  return status;
}

int ScrollAfterMove(const LineTable& t, FileOffset remembered) {
  if (remembered < 0 || !IndexesValid(t)) return 0;
  if (t.Acur <= t.Alast && (t.Entries[t.Acur].Flags & LF_MESSAGE)) return 0;
  if (t.Afirst < t.Acur && t.Acur <= t.Alast && t.Entries[t.Acur - 1].Offset == remembered)
    return 1;
  if (t.Acur >= t.Afirst && t.Acur < t.Alast - 1 && t.Entries[t.Acur + 1].Offset == remembered)
    return -1;
  return 0;
}
