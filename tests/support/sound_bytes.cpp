#include "tests/support/sound_bytes.h"

namespace {
void Put(std::string& b, uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) b.push_back(static_cast<char>(v >> 8 * i & 255));
}
}  // namespace

std::string HalfSilentWaveBytes(uint32_t sampleRate, uint32_t frames) {
  std::string data;
  for (uint32_t i = 0; i < frames; ++i)
    Put(data, i < frames / 2 ? 0 : static_cast<uint16_t>(i % 2 ? 30000 : -30000), 2);
  std::string wave = "RIFF";
  Put(wave, static_cast<uint32_t>(36 + data.size()), 4);
  wave += "WAVEfmt ";
  Put(wave, 16, 4), Put(wave, 1, 2), Put(wave, 1, 2), Put(wave, sampleRate, 4);
  Put(wave, sampleRate * 2, 4), Put(wave, 2, 2), Put(wave, 16, 2);
  wave += "data";
  Put(wave, static_cast<uint32_t>(data.size()), 4);
  return wave + data;
}
