#include "viewers/sound/formats/sound_readers.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <string>

namespace {

constexpr uint32_t kDefaultTempo = 500000;  // microseconds a quarter note: 120 beats a minute

uint32_t Be32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) << 24 | static_cast<uint32_t>(p[1]) << 16 |
         static_cast<uint32_t>(p[2]) << 8 | p[3];
}

// One track's events, read for their times and tempo changes alone.
class TrackReader {
 public:
  TrackReader(ByteSource& file, int64_t start, int64_t end) : file_(file), end_(end) { file.SeekTo(start); }

  // Walks the track to its end, putting each tempo change into tempos;
  // gives the tick of its last event.
  uint64_t Walk(std::map<uint64_t, uint32_t>& tempos) {
    uint64_t tick = 0;
    int running = 0;
    while (!Done()) {
      tick += Number();
      int status = Byte();
      if (status < 0) break;
      if (status < 0x80) {  // running status: this byte is the first data byte
        if (!running) break;
        Skip(DataBytes(running) - 1);
        continue;
      }
      if (status == 0xF0 || status == 0xF7 || status == 0xFF) running = 0;  // they end running status
      if (status == 0xFF) {
        const int type = Byte();
        const uint32_t length = Number();
        if (type == 0x2F) break;  // end of track
        if (type == 0x51 && length == 3) {
          const int a = Byte(), b = Byte(), c = Byte();
          if (c >= 0 && !tempos.count(tick)) tempos[tick] = static_cast<uint32_t>(a << 16 | b << 8 | c);
        } else {
          Skip(length);
        }
      } else if (status == 0xF0 || status == 0xF7) {
        Skip(Number());
      } else if (status >= 0xF0) {
        // system common messages carry no running status
        Skip(status == 0xF2 ? 2 : status == 0xF3 || status == 0xF1 ? 1 : 0);
      } else {
        running = status;
        Skip(DataBytes(status));
      }
    }
    return tick;
  }

 private:
  static int DataBytes(int status) { return (status & 0xF0) == 0xC0 || (status & 0xF0) == 0xD0 ? 1 : 2; }
  bool Done() { return file_.Position() >= end_ || file_.AtEnd(); }
  int Byte() { return Done() ? -1 : file_.Get(); }
  void Skip(int64_t n) { file_.SeekTo(std::min(file_.Position() + n, end_)); }
  // A variable-length number: at most four bytes of seven bits.
  uint32_t Number() {
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i) {
      const int b = Byte();
      if (b < 0) return value;
      value = value << 7 | (b & 0x7F);
      if (!(b & 0x80)) break;
    }
    return value;
  }

  ByteSource& file_;
  int64_t end_;
};

// The milliseconds from the start to tick, through the tempo changes.
double MillisecondsTo(uint64_t tick, const std::map<uint64_t, uint32_t>& tempos, uint16_t division) {
  if (division & 0x8000) {  // frames a second and ticks a frame
    const int fps = -static_cast<int8_t>(division >> 8), perFrame = division & 0xFF;
    return fps > 0 && perFrame ? static_cast<double>(tick) * 1000 / (fps * perFrame) : 0;
  }
  if (!division) return 0;
  double ms = 0;
  uint64_t at = 0;
  uint32_t tempo = kDefaultTempo;
  for (const auto& [when, value] : tempos) {
    if (when >= tick) break;
    ms += static_cast<double>(when - at) * tempo / division / 1000;
    at = when, tempo = value;
  }
  return ms + static_cast<double>(tick - at) * tempo / division / 1000;
}

}  // namespace

SoundFacts ReadMidiFacts(ByteSource& file, int64_t start, int64_t end) {
  SoundFacts facts;
  uint8_t head[14];
  end = std::min(end, file.Size());
  if (start + 14 > end || file.ReadAt(start, head, 14) != 14 || std::memcmp(head, "MThd", 4) != 0 || Be32(head + 4) < 6)
    return facts;
  facts.Kind = SoundKind::Midi;
  const uint16_t type = static_cast<uint16_t>(head[8] << 8 | head[9]);
  const uint16_t division = static_cast<uint16_t>(head[12] << 8 | head[13]);
  facts.Format = "MIDI type " + std::to_string(type);
  std::map<uint64_t, uint32_t> tempos;
  uint64_t last = 0;
  for (int64_t at = start + 8 + Be32(head + 4); at + 8 <= end;) {
    uint8_t chunk[8];
    if (file.ReadAt(at, chunk, 8) != 8) break;
    const int64_t data = at + 8, length = std::min<int64_t>(Be32(chunk + 4), end - data);
    if (std::memcmp(chunk, "MTrk", 4) == 0) {
      ++facts.Tracks;
      last = std::max(last, TrackReader(file, data, data + length).Walk(tempos));
    }
    at = data + length;
  }
  facts.Tempo = 60e6 / (tempos.count(0) && tempos.at(0) ? tempos.at(0) : kDefaultTempo);
  facts.DurationMs = static_cast<uint32_t>(std::min<double>(MillisecondsTo(last, tempos, division), UINT32_MAX));
  return facts;
}
