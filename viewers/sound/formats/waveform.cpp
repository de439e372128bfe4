#include "viewers/sound/formats/waveform.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr size_t kFramesARead = 4096;

float SampleAt(const uint8_t* p, int bytes, SampleCoding coding) {
  if (coding == SampleCoding::Float) {
    double value;
    if (bytes == 4) {
      float f;
      std::memcpy(&f, p, 4);
      value = f;
    } else {
      std::memcpy(&value, p, 8);
    }
    return std::isnan(value) ? 0.0f : static_cast<float>(std::clamp(value, -1.0, 1.0));
  }
  switch (bytes) {
    case 1: return (p[0] - 128) / 128.0f;  // eight bits are unsigned
    case 2: return static_cast<int16_t>(p[0] | p[1] << 8) / 32768.0f;
    case 3: return static_cast<int32_t>(uint32_t{p[0]} << 8 | uint32_t{p[1]} << 16 | uint32_t{p[2]} << 24) / 2147483648.0f;
    default: return static_cast<int32_t>(Le32(p)) / 2147483648.0f;
  }
}

}  // namespace

Waveform ReadWaveform(ByteSource& file, const SoundFacts& wave, int columns) {
  if (wave.Coding == SampleCoding::None || columns <= 0 || wave.BlockAlign <= 0 || wave.Channels <= 0) return {};
  const uint64_t frames = static_cast<uint64_t>(wave.DataSize) / static_cast<uint64_t>(wave.BlockAlign);
  if (!frames) return {};
  const int shown = std::min(wave.Channels, kMostWaveChannels);
  const int bytes = wave.BlockAlign / wave.Channels;
  Waveform waveform(static_cast<size_t>(shown), std::vector<SampleRange>(static_cast<size_t>(columns)));
  // The first frame of column c is the least f with f * columns / frames >= c.
  const auto firstOf = [&](uint64_t c) { return (c * frames + columns - 1) / columns; };
  std::vector<uint8_t> block(kFramesARead * static_cast<size_t>(wave.BlockAlign));
  uint64_t frame = 0, column = 0, nextColumnAt = firstOf(1);
  file.SeekTo(wave.DataOffset);
  while (frame < frames) {
    const size_t wanted = static_cast<size_t>(std::min<uint64_t>(kFramesARead, frames - frame));
    const size_t got = file.Read(block.data(), wanted * wave.BlockAlign) / wave.BlockAlign;
    if (!got) break;
    for (size_t f = 0; f < got; ++f, ++frame) {
      while (frame >= nextColumnAt) nextColumnAt = firstOf(++column + 1);
      const uint8_t* p = block.data() + f * wave.BlockAlign;
      for (int ch = 0; ch < shown; ++ch) {
        const float sample = SampleAt(p + ch * bytes, bytes, wave.Coding);
        SampleRange& range = waveform[ch][column];
        range.Least = std::min(range.Least, sample);
        range.Greatest = std::max(range.Greatest, sample);
      }
    }
  }
  return waveform;
}
