#include "viewers/tables/formats/record_cache.h"

#include <algorithm>

#include "viewers/tables/formats/table_file.h"

namespace {
constexpr uint32_t kBlockBytes = 32 * 1024;
constexpr size_t kBlocks = 4;
}  // namespace

RecordCache::RecordCache(std::string path, FileOffset firstRecord, uint32_t recordLength,
                         uint32_t recordCount)
    : path_(std::move(path)),
      firstRecord_(firstRecord),
      recordLength_(std::max<uint32_t>(recordLength, 1)),
      recordCount_(recordCount),
      recordsPerBlock_(std::max<uint32_t>(kBlockBytes / recordLength_, 1)),
      blocks_(kBlocks) {}

const uint8_t* RecordCache::Record(uint32_t index) {
  if (index >= recordCount_) return nullptr;
  for (Block& b : blocks_) {
    if (b.Count && index >= b.First && index - b.First < b.Count) {
      b.LastUse = ++uses_;
      return b.Bytes.data() + static_cast<size_t>(index - b.First) * recordLength_;
    }
  }
  Block& b = *std::min_element(blocks_.begin(), blocks_.end(), [](const Block& x, const Block& y) {
    return x.LastUse < y.LastUse;
  });
  b.First = index - index % recordsPerBlock_;
  const uint32_t wanted = std::min(recordsPerBlock_, recordCount_ - b.First);
  b.Bytes.resize(static_cast<size_t>(wanted) * recordLength_);
  const FileOffset at = firstRecord_ + static_cast<FileOffset>(b.First) * recordLength_;
  b.Count = static_cast<uint32_t>(ReadTableBytes(path_, at, b.Bytes.data(), b.Bytes.size()) /
                                  recordLength_);
  b.LastUse = ++uses_;
  if (index - b.First >= b.Count) return nullptr;
  return b.Bytes.data() + static_cast<size_t>(index - b.First) * recordLength_;
}
