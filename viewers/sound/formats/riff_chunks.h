// The chunks of a RIFF file (WAV, AVI, RMI) one after the other within a
// range of the file: each its four-letter name, where its data starts and
// how long it is (cut where the range ends). A list chunk's own type is the
// first four bytes of its data, and its chunks follow that.
#pragma once
#include <cstdint>
#include <cstring>

#include "viewers/graphics/formats/byte_source.h"

struct RiffChunk {
  char Id[4] = {};
  int64_t Data = 0;
  int64_t Size = 0;
  bool Is(const char* id) const { return std::memcmp(Id, id, 4) == 0; }
};

class RiffChunks {
 public:
  RiffChunks(ByteSource& file, int64_t start, int64_t end);
  // The next chunk; false at the end of the range.
  bool Next(RiffChunk& chunk);
  // The chunks of a list chunk of the given type ("hdrl"), or of none when
  // the chunk is another.
  RiffChunks Inside(const RiffChunk& list, const char* type) const;
  // The first chunk named id in the range, searched from where it stands.
  bool Find(const char* id, RiffChunk& chunk);

 private:
  ByteSource& file_;
  int64_t next_, end_;
};

// The file's form ("WAVE", "AVI ", "RMID") when it is a RIFF file, with
// the chunks of its top level; an empty form otherwise.
struct RiffForm {
  char Type[5] = {};
  int64_t End = 0;
};
RiffForm ReadRiffForm(ByteSource& file);
