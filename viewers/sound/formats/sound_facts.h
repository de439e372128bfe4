// What the sound viewer says about a file before it plays it: a WAV's
// format, channels, rate, depth and length; a MIDI file's tracks, tempo and
// length; an AVI's frame size, rate and length. Read from the headers
// alone, through the file seam.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "viewers/graphics/formats/byte_source.h"

enum class SoundKind { None, Wave, Midi, Video };

// How a WAV's samples are stored, where the waveform can draw them.
enum class SampleCoding { None, Integer, Float };

struct SoundFacts {
  SoundKind Kind = SoundKind::None;
  std::string Format;  // "PCM", "IMA ADPCM", "MIDI type 1", the video's codec...
  uint32_t DurationMs = 0;
  // WAV, and an AVI's sound.
  int Channels = 0;
  uint32_t SampleRate = 0;
  int Bits = 0;
  // Where a WAV's samples lie and how each frame (a sample of every
  // channel) is stored.
  SampleCoding Coding = SampleCoding::None;
  int64_t DataOffset = 0, DataSize = 0;
  int BlockAlign = 0;
  // MIDI: the tracks, and the tempo at the start in beats a minute.
  int Tracks = 0;
  double Tempo = 0;
  // AVI.
  int32_t Width = 0, Height = 0;
  double FramesPerSecond = 0;
  uint32_t Frames = 0;
};

SoundFacts ReadSoundFacts(ByteSource& file);
// The facts in a line for the status text, such as "WAV: PCM, 44100 Hz,
// 2 channels, 16 bits, 0:03.5".
std::string DescribeSound(const SoundFacts& facts);
// A length as minutes, seconds and tenths ("1:02.5").
std::string FormatDuration(uint32_t ms);

// The facts as the window lists them: a label and its value a line.
struct FactLine {
  std::string Label, Value;
};
std::vector<FactLine> FactLines(const SoundFacts& facts);
