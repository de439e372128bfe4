// Message lines in a line table, and the program-error report that
// replaces the lines when a refill fails.
#pragma once
#include <cstdint>

#include "viewer/buffer/file_ref.h"
#include "viewer/buffer/line_table.h"

// Formats one line (printf-style) at the arena's end and puts it at entry
// Acur as a message line (offset 1); Acur moves on. ST_FAILED, with nothing
// changed, when Acur or Tend lie outside the table or arena (one slot is
// always left for the end entry); a text that does not fit is cut.
uint16_t AppendMessageLine(LineTable& table, TextArena& arena, const char* format, ...)
    __attribute__((format(printf, 3, 4)));

// Replaces the table's lines with the report of status and the buffer's
// indexes, flagged LF_MESSAGE, with the top at the first line. Its lines
// lie at offset 1, so a move to offset 0 (Home) rebuilds the view, which
// the report tells the user as getting back to the named program.
void ReportProgramError(uint16_t status, const char* programName, const FileRef& file,
                        LineTable& table, TextArena& arena);
