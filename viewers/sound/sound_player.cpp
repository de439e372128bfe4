#include "viewers/sound/sound_player.h"

#include <cstdio>
#include <cstdlib>

SoundPlayer::SoundPlayer(HWND window) : window_(window) {
  std::snprintf(alias_, sizeof alias_, "zrwav%lx", static_cast<unsigned long>(reinterpret_cast<uintptr_t>(window)));
}

bool SoundPlayer::DeviceFor(SoundKind kind) {
  return kind == SoundKind::Midi ? midiOutGetNumDevs() > 0 : waveOutGetNumDevs() > 0;
}

bool SoundPlayer::Send(const std::string& command, char* answer, unsigned size) {
  return mciSendStringA(command.c_str(), answer, size, window_) == 0;
}

bool SoundPlayer::Play(const char* path, SoundKind kind, std::string& why) {
  Stop();
  const char* device = kind == SoundKind::Midi ? "sequencer" : kind == SoundKind::Video ? "avivideo" : "waveaudio";
  const std::string open = std::string("open \"") + path + "\" type " + device + " alias " + alias_;
  const MCIERROR failed = mciSendStringA(open.c_str(), nullptr, 0, window_);
  if (failed) {
    char text[256] = "";
    mciGetErrorStringA(failed, text, sizeof text);
    why = text[0] ? text : "the media device refused it";
    return false;
  }
  open_ = true;
  Send(std::string("set ") + alias_ + " time format milliseconds");
  if (!Send(std::string("play ") + alias_ + " from 0 notify")) {
    why = "the media device would not play it";
    Stop();
    return false;
  }
  return true;
}

void SoundPlayer::Stop() {
  if (!open_) return;
  open_ = false;
  Send(std::string("close ") + alias_);
}

uint32_t SoundPlayer::Position() {
  char answer[32] = "";
  if (!open_ || !Send(std::string("status ") + alias_ + " position", answer, sizeof answer)) return 0;
  return static_cast<uint32_t>(std::strtoul(answer, nullptr, 10));
}
