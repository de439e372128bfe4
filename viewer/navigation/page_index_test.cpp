#include "viewer/navigation/page_index.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "viewer/buffer/memory_files.h"

namespace {
class PageIndexTest : public testing::Test {
 protected:
  void SetUp() override { fs_ = &UseMemoryFiles(); }
  void TearDown() override {
    PageIndexClose(index_);
    UsePlatformFiles();
  }
  void Put(const std::string& text) { fs_->Files["view.txt"].assign(text.begin(), text.end()); }
  // Starts and scans to the end; the number of chunks it took.
  int IndexWhole(const std::string& text, int32_t chunk) {
    Put(text);
    EXPECT_EQ(PageIndexStart(index_, "view.txt", chunk), PageIndexError::kNone);
    int chunks = 0;
    while (index_.State == PG_ACTIVE) {
      EXPECT_EQ(PageIndexChunk(index_), PageIndexError::kNone);
      ++chunks;
    }
    return chunks;
  }
  // The index file as {header count, page offsets...}.
  std::vector<int64_t> IndexFile() {
    const std::vector<uint8_t>& b = fs_->Files[index_.IndexPath];
    auto word = [&](size_t at) {
      return static_cast<int64_t>(b[at] | b[at + 1] << 8 | b[at + 2] << 16 |
                                  static_cast<uint32_t>(b[at + 3]) << 24);
    };
    EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "TRX\x1A");
    std::vector<int64_t> out{word(4)};
    for (size_t at = 8; at + 8 <= b.size(); at += 8) out.push_back(word(at) | word(at + 4) << 32);
    return out;
  }
  MemoryFileSystem* fs_ = nullptr;
  PageIndex index_;
};

TEST_F(PageIndexTest, PagesStartAtFormFeedsAfterLineEndsWhereverTheChunksEnd) {
  struct Case {
    std::string text;
    int32_t chunk;
    std::vector<int64_t> file;  // header count, then the records
    int chunks;
  } cases[] = {
      {"", 8, {1, 0}, 1},                       // an empty file: one page at 0
      {"abcdefgh", 8, {1, 0}, 2},               // an exact multiple: one more read of 0
      {"\fab\n\f", 8, {2, 0, 4}, 1},            // a form feed at 0 starts nothing
      {"a\fb\r\n\fc", 8, {2, 0, 5}, 1},         // after another byte neither; CR LF FF once
      {"x\n\f\fy\r\fz", 16, {3, 0, 2, 6}, 1},   // LF FF FF once
      {"abc\n\fdef\n\fg", 4, {3, 0, 4, 9}, 3},  // the pair split across chunks
      {std::string(8190, 'a') + "\n\f", 4096, {2, 0, 8191}, 3},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IndexWhole(c.text, c.chunk), c.chunks) << c.text;
    EXPECT_EQ(index_.State, PG_DONE);
    EXPECT_EQ(IndexFile(), c.file) << c.text;
    EXPECT_EQ(index_.SourceFile, kNoFile);
    EXPECT_EQ(PageIndexAvailablePages(index_), c.file[0]);
  }
}

TEST_F(PageIndexTest, ManyPagesInOneChunkAreAllRecorded) {
  std::string text;
  for (int i = 0; i < 2000; ++i) text += "\n\f";
  for (int32_t chunk : {65536, 64}) {  // in one chunk, and in batches across chunks
    IndexWhole(text, chunk);
    std::vector<int64_t> file = IndexFile();
    ASSERT_EQ(file.size(), 2002u);
    EXPECT_EQ(file[0], 2001);
    EXPECT_EQ(file[1000], 2 * 999 - 1);
    EXPECT_EQ(file[2001], 3999);
    EXPECT_EQ(PageIndexLookup(index_, 1500, 0), 2 * 1499 - 1);
  }
}

TEST_F(PageIndexTest, LookupsFollowTheScanAndLeaveItsRecordsAlone) {
  const std::string text = "one\n\ftwo\n\fthree\n\ffour";
  IndexWhole(text, 5);
  const std::vector<int64_t> undisturbed = IndexFile();

  Put(text);
  ASSERT_EQ(PageIndexStart(index_, "view.txt", 5), PageIndexError::kNone);
  EXPECT_EQ(PageIndexLookup(index_, 1, index_.PageCount), 0);
  ASSERT_EQ(PageIndexChunk(index_), PageIndexError::kNone);
  EXPECT_EQ(index_.PageCount, 2);
  EXPECT_EQ(PageIndexLookup(index_, 3, index_.PageCount), kPageOutOfRange);
  EXPECT_EQ(PageIndexLookup(index_, 2, index_.PageCount), 4);
  while (index_.State == PG_ACTIVE) {
    ASSERT_EQ(PageIndexChunk(index_), PageIndexError::kNone);
    PageIndexLookup(index_, 1, index_.PageCount);
  }
  EXPECT_EQ(PageIndexLookup(index_, 3, index_.PageCount), 9);
  EXPECT_EQ(PageIndexLookup(index_, 4, 0), 16);  // the count from the header
  EXPECT_EQ(PageIndexLookup(index_, 5, 0), kPageOutOfRange);
  EXPECT_EQ(PageIndexLookup(index_, 0, 4), kPageOutOfRange);
  EXPECT_EQ(IndexFile(), undisturbed);

  fs_->Files[index_.IndexPath][1] = 'X';
  EXPECT_EQ(PageIndexLookup(index_, 2, 0), kPageCorrupted);
  EXPECT_EQ(PageIndexLookup(index_, 2, 4), 4);  // a count held in memory reads no header
}

