#include "shell/core/file_type.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "shell/core/viewer_table.h"
#include "viewer/buffer/file_access.h"

namespace {
// Reads from the start of an open file until the buffer is full, the file
// ends or a read fails; the count of bytes read.
size_t ReadHead(FileHandle file, std::span<uint8_t> buffer) {
  size_t got = 0;
  while (got < buffer.size()) {
    const int32_t n =
        Files().Read(file, buffer.data() + got, static_cast<int32_t>(buffer.size() - got));
    if (n <= 0) break;
    got += static_cast<size_t>(n);
  }
  return got;
}

// ASCII only: the extensions the rules know are ASCII.
void UpperCase(char* text) {
  for (; *text; ++text)
    if (*text >= 'a' && *text <= 'z') *text = static_cast<char>(*text - 'a' + 'A');
}
}  // namespace

bool DetectFileType(char* path, DetectionReports& reports, int* type) {
  const FileHandle file = Files().Open(path);
  if (file == kNoFile) {
    reports.Unreadable(path);
    return false;
  }
  std::array<uint8_t, kNameProbeBytes> head;
  const size_t got = ReadHead(file, head);
  Files().Close(file);

  *type = kTypeText;  // no rule yields text: 0 means "not decided yet"
  if (char* dot = std::strrchr(path, '.')) {
    UpperCase(dot + 1);
    bool protectedWorksheet = false;
    const int byName = TypeByExtension(dot + 1, std::span(head).first(got), &protectedWorksheet);
    if (protectedWorksheet) reports.ProtectedWorksheet();
    *type = std::max(byName, kTypeText);
  }
  // -1 (the file vanished since the first open, or has no size) keeps text.
  if (*type == kTypeText) *type = std::max(DetectByContent(path, reports), kTypeText);

  const char* library = ViewerTable[static_cast<size_t>(*type)].Library;
  if (!reports.LibraryInstalled(library)) {
    reports.LibraryMissing(library);
    *type = kTypeText;
  }
  return true;
}

int DetectByContent(const char* path, DetectionReports& reports) {
  const FileHandle file = Files().Open(path);
  if (file == kNoFile) {
    reports.Unreadable(path);
    return -1;
  }
  const FileOffset size = Files().Size(file);
  std::array<uint8_t, kContentProbeBytes> bytes;
  const size_t got = size < 0 ? 0 : ReadHead(file, bytes);
  Files().Close(file);
  return size < 0 ? -1 : TypeByContent(std::span(bytes).first(got), size, path);
}
