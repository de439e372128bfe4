// The line buffer over random files in the in-memory file system and random
// moves, with files that vanish, shrink and grow between moves. After every
// move the table holds either good lines around the top or the
// program-error report.
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "fuzz/formatter_harness.h"
#include "viewer/buffer/line_buffer.h"
#include "viewer/buffer/memory_files.h"
#include "viewer/buffer/view_move.h"

namespace {
void CheckTable(const LineTable& t, const TextArena& a, const FileRef& file, int32_t maxLength,
                uint16_t status) {
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
  int32_t previous = -1;
  for (int i = t.Afirst; i <= t.Alast; ++i) {
    const LineEntry& e = t.Entries[i];
    FUZZ_CHECK(e.Offset > previous && e.Offset <= file.Flen);
    if (i < t.Alast) {
      FUZZ_CHECK(e.Length >= 0 && e.Length <= maxLength);
      FUZZ_CHECK(e.TextOffset >= 0 && e.TextOffset + e.Length <= a.Tend);
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
  // The file: a length, then bytes repeated to it.
  // Mostly small files (fast runs); now and then one beyond a block.
  const uint32_t sizeChoice = in.Take(3);
  const int32_t fileSize =
      static_cast<int32_t>(sizeChoice % 64 ? sizeChoice % 4096 : sizeChoice % 200000);
  const int moves = static_cast<int>(in.Take(1) % 12);
  std::vector<uint8_t> pattern(in.p, in.p + std::min<size_t>(in.n, 512));
  in.p += pattern.size(), in.n -= pattern.size();
  if (pattern.empty()) pattern.push_back('\n');
  std::vector<uint8_t> bytes(fileSize);
  // The pattern, then the bytes so far doubled until the size is reached.
  size_t filled = std::min(pattern.size(), bytes.size());
  if (filled) std::memcpy(bytes.data(), pattern.data(), filled);
  while (filled && filled < bytes.size()) {
    size_t n = std::min(filled, bytes.size() - filled);
    std::memcpy(bytes.data() + filled, bytes.data(), n);
    filled += n;
  }

  MemoryFileSystem& fs = UseMemoryFiles();
  fs.Files["f"] = bytes;
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
    TagAdd(tags, static_cast<int32_t>(in.Take(3) % (fileSize + 1)), 1 + i % 3);

  HexLayout layout;
  int32_t maxLength = UsableLineLength(s.LineLength, arena);
  if (s.Format == 1) maxLength = HexLayoutFor(s.LineLength, &layout) ? layout.Width : 0;

  uint16_t status = RefillView(PlanMove(MOVE_REFORMAT, 0, 0, file, table, s.LinesPerScreen), s,
                               file, table, arena, &tags);
  CheckTable(table, arena, file, maxLength, status);
  for (int m = 0; m < moves; ++m) {
    const uint32_t op = in.Take(1);
    const uint32_t arg = in.Take(3);
    switch (op % 8) {
      case 0: fs.Files.erase("f"); break;                               // vanished
      case 1: fs.Files["f"] = bytes; break;                             // back again
      case 2: fs.Files["f"].resize(arg % (fileSize + 1)); break;        // shrank
      case 3: fs.Files["f"].resize(fileSize + arg % 5000, 'g'); break;  // grew
      default: break;
    }
    const MoveKind kind = static_cast<MoveKind>(op / 8 % 3);
    const int32_t delta = static_cast<int32_t>(arg % 200) - 100;
    const int32_t target = (op & 0x80) ? -1 : static_cast<int32_t>(arg % (file.Flen + 2));
    MovePlan plan = PlanMove(kind, delta, target, file, table, s.LinesPerScreen);
    status = plan.Refill ? RefillView(plan, s, file, table, arena, &tags) : 0;
    CheckTable(table, arena, file, maxLength, status);
    ScrollAfterMove(table, plan.Remembered);
  }
  UsePlatformFiles();
  return 0;
}
