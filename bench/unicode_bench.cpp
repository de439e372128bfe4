// Text formatting and Find over a 1 GiB UTF-8 file, each next to the same
// work in ANSI on the same file: the formatter walks the file in 65535-byte
// blocks forward, Find looks for a word the file does not hold (so it reads
// all of it). Prints seconds of CPU time and the ratios; never fails.
//   unicode_bench [file]  (made, 1 GiB, when it does not exist)
#include <time.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "common/text_copy.h"
#include "viewer/buffer/format_flags.h"
#include "viewer/buffer/formatters.h"
#include "viewer/buffer/read_block.h"
#include "viewer/navigation/find_in_file.h"
#include "viewer/navigation/search_text_code.h"

namespace {
constexpr long long kFileBytes = 1LL << 30;

double CpuSeconds() {
  timespec t;
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return t.tv_sec + t.tv_nsec / 1e9;
}

// Mostly Latin prose with accented letters, and Greek and CJK lines, as a
// multilingual log or changelog holds.
void MakeFile(const char* path) {
  if (FILE* f = std::fopen(path, "rb")) {
    std::fclose(f);
    return;
  }
  const char* lines[] = {
      "2024-05-01 12:00:01 Andr\xC3\xA9s merged the change to the r\xC3\xA9sum\xC3\xA9 parser\r\n",
      "2024-05-01 12:00:02 \xCE\x9A\xCE\xB1\xCE\xBB\xCE\xB7\xCE\xBC\xCE\xAD\xCF\x81\xCE\xB1 "
      "\xCE\xBA\xCF\x8C\xCF\x83\xCE\xBC\xCE\xB5 build ok\r\n",
      "2024-05-01 12:00:03 \xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E\xE3\x81\xAE\xE3\x83\x86\xE3\x82\xAD"
      "\xE3\x82\xB9\xE3\x83\x88 \xE5\xAE\x8C\xE4\xBA\x86\r\n",
      "2024-05-01 12:00:04 plain ASCII line with a\ttab and some more words in it\r\n",
  };
  std::string chunk;
  while (chunk.size() < (1 << 20))
    for (const char* l : lines) chunk += l;
  FILE* f = std::fopen(path, "wb");
  for (long long written = 0; written < kFileBytes; written += chunk.size())
    std::fwrite(chunk.data(), 1, chunk.size(), f);
  std::fclose(f);
}

std::vector<LineEntry> gEntries(kReadBlockBytes + 2);
std::vector<char> gText(4 * kReadBlockBytes + 16);
std::vector<uint8_t> gBlock(kReadBlockBytes);

// Seconds of CPU time to format the whole file forward, block after block.
double FormatFile(const char* path, uint32_t flags, long long* lines) {
  FileRef file;
  CopyText(file.Path, path);
  double formatting = 0;
  *lines = 0;
  for (FileOffset at = 0;;) {
    file.Fcur = at;
    ReadWindow w;
    const uint16_t status = ReadBlock(file, ReadBuffer{gBlock.data(), kReadBlockBytes, 0}, w);
    if (status & (ST_FAILED | ST_EMPTY)) break;
    LineArray la{gEntries.data(), static_cast<int32_t>(gEntries.size()), 0};
    TextBuffer t{gText.data(), static_cast<int32_t>(gText.size()), 0};
    const double start = CpuSeconds();
    FormatText(w, la, t, at, FORMAT_FORWARD, flags | FMT_FORM_FEEDS | FMT_EXPAND_TABS, 256, 8);
    formatting += CpuSeconds() - start;
    // Whole lines only, as the line buffer keeps them; the last block ends the file.
    const int32_t keep = (status & ST_EOF) ? la.Count : la.Count - 1;
    if (keep <= 0) break;
    *lines += keep;
    at = gEntries[keep].Offset;
    if (status & ST_EOF) break;
  }
  return formatting;
}

double Find(const char* path, const uint8_t* pattern, int32_t length, uint16_t flags) {
  FileRef file;
  CopyText(file.Path, path);
  file.Flen = kFileBytes;
  const double start = CpuSeconds();
  FindBytes(file, 0, length, pattern, flags);
  return CpuSeconds() - start;
}
}  // namespace

int main(int argc, char** argv) {
  const char* path = argc > 1 ? argv[1] : "/tmp/tarvo-unicode-bench.txt";
  MakeFile(path);
  long long ansiLines = 0, utfLines = 0;
  const double ansi = FormatFile(path, 0, &ansiLines);
  const double utf8 = FormatFile(path, FMT_UTF8, &utfLines);
  std::printf("Text formatting of 1 GiB: ANSI %.2f s (%lld lines), UTF-8 %.2f s (%lld lines): "
              "UTF-8/ANSI %.2f\n",
              ansi, ansiLines, utf8, utfLines, utf8 / ansi);

  // "Résumés" is not in the file (the lines have "résumé" followed by a blank).
  const char typed[] = "R\xE9sum\xE9s";
  uint8_t ansiPattern[64], utfPattern[64];
  const int ansiLength = TypedTextToFileCode(typed, CODE_ANSI, ansiPattern, 64);
  const int utfLength = TypedTextToFileCode(typed, CODE_UTF8, utfPattern, 64);
  for (uint16_t flags : {uint16_t(SF_TEXT | SF_CASE), uint16_t(SF_TEXT)}) {
    const double a = Find(path, ansiPattern, ansiLength, flags);
    const double u = Find(path, utfPattern, utfLength, static_cast<uint16_t>(flags | SF_UTF8));
    std::printf("Find over 1 GiB (%s): ANSI %.2f s, UTF-8 %.2f s: UTF-8/ANSI %.2f\n",
                (flags & SF_CASE) ? "Match Case" : "any case", a, u, u / a);
  }
  return 0;
}
