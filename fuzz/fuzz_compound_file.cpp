// The compound-document reader on any bytes: every entry's stream is read;
// the sanitizers catch any stray access, and no stream exceeds the file.
#include <cstdint>
#include <cstdlib>

#include "viewer/buffer/memory_files.h"
#include "viewers/compound/formats/compound_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static MemoryFileSystem& fs = UseMemoryFiles();
  fs.Files["c.doc"].assign(data, data + size);
  CompoundFile file("c.doc");
  for (size_t i = 0; i < file.Entries().size() && i < 256; ++i)
    if (file.ReadStream(static_cast<int>(i)).size() > size) std::abort();
  file.ReadStream("Workbook");
  return 0;
}
