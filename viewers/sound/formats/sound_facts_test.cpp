#include "viewers/sound/formats/sound_facts.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "viewer/buffer/memory_files.h"
#include "viewers/sound/formats/waveform.h"

namespace {

using Bytes = std::vector<uint8_t>;

void Le(Bytes& out, uint32_t v, int n) {
  for (int i = 0; i < n; ++i) out.push_back(static_cast<uint8_t>(v >> 8 * i));
}
void Be(Bytes& out, uint32_t v, int n) {
  for (int i = n - 1; i >= 0; --i) out.push_back(static_cast<uint8_t>(v >> 8 * i));
}
Bytes Chunk(const char* id, const Bytes& data) {
  Bytes out(id, id + 4);
  Le(out, static_cast<uint32_t>(data.size()), 4);
  out.insert(out.end(), data.begin(), data.end());
  if (data.size() & 1) out.push_back(0);
  return out;
}
Bytes List(const char* type, const std::vector<Bytes>& chunks, const char* id = "LIST") {
  Bytes data(type, type + 4);
  for (const Bytes& c : chunks) data.insert(data.end(), c.begin(), c.end());
  return Chunk(id, data);
}
Bytes Riff(const char* form, const std::vector<Bytes>& chunks) { return List(form, chunks, "RIFF"); }

Bytes Format(uint16_t tag, int channels, uint32_t rate, int bits) {
  Bytes f;
  const int block = channels * bits / 8;
  Le(f, tag, 2), Le(f, channels, 2), Le(f, rate, 4), Le(f, rate * block, 4), Le(f, block, 2), Le(f, bits, 2);
  return f;
}

// One channel's sample of full scale times value, at the depth.
void PutSample(Bytes& out, double value, int bits, bool floating) {
  if (floating && bits == 32) {
    float f = static_cast<float>(value);
    uint32_t u;
    std::memcpy(&u, &f, 4);
    Le(out, u, 4);
  } else if (floating) {
    uint64_t u;
    std::memcpy(&u, &value, 8);
    Le(out, static_cast<uint32_t>(u), 4), Le(out, static_cast<uint32_t>(u >> 32), 4);
  } else if (bits == 8) {
    out.push_back(static_cast<uint8_t>(128 + value * 127));
  } else {
    Le(out, static_cast<uint32_t>(static_cast<int64_t>(value * ((1LL << (bits - 1)) - 1))), bits / 8);
  }
}

SoundFacts FactsOf(const Bytes& bytes, Waveform* waveform = nullptr, int columns = 0) {
  UseMemoryFiles().Files["sound"] = bytes;
  ByteSource file("sound");
  SoundFacts facts = ReadSoundFacts(file);
  if (waveform) *waveform = ReadWaveform(file, facts, columns);
  return facts;
}

TEST(SoundFacts, AWavOfEveryDepthGivesItsFactsAndItsExtremesInTheirColumns) {
  struct Case {
    uint16_t tag;
    int bits;
    const char* format;
  };
  for (const Case& c : {Case{1, 8, "PCM"}, Case{1, 16, "PCM"}, Case{1, 24, "PCM"}, Case{1, 32, "PCM"},
                        Case{3, 32, "IEEE float"}, Case{3, 64, "IEEE float"}}) {
    SCOPED_TRACE(c.bits);
    Bytes samples;  // 1000 frames of two channels: a peak at 250, a trough at 750 in the first
    for (int frame = 0; frame < 1000; ++frame) {
      PutSample(samples, frame == 250 ? 0.5 : frame == 750 ? -0.75 : 0, c.bits, c.tag == 3);
      PutSample(samples, 0, c.bits, c.tag == 3);
    }
    Waveform waveform;
    const SoundFacts facts =
        FactsOf(Riff("WAVE", {Chunk("fmt ", Format(c.tag, 2, 8000, c.bits)), Chunk("data", samples)}), &waveform, 100);
    EXPECT_EQ(DescribeSound(facts), std::string("WAV: ") + c.format + ", 8000 Hz, 2 channels, " +
                                        std::to_string(c.bits) + " bits, 0:00.1");
    EXPECT_EQ(facts.DurationMs, 125u);
    ASSERT_EQ(waveform.size(), 2u);
    ASSERT_EQ(waveform[0].size(), 100u);
    for (int column = 0; column < 100; ++column) {
      const SampleRange& r = waveform[0][column];
      EXPECT_NEAR(r.Greatest, column == 25 ? 0.5 : 0, 0.02) << column;
      EXPECT_NEAR(r.Least, column == 75 ? -0.75 : 0, 0.02) << column;
      EXPECT_NEAR(waveform[1][column].Greatest, 0, 0.02);
    }
  }
}

TEST(SoundFacts, ACodedOrBrokenWavKeepsItsFactsAndDrawsOnlySoundSamples) {
  const Bytes fmt = Chunk("fmt ", Format(1, 1, 11025, 16));
  Bytes tone;
  for (int i = 0; i < 200; ++i) PutSample(tone, i % 2 ? 0.9 : -0.9, 16, false);
  Bytes cut = Riff("WAVE", {fmt, Chunk("data", tone)});
  cut.resize(cut.size() - 100);  // its data chunk claims more than the file holds

  struct Case {
    const char* what;
    Bytes bytes;
    SoundKind kind;
    size_t channels;  // of the waveform, 0 for none
  };
  Bytes adpcm = Format(0x11, 1, 11025, 4);
  Bytes noBlock = Format(1, 2, 8000, 16);
  noBlock[12] = noBlock[13] = 0;
  const Case cases[] = {
      {"data cut short", cut, SoundKind::Wave, 1},
      {"a codec's samples", Riff("WAVE", {Chunk("fmt ", adpcm), Chunk("data", tone)}), SoundKind::Wave, 0},
      {"no frame size", Riff("WAVE", {Chunk("fmt ", noBlock), Chunk("data", tone)}), SoundKind::Wave, 0},
      {"no format", Riff("WAVE", {Chunk("data", tone)}), SoundKind::None, 0},
      {"no samples", Riff("WAVE", {fmt}), SoundKind::Wave, 0},
      {"a thousand channels", Riff("WAVE", {Chunk("fmt ", Format(1, 1000, 8000, 8)), Chunk("data", tone)}),
       SoundKind::Wave, 0},
  };
  for (const Case& c : cases) {
    Waveform waveform;
    EXPECT_EQ(FactsOf(c.bytes, &waveform, 50).Kind, c.kind) << c.what;
    EXPECT_EQ(waveform.size(), c.channels) << c.what;
  }
  Bytes many;  // 1000 channels of one byte a frame, four frames
  for (int i = 0; i < 4000; ++i) many.push_back(200);
  Waveform waveform;
  FactsOf(Riff("WAVE", {Chunk("fmt ", Format(1, 1000, 8000, 8)), Chunk("data", many)}), &waveform, 10);
  EXPECT_EQ(waveform.size(), static_cast<size_t>(kMostWaveChannels));
  EXPECT_EQ(waveform[0][7].Empty(), false);
  EXPECT_EQ(waveform[0][9].Empty(), true);  // four frames over ten columns: 0, 2, 5, 7
}

// A standard MIDI file of two tracks at 96 ticks a quarter: the first sets
// 120 beats a minute, then twice as fast at tick 192; the second plays notes
// in running status up to tick 480.
Bytes TwoTracks() {
  Bytes midi = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1, 0, 2, 0, 96};
  const auto track = [&](const Bytes& events) {
    midi.insert(midi.end(), {'M', 'T', 'r', 'k'});
    Be(midi, static_cast<uint32_t>(events.size()), 4);
    midi.insert(midi.end(), events.begin(), events.end());
  };
  track({0, 0xFF, 0x51, 3, 0x07, 0xA1, 0x20,         // 500000 us a quarter
         0x81, 0x40, 0xFF, 0x51, 3, 0x03, 0xD0, 0x90,  // at 192: 250000
         0x81, 0x40, 0xFF, 0x2F, 0});                  // ends at 384
  track({0, 0x90, 60, 100, 0x60, 60, 0, 0x60, 64, 100, 0x60, 64, 0,  // running status
         0x00, 0xF0, 2, 0x43, 0xF7, 0x81, 0x40, 0xC0, 5,             // sysex, then a program at 480
         0, 0xFF, 0x2F, 0});
  return midi;
}

