#include "viewer/navigation/find_in_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/text_copy.h"
#include "viewer/buffer/memory_files.h"

namespace {
std::vector<uint8_t> Bytes(const std::string& s) { return {s.begin(), s.end()}; }

class FindInFileTest : public ::testing::Test {
 protected:
  void TearDown() override { UsePlatformFiles(); }
  FileRef Put(const std::string& content, const char* path = "file.txt") {
    files.Files[path] = Bytes(content);
    FileRef ref;
    ref.Flen = static_cast<int32_t>(content.size());
    CopyText(ref.Path, path);
    return ref;
  }
  FileOffset Find(const FileRef& ref, FileOffset start, const std::string& pattern, uint16_t flags,
                  int32_t readBytes = kSearchReadBytes) {
    FileOffset r = FindBytes(ref, start, static_cast<int32_t>(pattern.size()),
                             reinterpret_cast<const uint8_t*>(pattern.data()), flags, readBytes);
    EXPECT_EQ(files.Opens, files.Closes) << "the file was left open";
    return r;
  }
  // Mark All's pass: its result and the offsets it handed over, stopping
  // after stopAfter of them.
  std::pair<FileOffset, std::vector<FileOffset>> FindAll(const FileRef& ref, FileOffset start,
                                                         const std::string& pattern, uint16_t flags,
                                                         int32_t readBytes,
                                                         size_t stopAfter = SIZE_MAX) {
    std::vector<FileOffset> found;
    FileOffset r = FindAllBytes(
        ref, start, static_cast<int32_t>(pattern.size()),
        reinterpret_cast<const uint8_t*>(pattern.data()), flags,
        [&](FileOffset at) {
          found.push_back(at);
          return found.size() < stopAfter;
        },
        readBytes);
    EXPECT_EQ(files.Opens, files.Closes) << "the file was left open";
    return {r, found};
  }
  MemoryFileSystem& files = UseMemoryFiles();
};

TEST_F(FindInFileTest, PatternStraddlingReadBoundariesIsFound) {
  std::string content(100000, '.');
  content.replace(32758, 5, "abcde");  // across the 32760-byte windows of old
  FileRef ref = Put(content);
  EXPECT_EQ(Find(ref, 0, "abcde", SF_CASE), 32758);
  for (int32_t readBytes : {1, 2, 3, 4, 5, 7, 32760})
    EXPECT_EQ(Find(ref, 0, "abcde", SF_CASE, readBytes), 32758) << readBytes;
  std::string big(3 * kSearchReadBytes, 'x');
  big.replace(2 * kSearchReadBytes - 3, 6, "needle");
  FileRef bigRef = Put(big, "big");
  EXPECT_EQ(Find(bigRef, 0, "NEEDLE", 0), 2 * kSearchReadBytes - 3);
  files.ReadLimit = 3;  // reads shorter than asked
  EXPECT_EQ(Find(ref, 0, "abcde", SF_CASE, 64), 32758);
}

TEST_F(FindInFileTest, MatchEndingAtTheLastByteIsFoundFromExactlyThere) {
  FileRef ref = Put("0123456789xyz");
  EXPECT_EQ(Find(ref, 0, "xyz", SF_CASE), 10);
  EXPECT_EQ(Find(ref, 10, "xyz", SF_CASE), 10);
  EXPECT_EQ(Find(ref, 10, "xyz", SF_CASE, 1), 10);
  EXPECT_EQ(Find(ref, 11, "xyz", SF_CASE), kFindNotFound);
  EXPECT_EQ(Find(ref, 13, "z", SF_CASE), kFindNotFound);
  EXPECT_EQ(Find(ref, 400, "z", SF_CASE), kFindNotFound);
}

// A 6 GiB file of zeros but for a few words: matches across 2^31, across
// 2^32 where the first read ends, and in the last bytes.
TEST_F(FindInFileTest, SixGiBFileIsSearchedAcrossTheBoundariesToItsEnd) {
  const FileOffset two = FileOffset{1} << 31, four = FileOffset{1} << 32, end = FileOffset{6} << 30;
  files.SparseFiles["big"] = {
      end, "", {{two - 2, "bridge"}, {four - 3, "needle"}, {end - 5, "tail!"}}};
  FileRef ref;
  CopyText(ref.Path, "big");
  ref.Flen = end;
  const struct {
    FileOffset start;
    const char* pattern;
    uint16_t flags;
    FileOffset found;
  } cases[] = {
      {two - 1000, "bridge", SF_CASE, two - 2},
      {four - kSearchReadBytes - 1, "NEEDLE", 0, four - 3},
      {end - 100000, "TAIL!", 0, end - 5},
      {end - 5, "tail!", SF_CASE, end - 5},
      {end - 4, "tail!", SF_CASE, kFindNotFound},
      {end - 100000, "TAIL!", SF_CASE, kFindNotFound},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Find(ref, c.start, c.pattern, c.flags), c.found) << c.pattern << " from " << c.start;
}

TEST_F(FindInFileTest, MarkAllPassHandsOverEveryMatchInOrderUntilToldToStop) {
  const FileRef aaaa = Put("aaaa"), overlap = Put("xxabcabcabxxABCAB", "overlap");
  const FileRef shrunk = Put(std::string(70, '-') + "abcab", "shrunk");
  files.Files["shrunk"].resize(73);
  FileRef missing = overlap;
  CopyText(missing.Path, "missing");
  const struct {
    const FileRef& ref;
    FileOffset start;
    const char* pattern;
    uint16_t flags;
    size_t stopAfter;
    FileOffset result;
    std::vector<FileOffset> found;
  } cases[] = {
      {aaaa, 0, "aa", SF_CASE, SIZE_MAX, 3, {0, 1, 2}},
      {aaaa, 1, "aa", SF_CASE, SIZE_MAX, 2, {1, 2}},
      {aaaa, 0, "aa", SF_CASE, 2, 2, {0, 1}},
      {aaaa, 0, "aa", SF_CASE, 1, 1, {0}},
      {overlap, 0, "abcab", SF_CASE, SIZE_MAX, 2, {2, 5}},
      {overlap, 0, "abcab", 0, SIZE_MAX, 3, {2, 5, 12}},
      {overlap, 3, "abcab", 0, SIZE_MAX, 2, {5, 12}},
      {overlap, 0, "abd", 0, SIZE_MAX, kFindNotFound, {}},
      {overlap, 0, "", 0, SIZE_MAX, kFindBadLength, {}},
      {overlap, -1, "ab", 0, SIZE_MAX, kFindSeekFailed, {}},
      {missing, 0, "ab", 0, SIZE_MAX, kFindCannotOpen, {}},
      {shrunk, 0, "abcab", 0, SIZE_MAX, kFindNotFound, {}},  // the match is no longer there
  };
  for (const auto& c : cases) {
    for (int32_t readBytes : {1, 2, 3, 4, 5, 7, kSearchReadBytes}) {
      auto [result, found] = FindAll(c.ref, c.start, c.pattern, c.flags, readBytes, c.stopAfter);
      EXPECT_EQ(result, c.result) << c.ref.Path << " " << c.pattern << " reads of " << readBytes;
      EXPECT_EQ(found, c.found) << c.ref.Path << " " << c.pattern << " reads of " << readBytes;
    }
  }
  // Matches either side of and across the boundaries of full-size reads.
  std::string big(3 * kSearchReadBytes, 'x');
  const std::vector<FileOffset> at = {kSearchReadBytes - 6, kSearchReadBytes,
                                      2 * kSearchReadBytes - 3, 3 * kSearchReadBytes - 6};
  for (FileOffset o : at) big.replace(static_cast<size_t>(o), 6, "needle");
  FileRef bigRef = Put(big, "big");
  EXPECT_EQ(FindAll(bigRef, 0, "NEEDLE", 0, kSearchReadBytes),
            std::make_pair(static_cast<FileOffset>(at.size()), at));
  files.ReadLimit = 1000;  // reads shorter than asked
  EXPECT_EQ(FindAll(bigRef, 0, "NEEDLE", 0, kSearchReadBytes).second, at);
}

TEST_F(FindInFileTest, CaseFoldingPairsOnlyAsciiLetters) {
  FileRef ref = Put("xx ABC \xC9t\xE9 @[\\]^_ end");
  EXPECT_EQ(Find(ref, 0, "abc", 0), 3);
  EXPECT_EQ(Find(ref, 0, "aBc", 0), 3);
  EXPECT_EQ(Find(ref, 0, "abc", SF_CASE), kFindNotFound);
  EXPECT_EQ(Find(ref, 0, "\xE9T\xE9", 0), kFindNotFound);  // accented letters do not fold
  EXPECT_EQ(Find(ref, 0, "\xC9T\xE9", 0), 7);
  EXPECT_EQ(Find(ref, 0, "`{|}~\x7F", 0), kFindNotFound);  // bit 0x20 alone is no fold
  EXPECT_EQ(Find(ref, 0, "@[\\]^_ END", 0), 11);
  // EBCDIC letters sit elsewhere, yet the raw bytes 0x41-0x5A still fold.
  FileRef ebcdic = Put("\xC1\xC2\x81\x82\x41\x5A", "ebcdic");
  EXPECT_EQ(Find(ebcdic, 0, "\x81\x82", 0), 2);
  EXPECT_EQ(Find(ebcdic, 0, "\xC1\xC2\x81", 0), 0);
  EXPECT_EQ(Find(ebcdic, 0, "\x61\x7A", 0), 4);
  EXPECT_EQ(Find(ebcdic, 0, "\x81\x82\x61\x5A", 0), 2);
}

// In UTF-8 and UTF-16 the Latin-1 letters pair too, only within their own
// characters, and a UTF-16 match starts on a unit.
TEST_F(FindInFileTest, UnicodeCodesFoldLatin1LettersAndKeepUnits) {
  // U+4120 U+2000 (the bytes "A" and 0 at offset 1), É t é × ß U+4141.
  const std::string u16("\x20\x41\x00\x20\xC9\x00t\x00\xE9\x00\xD7\x00\xDF\x00\x41\x41", 16);
  const FileRef le = Put(u16, "le");
  const struct {
    std::string pattern;
    uint16_t flags;
    FileOffset at;
  } cases[] = {
      {std::string("\xE9\x00T\x00\xC9\x00", 6), SF_UTF16LE, 4},  // éTÉ finds Été
      {std::string("\xE9\x00T\x00\xC9\x00", 6), SF_UTF16LE | SF_CASE, kFindNotFound},
      {std::string("\xF7\x00", 2), SF_UTF16LE, kFindNotFound},   // the sign × has no case
      {std::string("\xFF\x00", 2), SF_UTF16LE, kFindNotFound},   // ß is not ÿ
      {std::string("aa", 2), SF_UTF16LE, kFindNotFound},           // high bytes compare exactly
      {std::string("A\x00", 2), SF_UTF16LE, kFindNotFound},       // at offset 1: inside units
      {std::string("A\x00", 2), 0, 1},                             // the byte search finds it
  };
  for (const auto& c : cases) EXPECT_EQ(Find(le, 0, c.pattern, c.flags), c.at) << c.flags;

  const FileRef u8 = Put("x \xC3\x89t\xC3\xA9 \xC4\x89 \xC3\x97", "u8");
  EXPECT_EQ(Find(u8, 0, "\xC3\xA9T\xC3\x89", SF_UTF8), 2);
  EXPECT_EQ(Find(u8, 0, "\xC3\xA9T\xC3\x89", 0), kFindNotFound);
  EXPECT_EQ(Find(u8, 0, "\xC4\xA9", SF_UTF8), kFindNotFound);  // another lead byte: exact
  EXPECT_EQ(Find(u8, 0, "\xC3\xB7", SF_UTF8), kFindNotFound);  // ÷ is not ×
}

TEST_F(FindInFileTest, ResultCodes) {
  FileRef ref = Put("hello");
  EXPECT_EQ(Find(ref, 0, "", 0), kFindBadLength);
  EXPECT_EQ(Find(ref, 3, "llo", 0), kFindNotFound);  // the range test comes first
  EXPECT_EQ(Find(ref, -1, "he", 0), kFindSeekFailed);
  files.FailSeek = true;
  EXPECT_EQ(Find(ref, 0, "he", 0), kFindSeekFailed);
  files.FailSeek = false;
  FileRef missing = ref;
  CopyText(missing.Path, "missing");
  EXPECT_EQ(Find(missing, 0, "he", 0), kFindCannotOpen);
  ref.Fcur = 1;
  EXPECT_EQ(FindInFile(ref, 2, reinterpret_cast<const uint8_t*>("lo"), 0), 3);
  EXPECT_EQ(ref.Fcur, 1);
}

TEST_F(FindInFileTest, FileChangedSinceTheViewerReadItsSize) {
  FileRef ref = Put(std::string(50, '-') + "target" + std::string(50, '-'));
  files.Files["file.txt"].resize(53);  // shrunk inside the match
  EXPECT_EQ(Find(ref, 0, "target", 0), kFindNotFound);
  EXPECT_EQ(Find(ref, 52, "target", 0, 1), kFindNotFound);
  files.Files["file.txt"] = Bytes("target");
  EXPECT_EQ(Find(ref, 0, "target", 0), 0);
  files.Files["file.txt"] = Bytes(std::string(106, '-') + "target");  // grown: only Flen counts
  EXPECT_EQ(Find(ref, 0, "target", 0), kFindNotFound);
  files.Files["file.txt"] = Bytes(std::string(150, '-') + "target" + std::string(44, '-'));
  files.BeforeRead = [&] { files.FailRead = files.Reads >= 1; };  // unreadable after the first read
  ref.Flen = 200;
  EXPECT_EQ(Find(ref, 0, "target", 0, 100), kFindNotFound);
  files.BeforeRead = nullptr;
  files.FailRead = false;
  EXPECT_EQ(Find(ref, 0, "target", 0, 100), 150);
  files.Files.erase("file.txt");
  EXPECT_EQ(Find(ref, 0, "target", 0), kFindCannotOpen);
}

TEST(FindNextStartOffset, RestartsAtTopPastTheEndAndFollowsTheScreenWhenNegative) {
  SearchState s;
  s.NextSearchStart = 100;
  EXPECT_EQ(FindNextStartOffset(s, 100, 5, 7), 0);
  s.NextSearchStart = 0;
  EXPECT_EQ(FindNextStartOffset(s, 100, 5, 7), 0);
  s.NextSearchStart = 40;
  EXPECT_EQ(FindNextStartOffset(s, 100, 5, 7), 40);
  s.NextSearchStart = -1;
  EXPECT_EQ(FindNextStartOffset(s, 100, 5, 7), 7);
  EXPECT_EQ(FindNextStartOffset(s, 100, 50, -1), 50);
}
}  // namespace
