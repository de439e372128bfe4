#include "viewers/compound/formats/compound_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "viewer/buffer/memory_files.h"
#include "viewers/compound/formats/test_compound.h"

namespace {

std::string Pattern(size_t n, int seed) {
  std::string s(n, '\0');
  for (size_t i = 0; i < n; ++i) s[i] = static_cast<char>(i * 7 + seed + i / 251);
  return s;
}

std::string Read(CompoundFile& file, const char* name) {
  std::vector<uint8_t> bytes = file.ReadStream(name);
  return std::string(bytes.begin(), bytes.end());
}

class CompoundFileTest : public ::testing::Test {
 protected:
  ~CompoundFileTest() override { UsePlatformFiles(); }
  void Put(const std::string& bytes) {
    MemoryFileSystem& fs = UseMemoryFiles();
    fs.Files["c.doc"].assign(bytes.begin(), bytes.end());
  }
};

TEST_F(CompoundFileTest, BigAndSmallStreamsReadBackByNameInAnyCase) {
  const std::vector<CompoundStream> streams = {
      {"Workbook", Pattern(9000, 1)}, {"\x05SummaryInformation", Pattern(300, 2)},
      {"1Table", Pattern(4096, 3)},   {"Empty", ""},
      {"Small", Pattern(4095, 4)}};
  for (bool master : {false, true}) {
    Put(MakeCompound(streams, master).Bytes);
    CompoundFile file("c.doc");
    ASSERT_TRUE(file.IsOpen()) << master;
    EXPECT_EQ(std::count_if(file.Entries().begin(), file.Entries().end(),
                            [](const CompoundEntry& e) { return e.Type == CompoundEntry::kStream; }),
              5);
    for (const CompoundStream& s : streams) {
      const std::string read = Read(file, s.Name.c_str());
      EXPECT_EQ(read.size(), s.Bytes.size()) << s.Name;
      EXPECT_TRUE(read == s.Bytes) << s.Name;
    }
    EXPECT_TRUE(Read(file, "WORKBOOK") == streams[0].Bytes);
    EXPECT_EQ(file.FindStream("Missing"), -1);
    EXPECT_EQ(file.FindStream("Root Entry"), -1);  // a storage, not a stream
  }
}

TEST_F(CompoundFileTest, DamagedFilesReadAsFarAsTheyAreSound) {
  const std::string big = Pattern(5000, 5), small = Pattern(200, 6);
  const std::string bigSectors = big + std::string(120, '\0');
  struct Case {
    const char* Name;
    std::function<void(CompoundImage&)> Damage;
    size_t BigBytes, SmallBytes;
    bool Opens = true;
  };
  const std::vector<Case> cases = {
      {"chain loops back", [](CompoundImage& c) { c.SetFat(c.Starts[0] + 3, c.Starts[0]); }, 2048, 200},
      {"chain runs past the end", [](CompoundImage& c) { c.SetFat(c.Starts[0] + 1, 5000); }, 1024, 200},
      {"chain points at itself", [](CompoundImage& c) { c.SetFat(c.Starts[0], c.Starts[0]); }, 512, 200},
      {"size claims more than the chain", [](CompoundImage& c) { c.SetEntryField(1, 0x78, 0x7FFFFFFF); }, 5120, 200},
      {"start beyond the file", [](CompoundImage& c) { c.SetEntryField(1, 0x74, 0x00FFFFFF); }, 0, 200},
      {"mini chain loops", [](CompoundImage& c) { c.SetMiniFat(1, 0); }, 5000, 128},
      {"mini start beyond the mini stream", [](CompoundImage& c) { c.SetEntryField(2, 0x74, 999); }, 5000, 0},
      {"root's mini stream cut short", [](CompoundImage& c) { c.SetEntryField(0, 0x78, 128); }, 5000, 128},
      {"directory chain loops", [](CompoundImage& c) { c.SetFat(c.DirectorySector, c.DirectorySector); }, 5000, 200},
      {"directory nowhere", [](CompoundImage& c) { c.Bytes[0x30] = '\x70'; }, 0, 0, false},
      {"file cut after the header", [](CompoundImage& c) { c.Bytes.resize(512); }, 0, 0, false},
      {"odd sector size", [](CompoundImage& c) { c.Bytes[0x1E] = 10; }, 0, 0, false},
  };
  for (const Case& c : cases) {
    CompoundImage image = MakeCompound({{"Big", big}, {"Small", small}});
    c.Damage(image);
    Put(image.Bytes);
    CompoundFile file("c.doc");
    EXPECT_EQ(file.IsOpen(), c.Opens) << c.Name;
    EXPECT_EQ(Read(file, "Big"), bigSectors.substr(0, c.BigBytes)) << c.Name;
    EXPECT_EQ(Read(file, "Small"), small.substr(0, c.SmallBytes)) << c.Name;
  }
}

}  // namespace