TEST(SoundFacts, MidiGivesTracksTempoAndLengthThroughTheTempoChangesAlsoInsideAnRmi) {
  // 192 ticks at half a second a quarter, then 288 at a quarter second.
  for (const Bytes& bytes : {TwoTracks(), Riff("RMID", {Chunk("data", TwoTracks())})}) {
    const SoundFacts facts = FactsOf(bytes);
    EXPECT_EQ(facts.Kind, SoundKind::Midi);
    EXPECT_EQ(facts.Tracks, 2);
    EXPECT_EQ(facts.DurationMs, 1750u);
    EXPECT_EQ(DescribeSound(facts), "MIDI type 1: 2 tracks, tempo 120, 0:01.7");
  }
  Bytes broken = TwoTracks();
  broken[21] = 0x7F;  // the first track claims 2 GB
  EXPECT_EQ(FactsOf(broken).Tracks, 1);
  const Bytes whole = TwoTracks();
  EXPECT_EQ(FactsOf(Bytes(whole.begin(), whole.begin() + 30)).Kind, SoundKind::Midi);
  EXPECT_EQ(FactsOf(Bytes{'M', 'T', 'h', 'd', 0, 0, 0, 2}).Kind, SoundKind::None);
}

TEST(SoundFacts, AviGivesFrameSizeRateLengthCodecAndItsSound) {
  Bytes avih;
  for (uint32_t v : {40000u, 0u, 0u, 0u, 250u, 0u, 2u, 0u, 320u, 240u}) Le(avih, v, 4);
  Bytes video(8, 0), bitmap(16, 0), audio(8, 0);
  std::memcpy(video.data(), "vids", 4);
  std::memcpy(audio.data(), "auds", 4);
  bitmap.insert(bitmap.end(), {'M', 'J', 'P', 'G'});
  const Bytes avi = Riff("AVI ", {List("hdrl", {Chunk("avih", avih),
                                                List("strl", {Chunk("strh", video), Chunk("strf", bitmap)}),
                                                List("strl", {Chunk("strh", audio), Chunk("strf", Format(1, 1, 22050, 16))})}),
                                  List("movi", {})});
  const SoundFacts facts = FactsOf(avi);
  EXPECT_EQ(DescribeSound(facts),
            "AVI: MJPG, 320 x 240, 25.00 frames a second, 0:10.0; sound 22050 Hz, 1 channel, 16 bits");
  EXPECT_EQ(FactsOf(Riff("AVI ", {List("hdrl", {Chunk("avih", Bytes(12, 0))})})).Kind, SoundKind::None);
}

}  // namespace
