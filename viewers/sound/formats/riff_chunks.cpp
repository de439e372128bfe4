#include "viewers/sound/formats/riff_chunks.h"

#include <algorithm>

RiffChunks::RiffChunks(ByteSource& file, int64_t start, int64_t end)
    : file_(file), next_(start), end_(std::min(end, file.Size())) {}

bool RiffChunks::Next(RiffChunk& chunk) {
  uint8_t head[8];
  if (next_ + 8 > end_ || file_.ReadAt(next_, head, 8) != 8) return false;
  std::memcpy(chunk.Id, head, 4);
  chunk.Data = next_ + 8;
  chunk.Size = std::min<int64_t>(Le32(head + 4), end_ - chunk.Data);
  next_ = chunk.Data + chunk.Size + (chunk.Size & 1);  // chunks start at even offsets
  return true;
}

RiffChunks RiffChunks::Inside(const RiffChunk& list, const char* type) const {
  char own[4] = {};
  const bool matches = list.Is("LIST") && list.Size >= 4 && file_.ReadAt(list.Data, own, 4) == 4 &&
                       std::memcmp(own, type, 4) == 0;
  return matches ? RiffChunks(file_, list.Data + 4, list.Data + list.Size) : RiffChunks(file_, 0, 0);
}

bool RiffChunks::Find(const char* id, RiffChunk& chunk) {
  while (Next(chunk))
    if (chunk.Is(id)) return true;
  return false;
}

RiffForm ReadRiffForm(ByteSource& file) {
  RiffForm form;
  uint8_t head[12];
  if (file.ReadAt(0, head, 12) != 12 || std::memcmp(head, "RIFF", 4) != 0) return form;
  std::memcpy(form.Type, head + 8, 4);
  // Writers that stream leave the size 0 (or wrong): the file's end holds.
  const int64_t declared = int64_t{Le32(head + 4)} + 8;
  form.End = declared > 12 ? std::min(declared, file.Size()) : file.Size();
  return form;
}
