// Playing a sound, MIDI or video file through the platform's media
// control interface, one device a window, with its end told to the window
// as MM_MCINOTIFY.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "viewers/sound/formats/sound_facts.h"

class SoundPlayer {
 public:
  explicit SoundPlayer(HWND window);
  ~SoundPlayer() { Stop(); }
  SoundPlayer(const SoundPlayer&) = delete;
  SoundPlayer& operator=(const SoundPlayer&) = delete;

  // Whether the system has a device for the kind at all.
  static bool DeviceFor(SoundKind kind);
  // Opens path and starts it from the beginning; the reason when it
  // cannot.
  bool Play(const char* path, SoundKind kind, std::string& why);
  void Stop();
  bool Playing() const { return open_; }
  // Milliseconds from the start of what plays.
  uint32_t Position();

 private:
  bool Send(const std::string& command, char* answer = nullptr, unsigned size = 0);

  HWND window_;
  char alias_[32];
  bool open_ = false;
};
