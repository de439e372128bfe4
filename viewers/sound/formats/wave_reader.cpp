#include "viewers/sound/formats/sound_readers.h"

#include <algorithm>
#include <cstdio>

#include "viewers/sound/formats/riff_chunks.h"

namespace {

constexpr uint16_t kPcm = 1, kFloat = 3, kExtensible = 0xFFFE;

std::string NameOf(uint16_t tag) {
  switch (tag) {
    case kPcm: return "PCM";
    case 2: return "MS ADPCM";
    case kFloat: return "IEEE float";
    case 6: return "A-law";
    case 7: return "mu-law";
    case 0x11: return "IMA ADPCM";
    case 0x31: return "GSM 6.10";
    case 0x55: return "MPEG Layer 3";
    default: {
      char name[16];
      std::snprintf(name, sizeof name, "format 0x%04X", tag);
      return name;
    }
  }
}

}  // namespace

SoundFacts ReadWaveFacts(ByteSource& file, int64_t end) {
  SoundFacts facts;
  RiffChunks chunks(file, 12, end);
  RiffChunk chunk, data;
  uint8_t format[26] = {};
  bool haveFormat = false, haveData = false;
  while (chunks.Next(chunk) && !(haveFormat && haveData)) {
    if (chunk.Is("fmt ") && chunk.Size >= 16) {
      haveFormat = file.ReadAt(chunk.Data, format, std::min<int64_t>(chunk.Size, sizeof format)) >= 16;
    } else if (chunk.Is("data")) {
      data = chunk, haveData = true;
    }
  }
  if (!haveFormat) return facts;
  facts.Kind = SoundKind::Wave;
  uint16_t tag = Le16(format);
  // The extensible form names its coding in the first two bytes of its
  // sub-format; those beyond PCM and float keep the extensible tag's name.
  if (tag == kExtensible && (Le16(format + 24) == kPcm || Le16(format + 24) == kFloat)) tag = Le16(format + 24);
  facts.Format = NameOf(tag);
  facts.Channels = Le16(format + 2);
  facts.SampleRate = Le32(format + 4);
  const uint32_t bytesPerSecond = Le32(format + 8);
  facts.BlockAlign = Le16(format + 12);
  facts.Bits = Le16(format + 14);
  if (!haveData) return facts;
  facts.DataOffset = data.Data;
  // A writer that streamed may leave the size 0: the samples go on to the end.
  facts.DataSize = data.Size ? data.Size : std::min(end, file.Size()) - data.Data;
  if (bytesPerSecond) facts.DurationMs = static_cast<uint32_t>(std::min<int64_t>(facts.DataSize * 1000 / bytesPerSecond, UINT32_MAX));
  const int sampleBytes = facts.Channels ? facts.BlockAlign / facts.Channels : 0;
  const bool integer = tag == kPcm && sampleBytes >= 1 && sampleBytes <= 4;
  const bool floating = tag == kFloat && (sampleBytes == 4 || sampleBytes == 8);
  if ((integer || floating) && facts.BlockAlign == sampleBytes * facts.Channels)
    facts.Coding = integer ? SampleCoding::Integer : SampleCoding::Float;
  return facts;
}
