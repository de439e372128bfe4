// The line buffer over random files in the in-memory file system and random
// moves, with files that vanish, shrink and grow between moves; now and then
// a file of many GiB. After every move the table holds either good lines
// around the top or the program-error report.
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "fuzz/formatter_harness.h"
#include "viewer/buffer/line_buffer.h"
#include "viewer/buffer/memory_files.h"
#include "viewer/buffer/view_move.h"

namespace {
void CheckTable(const LineTable& t, const TextArena& a, const FileRef& file,
                const RefillSettings& s, uint16_t status) {
  FUZZ_CHECK(t.Afirst >= 0 && t.Afirst <= t.Acur && t.Acur <= t.Alast && t.Alast < t.Acnt);
  FUZZ_CHECK(a.Tend >= 0 && a.Tend <= a.Tlen);
  FUZZ_CHECK(t.Entries[t.Alast].Length == -1);
  if (t.Entries[t.Alast].Flags & LF_MESSAGE) {  // the report
    for (int i = 0; i < t.Alast; ++i)
      FUZZ_CHECK(t.Entries[i].Flags & LF_MESSAGE && t.Entries[i].Offset == 1);
    FUZZ_CHECK(!(status & ST_FAILED) || (t.Acur == 0 && t.Alast <= 10));
    return;
  }
  FUZZ_CHECK(!(status & ST_FAILED));
  // The lines were formatted for the size the last refill read.
  HexLayout layout;
  int32_t maxLength = UsableLineLength(s.LineLength, a);
  if (s.Format == 1) maxLength = HexLayoutFor(s.LineLength, &layout, file.Flen) ? layout.Width : 0;
  FileOffset previous = -1;
  for (int i = t.Afirst; i <= t.Alast; ++i) {
    const LineEntry& e = t.Entries[i];
    FUZZ_CHECK(e.Offset > previous && e.Offset <= file.Flen);
    if (i < t.Alast) {
      // UTF-16 units: a surrogate pair may stand alone on a line of one,
      // or take a hex dump line's unit past its width.
      const bool wide = (e.Flags & LF_WIDE) != 0;
      const int32_t most = wide ? std::max(maxLength + (s.Format == 1 ? 1 : 0), 2) : maxLength;
      FUZZ_CHECK(e.Length >= 0 && e.Length <= most);
      FUZZ_CHECK(e.TextOffset >= 0 && e.TextOffset + (wide ? 2 : 1) * e.Length <= a.Tend);
    }
    previous = e.Offset;
  }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Input in{data, size};
  const int acnt = 12 + static_cast<int>(in.Take(1) % 200);
  const int32_t tlen = 16 + static_cast<int32_t>(in.Take(2));
  RefillSettings s;
  s.Format = static_cast<int>(in.Take(1) % 3);
  s.Flags = in.Take(2);
  s.LineLength = fuzz::LineLengthFrom(in.Take(4));
  s.LinesPerScreen = static_cast<int>(in.Take(1) % 40);
  s.TabLength = 1 + static_cast<int32_t>(in.Take(1) % 16);
  // The file: a length, then bytes repeated to it. Mostly small files (fast
  // runs); now and then one beyond a block, or beyond 4 GiB.
  const uint32_t sizeChoice = in.Take(3);
  const FileOffset fileSize =
      sizeChoice % 64 > 1
          ? sizeChoice % 4096
          : (sizeChoice % 64 ? sizeChoice % 200000
                             : (FileOffset{1} << 32) + (FileOffset{sizeChoice} << 12));
  const int moves = static_cast<int>(in.Take(1) % 12);
  std::string pattern(reinterpret_cast<const char*>(in.p), std::min<size_t>(in.n, 512));
  in.p += pattern.size(), in.n -= pattern.size();
  if (pattern.empty()) pattern.push_back('\n');
  const SparseFile bytes{fileSize, pattern, {}};
  // Offsets spread over the whole file, the end and one past it included.
  const auto spread = [](uint32_t choice24, FileOffset size) {
    return static_cast<FileOffset>(static_cast<unsigned __int128>(choice24) * (size + 2) >> 24);
  };

  MemoryFileSystem& fs = UseMemoryFiles();
  fs.SparseFiles["f"] = bytes;
  // Exact sizes, left unfilled: the sanitizer sees writes past them and the
  // runs stay fast.
  std::unique_ptr<LineEntry[]> entries(new LineEntry[acnt]);
  std::unique_ptr<char[]> text(new char[tlen]);
  static TagEntry tagBlock[kTagCapacity + 1];
  gAllocateReadBuffer = std::malloc;
  LineTable table{entries.get(), static_cast<int16_t>(acnt), 0, 0, 0};
  entries[0] = LineEntry{0, 0, -1, 0, 0};
  TextArena arena{text.get(), tlen, 0};
  TagList tags{tagBlock, 0};
  FileRef file;
  std::strcpy(file.Path, "f");
  file.Flen = fileSize;
  for (int i = 0; i < 8; ++i)
    TagAdd(tags, std::min(spread(in.Take(3), fileSize), fileSize), 1 + i % 3);

  uint16_t status = RefillView(PlanMove(MOVE_REFORMAT, 0, 0, file, table, s.LinesPerScreen), s,
                               file, table, arena, &tags);
  CheckTable(table, arena, file, s, status);
  for (int m = 0; m < moves; ++m) {
    const uint32_t op = in.Take(1);
    const uint32_t arg = in.Take(3);
    SparseFile changed = bytes;
    switch (op % 8) {
      case 0: fs.SparseFiles.erase("f"); break;    // vanished
      case 1: fs.SparseFiles["f"] = bytes; break;  // back again
      case 2:                                      // shrank
        changed.Size = std::min(spread(arg, fileSize), fileSize);
        fs.SparseFiles["f"] = changed;
        break;
      case 3:  // grew
        changed.Size += arg % 5000;
        changed.Pieces[fileSize] = std::string(arg % 5000, 'g');
        fs.SparseFiles["f"] = changed;
        break;
      default: break;
    }
    const MoveKind kind = static_cast<MoveKind>(op / 8 % 3);
    const int32_t delta = static_cast<int32_t>(arg % 200) - 100;
    // Near the end as often as anywhere else.
    const FileOffset target = (op & 0x80)   ? -1
                              : (op & 0x40) ? std::max<FileOffset>(file.Flen + 1 - arg % 300, 0)
                                            : spread(arg, file.Flen);
    MovePlan plan = PlanMove(kind, delta, target, file, table, s.LinesPerScreen);
    status = plan.Refill ? RefillView(plan, s, file, table, arena, &tags) : 0;
    CheckTable(table, arena, file, s, status);
    ScrollAfterMove(table, plan.Remembered);
  }
  UsePlatformFiles();
  return 0;
}
