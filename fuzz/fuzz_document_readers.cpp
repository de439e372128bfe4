// The document viewer's readers on any bytes, as every type they read: the
// sanitizers catch any stray access, and the text kept never exceeds the
// reader's bound.
#include <cstdint>
#include <cstdlib>

#include "viewer/buffer/memory_files.h"
#include "viewers/documents/formats/document_text.h"
#include "viewers/documents/formats/paragraph_builder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static MemoryFileSystem& fs = UseMemoryFiles();
  fs.Files["d.doc"].assign(data, data + size);
  for (int type : {4, 5, 19, 22, 26, 29}) {
    DocumentText text;
    ReadDocumentText("d.doc", type, text);
    size_t kept = 0;
    for (const std::string& p : text.Paragraphs) kept += p.size() + 1;
    if (kept > ParagraphBuilder::kTextLimit + 1) std::abort();
  }
  return 0;
}
