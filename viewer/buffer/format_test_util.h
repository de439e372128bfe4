// Runs a formatter over a byte string and returns its lines, for tests.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "viewer/buffer/formatters.h"

struct FormattedLine {
  FileOffset offset;
  std::string text;
  int32_t flags;
  bool operator==(const FormattedLine&) const = default;
};

struct FormatRun {
  std::vector<FormattedLine> lines;
  FileOffset end = -1;  // the end entry's offset (forward)
  uint16_t status = 0;
};

constexpr int32_t kTestTabLength = 8;

inline FormatRun RunFormatter(Formatter f, std::string_view bytes, int direction, uint32_t flags,
                              int32_t lineLength, int32_t position = -1, FileOffset offset = -1,
                              int32_t capacity = 200, int32_t textCapacity = 1 << 16,
                              FileOffset fileSize = 0) {
  if (position < 0) position = direction == FORMAT_FORWARD ? 0 : static_cast<int32_t>(bytes.size());
  if (offset < 0) offset = position;
  std::vector<LineEntry> entries(capacity);
  std::string text(textCapacity, '\0');
  ReadWindow w{reinterpret_cast<const uint8_t*>(bytes.data()), static_cast<int32_t>(bytes.size()),
               position, fileSize};
  LineArray lines{entries.data(), capacity, direction == FORMAT_FORWARD ? 0 : capacity};
  TextBuffer t{text.data(), textCapacity, 0};
  FormatRun run;
  run.status = f(w, lines, t, offset, direction, flags, lineLength, kTestTabLength);
  int32_t from = direction == FORMAT_FORWARD ? 0 : lines.Count;
  int32_t to = direction == FORMAT_FORWARD ? lines.Count : capacity;
  for (int32_t i = from; i < to; ++i) {
    const LineEntry& e = entries[i];
    run.lines.push_back({e.Offset, text.substr(e.TextOffset, e.Length), e.Flags});
  }
  if (direction == FORMAT_FORWARD) run.end = entries[lines.Count].Offset;
  return run;
}

inline std::vector<FileOffset> Offsets(const FormatRun& run) {
  std::vector<FileOffset> v;
  for (const FormattedLine& l : run.lines) v.push_back(l.offset);
  return v;
}

inline std::vector<std::string> Texts(const FormatRun& run) {
  std::vector<std::string> v;
  for (const FormattedLine& l : run.lines) v.push_back(l.text);
  return v;
}
