// The sound viewer's readers on any bytes: facts from the headers and the
// waveform of what the facts say are plain samples, never reading or
// writing outside what they hold; the sanitizers catch any stray access
// and a waveform must have the asked shape.
#include <cstdint>
#include <cstdlib>

#include "viewer/buffer/memory_files.h"
#include "viewers/sound/formats/waveform.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static MemoryFileSystem& fs = UseMemoryFiles();
  fs.Files["f"].assign(data, data + size);
  ByteSource file("f");
  const SoundFacts facts = ReadSoundFacts(file);
  DescribeSound(facts);
  const Waveform waveform = ReadWaveform(file, facts, 37);
  if (waveform.size() > static_cast<size_t>(kMostWaveChannels)) std::abort();
  for (const auto& channel : waveform)
    if (channel.size() != 37) std::abort();
  return 0;
}
