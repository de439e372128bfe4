// Differential fuzzing of the file search against the plain reference, on
// an in-memory file with small read sizes, short reads, and a size known to
// the viewer that may differ from the file's (shrunk or grown since); of
// Mark All's single pass on each scan path against the list of every match
// a plain scan sees, now and then told to stop early; and of each scan path
// the processor has on the file's bytes.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "common/text_copy.h"
#include "fuzz/find_reference.h"
#include "viewer/buffer/memory_files.h"
#include "viewer/navigation/find_in_file.h"
#include "viewer/navigation/pattern_scan.h"
#include "viewer/navigation/search_state.h"

namespace {
// Few distinct bytes, with letters of both cases and their bit-0x20
// neighbours, so that matches and near-matches are frequent; the second half
// has zero bytes, the UTF-8 lead byte of Latin-1 and Latin-1 letters and signs.
constexpr uint8_t kSmallAlphabet[] = {'a',  'A',  'b',  'B',  '@',  '`',  'z',  'Z',
                                      0x00, 0xC3, 0x89, 0xA9, 0xC9, 0xE9, 0xD7, 0xF7};

int32_t Small(const uint8_t*& p, const uint8_t* end, int32_t limit) {
  uint16_t v = 0;
  for (int k = 0; k < 2 && p < end; ++k) v = static_cast<uint16_t>(v << 8 | *p++);
  return v % limit;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const uint8_t* p = data;
  const uint8_t* end = data + size;
  if (size < 8) return 0;
  uint8_t mode = *p++;
  const bool matchCase = mode & 1;
  const bool smallAlphabet = mode & 2;
  int32_t length = Small(p, end, 40) - 1;  // -1 .. 38
  int32_t engineRead = 1 + Small(p, end, 300);
  // The reference's windows are never shorter than the pattern (they are
  // 32760 bytes in the program); the engine's reads may be.
  int32_t referenceWindow = (mode & 4) ? 32760 : std::max(length, 1 + Small(p, end, 300));
  int32_t maxRead = (mode & 8) ? 1 + Small(p, end, 50) : INT32_MAX;
  int32_t sizeDelta = (mode & 16) ? Small(p, end, 64) - 32 : 0;
  int32_t startChoice = Small(p, end, 4096);
  const size_t stopAfter = (mode & 64) ? 1 + static_cast<size_t>(Small(p, end, 16)) : SIZE_MAX;
  // A Unicode code: its letters fold, and UTF-16 matches start on a unit.
  const CaseFold fold = (mode & 128) ? static_cast<CaseFold>(Small(p, end, 4)) : CaseFold::kAscii;
  const uint16_t codeFlag = fold == CaseFold::kUtf8      ? SF_UTF8
                            : fold == CaseFold::kUtf16LE ? SF_UTF16LE
                            : fold == CaseFold::kUtf16BE ? SF_UTF16BE
                                                         : 0;
  const uint16_t flags = static_cast<uint16_t>((matchCase ? SF_CASE : 0) | codeFlag);

  std::string pattern(static_cast<size_t>(std::max(length, 0)), '\0');
  for (char& c : pattern) c = p < end ? static_cast<char>(*p++) : 'a';
  std::string content(reinterpret_cast<const char*>(p), static_cast<size_t>(end - p));
  if (smallAlphabet) {
    for (char& c : pattern) c = static_cast<char>(kSmallAlphabet[static_cast<uint8_t>(c) % ((mode & 128) ? 16 : 8)]);
    for (char& c : content) c = static_cast<char>(kSmallAlphabet[static_cast<uint8_t>(c) % ((mode & 128) ? 16 : 8)]);
  }

  MemoryFileSystem& files = UseMemoryFiles();
  files.Files["f"].assign(content.begin(), content.end());
  FileRef file;
  CopyText(file.Path, "f");
  file.Flen = std::max<FileOffset>(0, static_cast<FileOffset>(content.size()) + sizeDelta);
  // Starts near the end matter most; now and then one past it.
  FileOffset start = (mode & 32) ? file.Flen - startChoice % 48 + 8 : startChoice % (file.Flen + 2);
  const uint8_t* pat = reinterpret_cast<const uint8_t*>(pattern.data());

  FileOffset expected = ReferenceFind(file, start, length, pat, matchCase, referenceWindow, fold);
  files.ReadLimit = maxRead;
  FileOffset got = FindBytes(file, start, length, pat, flags, engineRead);
  if (got != expected || files.Opens != files.Closes) {
    std::fprintf(
        stderr, "start %lld length %d case %d Flen %lld size %zu: got %lld, expected %lld\n",
        static_cast<long long>(start), length, matchCase, static_cast<long long>(file.Flen),
        content.size(), static_cast<long long>(got), static_cast<long long>(expected));
    std::abort();
  }
  if (got >= 0 &&
      (static_cast<size_t>(got) + pattern.size() > content.size() || got + length > file.Flen))
    std::abort();

  // The bytes that can be read below Flen hold every match of the pass; a
  // start the search refuses has none.
  const auto* bytes = reinterpret_cast<const uint8_t*>(content.data());
  std::vector<FileOffset> all;
  const FileOffset readable =
      std::min<FileOffset>(file.Flen, static_cast<FileOffset>(content.size()));
  for (FileOffset i = start; start >= 0 && length > 0 && i + length <= readable; ++i)
    if (i % MatchAlignment(fold) == 0 &&
        ReferenceMatch(bytes + i, pat, pattern.size(), matchCase, fold))
      all.push_back(i);
  const size_t wantCount = std::min(all.size(), stopAfter);
  for (ScanPath path : {ScanPath::kScalar, ScanPath::kSse2, ScanPath::kAvx2}) {
    std::vector<FileOffset> taken;
    const FileOffset result = FindAllBytes(
        file, start, length, pat, flags,
        [&](FileOffset at) {
          taken.push_back(at);
          return taken.size() < stopAfter;
        },
        engineRead, path);
    const FileOffset wantResult = all.empty() ? got : static_cast<FileOffset>(wantCount);
    if (result != wantResult ||
        !std::equal(taken.begin(), taken.end(), all.begin(),
                    all.begin() + static_cast<ptrdiff_t>(wantCount)) ||
        files.Opens != files.Closes) {
      std::fprintf(stderr,
                   "path %d start %lld length %d case %d: %zu matches, result %lld, "
                   "expected %zu of %zu\n",
                   static_cast<int>(path), static_cast<long long>(start), length, matchCase,
                   taken.size(), static_cast<long long>(result), wantCount, all.size());
      std::abort();
    }
  }

  if (length > 0) {
    const size_t from = static_cast<size_t>(startChoice) % (content.size() + 1);
    const ptrdiff_t want =
        ReferenceScan(bytes + from, content.size() - from, pat, pattern.size(), matchCase, fold);
    for (ScanPath path : {ScanPath::kScalar, ScanPath::kSse2, ScanPath::kAvx2}) {
      const PatternScanner scanner(pat, pattern.size(), matchCase, path, fold);
      if (scanner.Find(bytes + from, content.size() - from) != want) {
        std::fprintf(stderr, "path %d from %zu length %d case %d: scan differs, expected %td\n",
                     static_cast<int>(path), from, length, matchCase, want);
        std::abort();
      }
    }
  }
  return 0;
}
