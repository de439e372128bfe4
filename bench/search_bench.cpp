// Figures for the file search; bench/search_vs_grep.sh runs it next to grep.
//   search_bench generate PATH MIB      text-like test file, one marker near the end
//   search_bench sparse PATH MIB        the same text in the first and last 16 MiB only,
//                                      zeros (holes) between
//   search_bench find PATH PATTERN case|nocase RUNS [READ_BYTES]
//   search_bench memchr PATH RUNS      one read-and-memchr pass (the physical reference)
//   search_bench markall PATH PATTERN case|nocase RUNS
//                                      Mark All's search into a tag list until it is full
// find and memchr print "offset seconds", the seconds being the best of RUNS;
// markall prints "way matches seconds" for each way of marking.
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "common/text_copy.h"
#include "viewer/buffer/file_access.h"
#include "viewer/buffer/tag_list.h"
#include "viewer/navigation/find_in_file.h"

namespace {
// The text has no q or z and no two-letter words, so the marker is found
// only where it was put, and " is " and the other absent patterns never occur.
constexpr char kMarker[] = "zephyr notes in the lazy harbors";

std::string TextBlock(size_t bytes) {
  std::mt19937 rng(12345);
  // Letters with roughly their English weights, without q and z.
  const std::string letters =
      "eeeeeeeeeeeetttttttttaaaaaaaaooooooooiiiiiiinnnnnnnsssssshhhhhhrrrrrrdddd"
      "lllluuucccmmmwwffggyyppbbvkjx";
  std::vector<std::string> words(800);
  for (auto& w : words) {
    size_t n = 3 + rng() % 7;
    for (size_t i = 0; i < n; ++i) w += letters[rng() % letters.size()];
  }
  std::string text;
  text.reserve(bytes + 100);
  size_t lineStart = 0;
  bool sentenceStart = true;
  while (text.size() < bytes) {
    std::string w = words[rng() % words.size()];
    if (sentenceStart) w[0] = static_cast<char>(w[0] - 32);
    text += w;
    sentenceStart = rng() % 12 == 0;
    if (sentenceStart) text += '.';
    if (text.size() - lineStart > 70) {
      text += '\n';
      lineStart = text.size();
    } else {
      text += ' ';
    }
  }
  text.resize(bytes);
  return text;
}

constexpr FileOffset kTextBlock = 16 << 20;

// The last piece of text of a file: the marker 4 KiB before its end.
std::string LastPiece(std::string text) {
  if (text.size() >= 4096 + sizeof kMarker)
    text.replace(text.size() - 4096, sizeof kMarker - 1, kMarker);
  return text;
}

int Generate(const char* path, long mib) {
  const std::string text = TextBlock(kTextBlock);
  FILE* f = std::fopen(path, "wb");
  if (!f) return 1;
  const FileOffset total = static_cast<FileOffset>(mib) << 20;
  for (FileOffset done = 0; done < total; done += kTextBlock) {
    const size_t n = static_cast<size_t>(std::min(kTextBlock, total - done));
    const std::string piece = done + kTextBlock >= total ? LastPiece(text.substr(0, n)) : text;
    std::fwrite(piece.data(), 1, n, f);
  }
  return std::fclose(f) == 0 ? 0 : 1;
}

int GenerateSparse(const char* path, long mib) {
  const FileOffset total = static_cast<FileOffset>(mib) << 20;
  const std::string text = TextBlock(static_cast<size_t>(std::min(kTextBlock, total)));
  const std::string last = LastPiece(text);
  int fd = ::open(path, O_CREAT | O_TRUNC | O_WRONLY, 0600);
  if (fd < 0) return 1;
  const bool ok =
      ::ftruncate(fd, total) == 0 &&
      ::pwrite(fd, text.data(), text.size(), 0) == static_cast<ssize_t>(text.size()) &&
      ::pwrite(fd, last.data(), last.size(), total - static_cast<FileOffset>(last.size())) ==
          static_cast<ssize_t>(last.size());
  return ::close(fd) == 0 && ok ? 0 : 1;
}

double Seconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

int Find(const char* path, const char* pattern, bool matchCase, int runs, int32_t readBytes) {
  FileRef file;
  CopyText(file.Path, path);
  file.Flen = QueryFileSize(path);
  double best = 1e9;
  FileOffset at = -1;
  for (int r = 0; r < runs; ++r) {
    auto t0 = std::chrono::steady_clock::now();
    at = FindBytes(file, 0, static_cast<int32_t>(std::strlen(pattern)),
                   reinterpret_cast<const uint8_t*>(pattern), matchCase ? SF_CASE : 0, readBytes);
    best = std::min(best, Seconds(t0));
  }
  std::printf("%lld %.4f\n", static_cast<long long>(at), best);
  return 0;
}

// Mark All as the viewer did it before the single pass: a search from 0 and then from one past
// each match, each tagged, until the tag list is full.
FileOffset MarkByLoop(const FileRef& file, const SearchState& search, TagList& tags) {
  for (FileOffset x = FindSearchFrom(file, search, 0); x >= 0;
       x = FindSearchFrom(file, search, x + 1))
    if (TagAdd(tags, x, TAG_FOUND) < 0) break;
  return tags.Count;
}

// Mark All now: one pass, the tags appended in order.
FileOffset MarkInOnePass(const FileRef& file, const SearchState& search, TagList& tags) {
  FindAllSearchFrom(file, search, 0,
                    [&tags](FileOffset x) { return TagAddAscending(tags, x, TAG_FOUND) >= 0; });
  return tags.Count;
}

// The same pass over the same bytes without the tags: the reference.
FileOffset CountInOnePass(const FileRef& file, const SearchState& search, TagList&) {
  FileOffset n = 0;
  FindAllSearchFrom(file, search, 0, [&n](FileOffset) { return ++n <= kTagCapacity; });
  return std::min<FileOffset>(n, kTagCapacity);
}

int MarkAll(const char* path, const char* pattern, bool matchCase, int runs) {
  FileRef file;
  CopyText(file.Path, path);
  file.Flen = QueryFileSize(path);
  SearchState search;
  search.SearchFlags = static_cast<uint16_t>(SF_TEXT | (matchCase ? SF_CASE : 0));
  search.SearchLength =
      static_cast<int32_t>(std::min(std::strlen(pattern), sizeof search.SearchPattern));
  std::memcpy(search.SearchPattern, pattern, static_cast<size_t>(search.SearchLength));
  std::vector<TagEntry> block(kTagCapacity + 1);
  const struct {
    const char* name;
    FileOffset (*mark)(const FileRef&, const SearchState&, TagList&);
  } ways[] = {{"count", CountInOnePass}, {"pass", MarkInOnePass}, {"loop", MarkByLoop}};
  for (const auto& way : ways) {
    double best = 1e9;
    FileOffset marked = 0;
    for (int r = 0; r < runs; ++r) {
      TagList tags{block.data(), 0};
      auto t0 = std::chrono::steady_clock::now();
      marked = way.mark(file, search, tags);
      best = std::min(best, Seconds(t0));
    }
    std::printf("%s %lld %.4f\n", way.name, static_cast<long long>(marked), best);
  }
  return 0;
}

int MemchrPass(const char* path, int runs) {
  std::vector<char> buffer(kSearchReadBytes);
  double best = 1e9;
  long found = 0;
  for (int r = 0; r < runs; ++r) {
    auto t0 = std::chrono::steady_clock::now();
    int fd = ::open(path, O_RDONLY);
    if (fd < 0) return 1;
    ssize_t n;
    while ((n = ::read(fd, buffer.data(), buffer.size())) > 0)
      if (std::memchr(buffer.data(), '\x01', static_cast<size_t>(n))) ++found;
    ::close(fd);
    best = std::min(best, Seconds(t0));
  }
  std::printf("%ld %.4f\n", found, best);
  return 0;
}
}  // namespace

int main(int argc, char** argv) {
  std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "generate" && argc == 4) return Generate(argv[2], std::atol(argv[3]));
  if (mode == "sparse" && argc == 4) return GenerateSparse(argv[2], std::atol(argv[3]));
  if (mode == "find" && (argc == 6 || argc == 7))
    return Find(argv[2], argv[3], std::string(argv[4]) == "case", std::atoi(argv[5]),
                argc == 7 ? std::atoi(argv[6]) : kSearchReadBytes);
  if (mode == "memchr" && argc == 4) return MemchrPass(argv[2], std::atoi(argv[3]));
  if (mode == "markall" && argc == 6)
    return MarkAll(argv[2], argv[3], std::string(argv[4]) == "case", std::atoi(argv[5]));
  std::fprintf(stderr, "usage: see the head of search_bench.cpp\n");
  return 2;
}
