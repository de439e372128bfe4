#include "viewer/buffer/file_access.h"

#include <gtest/gtest.h>

#include "viewer/buffer/memory_files.h"

TEST(FileAccess, TemporaryFilesAreWrittenReadBackAndDeleted) {
  MemoryFileSystem& memory = UseMemoryFiles();
  const FileSystem& inMemory = Files();
  for (const FileSystem* fs : {&inMemory, &PlatformFileSystem()}) {
    SCOPED_TRACE(fs == &inMemory ? "in memory" : "POSIX");
    SetFileSystem(fs);
    char path[kFilePathChars + 1], other[kFilePathChars + 1];
    FileHandle f = fs->CreateTemporary(path), g = fs->CreateTemporary(other);
    ASSERT_TRUE(f != kNoFile && g != kNoFile);
    EXPECT_STRNE(path, other);
    EXPECT_EQ(fs->Write(f, "page index", 10), 10);
    EXPECT_EQ(QueryFileSize(path), 10) << "others may read it while it is open";
    char back[8] = {};
    EXPECT_TRUE(fs->Seek(f, 5));
    EXPECT_EQ(fs->Read(f, back, 7), 5);
    EXPECT_STREQ(back, "index");
    fs->Close(f);
    fs->Close(g);
    EXPECT_TRUE(fs->Delete(path) && fs->Delete(other));
    EXPECT_EQ(fs->Open(path), kNoFile);
    EXPECT_FALSE(fs->Delete(path));
  }
  SetFileSystem(&inMemory);
  char path[kFilePathChars + 1];
  FileHandle f = inMemory.CreateTemporary(path);
  memory.FailWrite = true;
  EXPECT_EQ(inMemory.Write(f, "x", 1), -1);
  memory.FailCreate = true;
  EXPECT_EQ(inMemory.CreateTemporary(path), kNoFile);
  UsePlatformFiles();
}
