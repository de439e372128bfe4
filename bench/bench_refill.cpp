// One refill of the main view's line table (LoadLinesAround) at the start,
// middle and end of a 1 MB and a 5 GiB file: block reads, bytes read and
// time, with the memory the view uses. The large file is sparse, with text
// written only where the refills read, so the disk is not filled.
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "common/text_copy.h"
#include "viewer/buffer/file_access.h"
#include "viewer/buffer/format_flags.h"
#include "viewer/buffer/formatters.h"
#include "viewer/buffer/line_buffer.h"
#include "viewer/buffer/read_block.h"

namespace {
int gOpens = 0, gReads = 0;
int64_t gBytes = 0;

FileHandle CountOpen(const char* path) {
  ++gOpens;
  return PlatformFileSystem().Open(path);
}
int32_t CountRead(FileHandle f, void* buffer, int32_t bytes) {
  int32_t n = PlatformFileSystem().Read(f, buffer, bytes);
  ++gReads;
  gBytes += n > 0 ? n : 0;
  return n;
}

std::string TextRun(size_t bytes) {
  std::string s;
  for (int i = 0; s.size() < bytes; ++i) {
    s.append("a line of text in the file, number ");
    s.append(std::to_string(i));
    s.append("\r\n");
  }
  s.resize(bytes);
  return s;
}

bool MakeFile(const char* path, int64_t size) {
  int fd = ::open(path, O_CREAT | O_TRUNC | O_WRONLY, 0600);
  if (fd < 0 || ::ftruncate(fd, size) != 0) return false;
  const std::string text = TextRun(200000);
  for (int64_t at : {int64_t(0), size / 2 - 100000, size - 200000}) {
    if (at < 0) at = 0;
    if (::pwrite(fd, text.data(), std::min<int64_t>(text.size(), size - at), at) < 0) return false;
  }
  return ::close(fd) == 0;
}

long MaxRssKb() {
  rusage u;
  getrusage(RUSAGE_SELF, &u);
  return u.ru_maxrss;
}
}  // namespace

int main() {
  static FileSystem counting = PlatformFileSystem();
  counting.Open = CountOpen;
  counting.Read = CountRead;
  SetFileSystem(&counting);
  std::vector<LineEntry> entries(kLineTableEntries);
  std::vector<char> text(kTextArenaBlockBytes);
  std::vector<TagEntry> tags(kTagListBlockBytes / sizeof(TagEntry));
  TagList tagList{tags.data(), 0};
  std::printf("refill of the line table (Text, 80 columns, 40 lines a screen)\n");
  std::printf("%-8s %-7s %6s %6s %10s %10s %6s\n", "file", "where", "opens", "reads", "bytes", "ms",
              "lines");
  for (FileOffset size : {FileOffset{1} << 20, FileOffset{5} << 30}) {
    const char* name = size < (FileOffset{1} << 30) ? "1 MB" : "5 GiB";
    char path[64];
    std::snprintf(path, sizeof path, "/tmp/tarvo-bench-%lld.txt", static_cast<long long>(size));
    if (!MakeFile(path, size)) {
      std::printf("cannot make %s\n", path);
      return 0;
    }
    for (int where = 0; where < 3; ++where) {
      FileRef file;
      CopyText(file.Path, path);
      file.Flen = QueryFileSize(path);
      FileOffset target = where == 0 ? 0 : (where == 1 ? file.Flen / 2 : file.Flen);
      LineTable table{entries.data(), static_cast<int16_t>(entries.size()), 0, 0, 0};
      TextArena arena{text.data(), static_cast<int32_t>(text.size()), 0};
      gOpens = gReads = 0;
      gBytes = 0;
      auto start = std::chrono::steady_clock::now();
      const int rounds = 50;
      uint16_t status = 0;
      for (int i = 0; i < rounds; ++i)
        status |= LoadLinesAround(target, 0, 40, 80, file, table, arena, &tagList, FormatText,
                                  FMT_FORM_FEEDS, 8);
      double ms =
          std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
              .count() /
          rounds;
      std::printf("%-8s %-7s %6.1f %6.1f %10.0f %10.3f %6d%s\n", name,
                  where == 0 ? "start" : (where == 1 ? "middle" : "end"), double(gOpens) / rounds,
                  double(gReads) / rounds, double(gBytes) / rounds, ms, table.Alast - table.Afirst,
                  status ? "  (failed)" : "");
    }
    std::printf("max resident set after the %s file: %ld KB\n", name, MaxRssKb());
    ::unlink(path);
  }
  std::printf(
      "view memory: line table %d + arena %d + tag list %d + read buffer %d bytes, whatever the "
      "file size\n",
      kLineTableBlockBytes, kTextArenaBlockBytes, kTagListBlockBytes, kReadBlockBytes);
  return 0;
}
