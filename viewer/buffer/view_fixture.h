// A main view in memory for tests: line table, arena and tag list of chosen
// sizes over a file in the in-memory file system, moved as the window
// moves it.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "common/text_copy.h"
#include "viewer/buffer/file_ref.h"
#include "viewer/buffer/format_flags.h"
#include "viewer/buffer/line_table.h"
#include "viewer/buffer/memory_files.h"
#include "viewer/buffer/tag_list.h"
#include "viewer/buffer/view_move.h"

// 6 GiB of text that takes no memory: three lines, 47 bytes in all, over and
// over, so that lines cross 2^31 and 2^32; the last one ends the file.
inline SparseFile SixGiBOfLines() {
  return SparseFile{
      FileOffset{6} << 30, "alpha line one\r\nbeta 2\r\ngamma, the third line\r\n", {}};
}

struct ViewFixture {
  explicit ViewFixture(int acnt = kLineTableEntries, int tlen = kTextArenaBlockBytes)
      : fs(UseMemoryFiles()), entries(acnt), text(tlen), tagBlock(kTagCapacity + 1) {
    table.Entries = entries.data();
    table.Acnt = static_cast<int16_t>(acnt);
    arena.Base = text.data();
    arena.Tlen = tlen;
    tags.Entries = tagBlock.data();
    settings.LineLength = 80;
    settings.LinesPerScreen = 10;
    settings.Flags = FMT_FORM_FEEDS;
  }
  ~ViewFixture() { UsePlatformFiles(); }

  // Opens bytes, or a sparse file, as the viewed file, as opening a file does.
  void Open(std::string_view bytes, const char* path = "file") {
    fs.Files[path].assign(bytes.begin(), bytes.end());
    Reset(path, static_cast<FileOffset>(bytes.size()));
  }
  void Open(const SparseFile& sparse, const char* path = "file") {
    fs.SparseFiles[path] = sparse;
    Reset(path, sparse.Size);
  }
  void Reset(const char* path, FileOffset size) {
    CopyText(file.Path, path);
    file.Flen = size;
    file.Fcur = 0;
    tags.Count = 0;
    entries[0] = LineEntry{0, 0, -1, 0, 0};
    table.Afirst = table.Acur = table.Alast = 0;
  }

  uint16_t Move(MoveKind kind, int32_t delta, FileOffset target) {
    MovePlan plan = PlanMove(kind, delta, target, file, table, settings.LinesPerScreen);
    return plan.Refill ? RefillView(plan, settings, file, table, arena, &tags) : 0;
  }

  const LineEntry& Top() const { return entries[table.Acur]; }
  std::string Text(int index) const {
    const LineEntry& e = entries[index];
    return std::string(text.data() + e.TextOffset, e.Length < 0 ? 0 : e.Length);
  }

  MemoryFileSystem& fs;
  std::vector<LineEntry> entries;
  std::vector<char> text;
  std::vector<TagEntry> tagBlock;
  LineTable table;
  TextArena arena;
  TagList tags;
  FileRef file;
  RefillSettings settings;
};
