// The file search through the platform's file calls on a real file.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "common/text_copy.h"
#include "viewer/navigation/find_in_file.h"

namespace {
class FindInRealFile : public ::testing::Test {
 protected:
  void SetUp() override {
    char dir[MAX_PATH];
    GetTempPathA(MAX_PATH, dir);
    GetTempFileNameA(dir, "fnd", 0, file.Path);
  }
  void TearDown() override { DeleteFileA(file.Path); }
  void Write(const std::string& content) {
    HANDLE h = CreateFileA(file.Path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(h, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    CloseHandle(h);
    file.Flen = static_cast<int32_t>(content.size());
  }
  int32_t Find(int32_t start, const char* pattern, uint16_t flags) {
    return FindBytes(file, start, static_cast<int32_t>(strlen(pattern)),
                     reinterpret_cast<const uint8_t*>(pattern), flags);
  }
  FileRef file;
};

TEST_F(FindInRealFile, AcrossReadsToTheLastByteAndAfterTheFileIsGone) {
  std::string content(2 * kSearchReadBytes + 10, '.');
  content.replace(kSearchReadBytes - 3, 6, "Needle");
  content.replace(content.size() - 3, 3, "END");
  Write(content);
  EXPECT_EQ(Find(0, "needle", 0), kSearchReadBytes - 3);
  EXPECT_EQ(Find(0, "needle", SF_CASE), kFindNotFound);
  EXPECT_EQ(Find(kSearchReadBytes, "end", 0), file.Flen - 3);
  EXPECT_EQ(Find(file.Flen - 3, "END", SF_CASE), file.Flen - 3);
  // Other programs may hold the file open for writing meanwhile.
  HANDLE writer = CreateFileA(file.Path, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
  EXPECT_EQ(Find(0, "END", SF_CASE), file.Flen - 3);
  CloseHandle(writer);
  Write("short");
  file.Flen = static_cast<int32_t>(content.size());  // the viewer's size is stale
  EXPECT_EQ(Find(0, "END", SF_CASE), kFindNotFound);
  DeleteFileA(file.Path);
  EXPECT_EQ(Find(0, "short", SF_CASE), kFindCannotOpen);
}
}  // namespace
