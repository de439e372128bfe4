// How the main view moves: whether the lines in the table already hold the
// new screen or the table must be refilled, the refill itself, and how the
// window follows. The window procedure only adds cursors and painting.
#pragma once
#include <cstdint>

#include "viewer/buffer/file_ref.h"
#include "viewer/buffer/line_table.h"
#include "viewer/buffer/tag_list.h"

enum MoveKind { MOVE_REFORMAT, MOVE_SHOWOFFSET, MOVE_GOTOBYTE };

struct MovePlan {
  FileOffset Remembered = -1;  // offset of the old top line (show-offset moves)
  FileOffset Target = -1;      // file offset to refill at, or -1: around Top
  int Top = 0;                 // wanted top index
  bool Refill = false;
};

// Decides a move by delta lines or to target (an offset, or -1). A move
// inside the table only sets Acur.
MovePlan PlanMove(MoveKind kind, int32_t delta, FileOffset target, const FileRef& file,
                  LineTable& table, int linesPerScreen);

struct RefillSettings {
  int Format = 0;          // selects the formatter
  uint32_t Flags = 0;      // format flags, page gap included
  int32_t LineLength = 0;  // FormatLength
  int32_t TabLength = 8;   // columns between tab stops
  int LinesPerScreen = 1;
  int PadPageLength = 0;
  const char* ProgramName = "Tarvo";  // where the error report's Home goes back to
};

// Refills the table as planned; a failure (or a table that does not hold
// its top line) puts the program-error report in its place. Pages are
// padded after a good refill. Returns the refill's status.
uint16_t RefillView(const MovePlan& plan, const RefillSettings& settings, FileRef& file,
                    LineTable& table, TextArena& arena, TagList* tags);

// How the screen follows a move from the remembered top line: +1 when the
// old top is now the line just above the top (the text moves up one line),
// -1 when it is the line just below, 0 when the screen must be repainted.
// The program-error report is always repainted whole: its lines carry no
// file offsets to follow.
int ScrollAfterMove(const LineTable& table, FileOffset remembered);
