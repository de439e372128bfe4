#include "viewers/sound/formats/sound_facts.h"

#include <cstdio>
#include <cstring>

#include "viewers/sound/formats/riff_chunks.h"
#include "viewers/sound/formats/sound_readers.h"

namespace {

std::string Count(long n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

// An RMI file holds a standard MIDI file as its data chunk.
SoundFacts ReadRmiFacts(ByteSource& file, int64_t end) {
  RiffChunks chunks(file, 12, end);
  RiffChunk data;
  return chunks.Find("data", data) ? ReadMidiFacts(file, data.Data, data.Data + data.Size) : SoundFacts{};
}

}  // namespace

SoundFacts ReadSoundFacts(ByteSource& file) {
  const RiffForm form = ReadRiffForm(file);
  if (!std::strcmp(form.Type, "WAVE")) return ReadWaveFacts(file, form.End);
  if (!std::strcmp(form.Type, "AVI ")) return ReadAviFacts(file, form.End);
  if (!std::strcmp(form.Type, "RMID")) return ReadRmiFacts(file, form.End);
  return ReadMidiFacts(file, 0, file.Size());
}

std::string FormatDuration(uint32_t ms) {
  char text[32];
  std::snprintf(text, sizeof text, "%lu:%02lu.%lu", static_cast<unsigned long>(ms / 60000),
                static_cast<unsigned long>(ms / 1000 % 60), static_cast<unsigned long>(ms / 100 % 10));
  return text;
}

std::string DescribeSound(const SoundFacts& f) {
  const auto sound = [&] {
    return std::to_string(f.SampleRate) + " Hz, " + Count(f.Channels, "channel", "channels") +
           (f.Bits ? ", " + std::to_string(f.Bits) + " bits" : "");
  };
  switch (f.Kind) {
    case SoundKind::Wave: return "WAV: " + f.Format + ", " + sound() + ", " + FormatDuration(f.DurationMs);
    case SoundKind::Midi: {
      char tempo[16];
      std::snprintf(tempo, sizeof tempo, "%.0f", f.Tempo);
      return f.Format + ": " + Count(f.Tracks, "track", "tracks") + ", tempo " + tempo + ", " +
             FormatDuration(f.DurationMs);
    }
    case SoundKind::Video: {
      char rate[24];
      std::snprintf(rate, sizeof rate, "%.2f", f.FramesPerSecond);
      std::string text = "AVI: " + f.Format + ", " + std::to_string(f.Width) + " x " + std::to_string(f.Height) +
                         ", " + rate + " frames a second, " + FormatDuration(f.DurationMs);
      return f.Channels ? text + "; sound " + sound() : text;
    }
    default: return {};
  }
}

std::vector<FactLine> FactLines(const SoundFacts& f) {
  std::vector<FactLine> lines;
  const auto sound = [&] {
    lines.push_back({"Sample rate", std::to_string(f.SampleRate) + " Hz"});
    lines.push_back({"Channels", std::to_string(f.Channels)});
    if (f.Bits) lines.push_back({"Bits", std::to_string(f.Bits)});
  };
  switch (f.Kind) {
    case SoundKind::Wave:
      lines.push_back({"Format", f.Format});
      sound();
      break;
    case SoundKind::Midi:
      lines.push_back({"Format", f.Format});
      lines.push_back({"Tracks", std::to_string(f.Tracks)});
      lines.push_back({"Tempo", std::to_string(static_cast<int>(f.Tempo + 0.5)) + " beats a minute"});
      break;
    case SoundKind::Video: {
      char rate[24];
      std::snprintf(rate, sizeof rate, "%.2f", f.FramesPerSecond);
      lines.push_back({"Video", f.Format});
      lines.push_back({"Frame size", std::to_string(f.Width) + " x " + std::to_string(f.Height)});
      lines.push_back({"Frame rate", std::string(rate) + " a second"});
      lines.push_back({"Frames", std::to_string(f.Frames)});
      if (f.Channels) sound();
      break;
    }
    default: return lines;
  }
  lines.push_back({"Length", FormatDuration(f.DurationMs)});
  return lines;
}