TEST_F(PageIndexTest, ANewStartOrAResetDeletesTheOldIndexFile) {
  IndexWhole("a\n\fb", 8);
  ASSERT_EQ(PageIndexStart(index_, "view.txt", 8), PageIndexError::kNone);
  EXPECT_EQ(fs_->Files.size(), 2u);  // the viewed file and one fresh index
  EXPECT_EQ(IndexFile(), (std::vector<int64_t>{0, 0}));
  const std::string second = index_.IndexPath;
  PageIndexReset(index_);
  EXPECT_EQ(fs_->Files.count(second), 0u);
  EXPECT_EQ(index_.State, PG_IDLE);
  EXPECT_EQ(PageIndexAvailablePages(index_), -1);
  EXPECT_EQ(PageIndexLookup(index_, 1, 1), kPageNoIndex);
  EXPECT_NE(index_.Buffer, nullptr);  // kept for the next file
  PageIndexClose(index_);
  EXPECT_EQ(index_.Buffer, nullptr);
}

TEST_F(PageIndexTest, AFailedStartLeavesNoFilesAndNoBuffer) {
  Put("text");
  fs_->FailCreate = true;
  EXPECT_EQ(PageIndexStart(index_, "view.txt", 8), PageIndexError::kCannotCreateIndex);
  EXPECT_STREQ(index_.TriedPath, "temp1") << "the message names what was tried";
  fs_->FailCreate = false;
  EXPECT_EQ(PageIndexStart(index_, "view.txt", 0), PageIndexError::kNoBuffer);
  EXPECT_EQ(PageIndexStart(index_, "gone.txt", 8), PageIndexError::kCannotOpenSource);
  fs_->FailWrite = true;
  EXPECT_EQ(PageIndexStart(index_, "view.txt", 8), PageIndexError::kCannotWriteHeader);
  EXPECT_EQ(index_.State, PG_IDLE);
  EXPECT_EQ(index_.Buffer, nullptr);
  EXPECT_EQ(index_.IndexFile, kNoFile);
  EXPECT_EQ(fs_->Files.size(), 1u);  // only the viewed file: every temporary file deleted
}

TEST_F(PageIndexTest, AFailingChunkEndsTheScanAndKeepsTheRecordsSoFar) {
  struct Case {
    bool MemoryFileSystem::*fail;
    PageIndexError error;
    int chunksBefore;  // only the first chunk seeks; records are written when the scan completes
    int32_t lastPage;
    FileOffset lastOffset;
  } cases[] = {{&MemoryFileSystem::FailSeek, PageIndexError::kSeekFailed, 0, 1, 0},
               {&MemoryFileSystem::FailRead, PageIndexError::kReadFailed, 1, 2, 2},
               {&MemoryFileSystem::FailWrite, PageIndexError::kRecordWriteFailed, 2, 4, 8}};
  for (const Case& c : cases) {
    Put("a\n\fb\n\fc\n\f");
    ASSERT_EQ(PageIndexStart(index_, "view.txt", 4), PageIndexError::kNone);
    for (int i = 0; i < c.chunksBefore; ++i)
      ASSERT_EQ(PageIndexChunk(index_), PageIndexError::kNone);
    fs_->*c.fail = true;
    EXPECT_EQ(PageIndexChunk(index_), c.error);
    fs_->*c.fail = false;
    EXPECT_EQ(index_.State, PG_IDLE);
    EXPECT_EQ(index_.SourceFile, kNoFile);
    EXPECT_EQ(index_.PageCount, c.lastPage);
    EXPECT_EQ(PageIndexLookup(index_, c.lastPage, c.lastPage), c.lastOffset);
    EXPECT_EQ(PageIndexAvailablePages(index_), -1);  // Go To offers no pages
  }
}

TEST_F(PageIndexTest, OffsetsBeyondFourGiBKeepTheirHighHalf) {
  const int64_t far = (int64_t{5} << 30) + 3;
  fs_->SparseFiles["view.txt"] = SparseFile{far + 100, "x", {{far - 1, "\n\f"}}};
  ASSERT_EQ(PageIndexStart(index_, "view.txt", 4096), PageIndexError::kNone);
  index_.ScanPosition = far - 50;  // the bytes before hold no page
  while (index_.State == PG_ACTIVE) ASSERT_EQ(PageIndexChunk(index_), PageIndexError::kNone);
  EXPECT_EQ(IndexFile(), (std::vector<int64_t>{2, 0, far}));
  EXPECT_EQ(PageIndexLookup(index_, 2, 0), far);
}
}  // namespace

TEST_F(PageIndexTest, ACompletedScanResumedAfterTheFileGrewFindsTheNewPages) {
  IndexWhole("a\n\fb\n", 8);
  ASSERT_EQ(index_.State, PG_DONE);
  Put("a\n\fb\n\fc\n\fd");
  ASSERT_TRUE(PageIndexResume(index_, "view.txt"));
  while (index_.State == PG_ACTIVE) ASSERT_EQ(PageIndexChunk(index_), PageIndexError::kNone);
  EXPECT_EQ(IndexFile(), (std::vector<int64_t>{4, 0, 2, 5, 8}));
  EXPECT_EQ(fs_->Opens, fs_->Closes + 1) << "only the index file stays open";
}
