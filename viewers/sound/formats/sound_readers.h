// The readers behind ReadSoundFacts, one for each kind of file; each reads
// the part of the file up to end.
#pragma once
#include <cstdint>

#include "viewers/sound/formats/sound_facts.h"

// The chunks of a RIFF WAVE file after its twelve-byte head.
SoundFacts ReadWaveFacts(ByteSource& file, int64_t end);
// A standard MIDI file starting at start (0, or inside an RMI file).
SoundFacts ReadMidiFacts(ByteSource& file, int64_t start, int64_t end);
// The chunks of a RIFF AVI file after its twelve-byte head.
SoundFacts ReadAviFacts(ByteSource& file, int64_t end);
