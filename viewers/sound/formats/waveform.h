// The waveform of a WAV's samples: for each column (a pixel column of the
// window), the least and the greatest sample of each channel among the
// frames that column stands for, as fractions of full scale (-1 to 1).
// The samples are read once, in order, through a buffer, so a file of any
// length is drawn without being loaded.
#pragma once
#include <vector>

#include "viewers/sound/formats/sound_facts.h"

struct SampleRange {
  float Least = 1, Greatest = -1;  // Least above Greatest: no frame fell here
  bool Empty() const { return Least > Greatest; }
};
using Waveform = std::vector<std::vector<SampleRange>>;  // [channel][column]

// The first channels a waveform shows; a file may claim thousands.
constexpr int kMostWaveChannels = 8;

// Empty when the samples are not stored plainly (a codec's) or there are
// none.
Waveform ReadWaveform(ByteSource& file, const SoundFacts& wave, int columns);
