#include "viewers/sound/formats/sound_readers.h"

#include <algorithm>
#include <cstring>

#include "viewers/sound/formats/riff_chunks.h"

namespace {

// A four-letter code as text, with anything unprintable left out.
std::string CodeText(const uint8_t* code) {
  std::string text;
  for (int i = 0; i < 4; ++i)
    if (code[i] > ' ' && code[i] < 0x7F) text += static_cast<char>(code[i]);
  return text;
}

// The video stream's codec, and an audio stream's channels, rate and depth,
// from the stream headers and formats of the header list.
void ReadStreams(ByteSource& file, RiffChunks header, SoundFacts& facts) {
  RiffChunk list;
  while (header.Find("LIST", list)) {
    RiffChunks stream = header.Inside(list, "strl");
    RiffChunk chunk;
    uint8_t kind[4] = {};
    while (stream.Next(chunk)) {
      uint8_t bytes[20] = {};
      const size_t got = file.ReadAt(chunk.Data, bytes, static_cast<size_t>(std::min<int64_t>(chunk.Size, sizeof bytes)));
      if (chunk.Is("strh") && got >= 8) {
        std::memcpy(kind, bytes, 4);
      } else if (chunk.Is("strf") && std::memcmp(kind, "vids", 4) == 0 && got >= 20 && facts.Format.empty()) {
        facts.Format = CodeText(bytes + 16);  // the bitmap header's compression
      } else if (chunk.Is("strf") && std::memcmp(kind, "auds", 4) == 0 && got >= 16 && !facts.Channels) {
        facts.Channels = Le16(bytes + 2);
        facts.SampleRate = Le32(bytes + 4);
        facts.Bits = Le16(bytes + 14);
      }
    }
  }
}

}  // namespace

SoundFacts ReadAviFacts(ByteSource& file, int64_t end) {
  SoundFacts facts;
  RiffChunks top(file, 12, end);
  RiffChunk list, main;
  while (top.Find("LIST", list)) {
    RiffChunks header = top.Inside(list, "hdrl");
    if (!header.Find("avih", main) || main.Size < 40) continue;
    uint8_t h[40];
    if (file.ReadAt(main.Data, h, 40) != 40) break;
    facts.Kind = SoundKind::Video;
    const uint32_t usPerFrame = Le32(h);
    facts.Frames = Le32(h + 16);
    facts.Width = static_cast<int32_t>(Le32(h + 32));
    facts.Height = static_cast<int32_t>(Le32(h + 36));
    if (usPerFrame) {
      facts.FramesPerSecond = 1e6 / usPerFrame;
      facts.DurationMs = static_cast<uint32_t>(std::min<double>(static_cast<double>(usPerFrame) * facts.Frames / 1000, UINT32_MAX));
    }
    ReadStreams(file, header, facts);
    if (facts.Format.empty()) facts.Format = "AVI";
    break;
  }
  return facts;
}
