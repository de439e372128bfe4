// ZRWAV32.DLL: the sound viewer. Its window lists a WAV, MIDI or AVI
// file's facts and draws a WAV's waveform; Play plays the file through the
// media control interface with a moving mark over the waveform and the
// time played in the status text, and a second Play stops it.
#include <windows.h>

#include <algorithm>
#include <string>

#include "common/text_copy.h"
#include "viewers/base/viewer_class.h"
#include "viewers/base/viewer_parent.h"
#include "viewers/contract/viewer_names.h"
#include "viewers/sound/formats/waveform.h"
#include "viewers/sound/sound_player.h"

namespace {

constexpr UINT_PTR kPositionTimer = 1;
constexpr UINT kPositionEveryMs = 100;
constexpr int kMargin = 8;

class SoundWindow : public ViewerWindow {
 public:
  explicit SoundWindow(HWND window) : ViewerWindow(window), player_(window) {}

  bool Open(const char* path, int, bool) override {
    ByteSource file(path);
    if (!file.IsOpen()) return false;
    SoundFacts facts = ReadSoundFacts(file);
    if (facts.Kind == SoundKind::None) return false;
    StopPlaying();
    facts_ = std::move(facts);
    CopyText(path_, path);
    waveform_.clear();
    waveformWidth_ = -1;
    const bool device = SoundPlayer::DeviceFor(facts_.Kind);
    const bool samples = facts_.Kind != SoundKind::Wave || facts_.DataSize > 0;
    playable_ = device && samples;
    factsText_ = DescribeSound(facts_);
    SetStatus((playable_ ? factsText_
                         : factsText_ + "; cannot play: " + (device ? "no samples" : "no sound device"))
                  .c_str());
    if (playable_) SendMessageA(GetParent(Window()), ZV_CANPLAY, 0, 0);
    SetScrollRange(Window(), SB_HORZ, 0, 0, TRUE);
    SetScrollRange(Window(), SB_VERT, 0, 0, TRUE);
    InvalidateRect(Window(), nullptr, TRUE);
    return true;
  }

  bool Play() override {
    if (!playable_) return false;
    if (player_.Playing()) {
      StopPlaying();
      return true;
    }
    std::string why;
    if (!player_.Play(path_, facts_.Kind, why)) {
      SetStatus((factsText_ + "; cannot play: " + why).c_str());
      ReportStatusChanged(Window());
      MessageBeep(MB_ICONEXCLAMATION);
      return false;
    }
    SetTimer(Window(), kPositionTimer, kPositionEveryMs, nullptr);
    ShowPosition();
    return true;
  }

  bool SetFont(const LOGFONTA&) override {
    InvalidateRect(Window(), nullptr, TRUE);
    return true;
  }

  bool OnWindowMessage(UINT msg, WPARAM wParam, LPARAM, LRESULT* result) override {
    switch (msg) {
      case WM_TIMER:
        if (wParam != kPositionTimer) return false;
        ShowPosition();
        break;
      case MM_MCINOTIFY: StopPlaying(); break;
      case WM_SIZE: InvalidateRect(Window(), nullptr, TRUE); break;
      default: return false;
    }
    *result = 0;
    return true;
  }

  void Paint(HDC dc, const RECT& area) override {
    ViewerWindow::Paint(dc, area);
    const LOGFONTA* shared = AskSharedFont(Window());
    HFONT font = shared ? CreateFontIndirectA(shared) : nullptr;
    HGDIOBJ oldFont = SelectObject(dc, font ? font : GetStockObject(ANSI_VAR_FONT));
    SetTextColor(dc, AskTextColor(Window()));
    SetBkMode(dc, TRANSPARENT);
    TEXTMETRICA metrics;
    GetTextMetricsA(dc, &metrics);
    int y = kMargin;
    for (const FactLine& line : FactLines(facts_)) {
      const std::string text = line.Label + ": " + line.Value;
      TextOutA(dc, kMargin, y, text.c_str(), static_cast<int>(text.size()));
      y += metrics.tmHeight;
    }
    SelectObject(dc, oldFont);
    if (font) DeleteObject(font);
    RECT client;
    GetClientRect(Window(), &client);
    waveArea_ = {kMargin, y + kMargin, client.right - kMargin, client.bottom - kMargin};
    DrawWaveform(dc);
  }

 private:
  void StopPlaying() {
    if (!player_.Playing()) return;
    player_.Stop();
    KillTimer(Window(), kPositionTimer);
    mark_ = -1;
    SetStatus(factsText_.c_str());
    ReportStatusChanged(Window());
    InvalidateRect(Window(), nullptr, TRUE);
  }

  // The mark over the waveform and the time played in the status text.
  void ShowPosition() {
    const uint32_t ms = player_.Position();
    SetStatus((factsText_ + "; playing " + FormatDuration(ms)).c_str());
    ReportStatusChanged(Window());
    const int width = waveArea_.right - waveArea_.left;
    const int mark = facts_.DurationMs && width > 0
                         ? static_cast<int>(static_cast<int64_t>(std::min(ms, facts_.DurationMs)) * width / facts_.DurationMs)
                         : -1;
    if (mark != mark_) {
      mark_ = mark;
      InvalidateRect(Window(), &waveArea_, TRUE);
    }
  }

  // Each channel in a band of its own: a line from the least to the
  // greatest sample in every column, about the band's middle.
  void DrawWaveform(HDC dc) {
    const int width = waveArea_.right - waveArea_.left;
    const int height = waveArea_.bottom - waveArea_.top;
    if (facts_.Coding == SampleCoding::None || width <= 0 || height <= 0) return;
    if (width != waveformWidth_) {
      ByteSource file(path_);
      waveform_ = ReadWaveform(file, facts_, width);
      waveformWidth_ = width;
    }
    if (waveform_.empty()) return;
    const int band = height / static_cast<int>(waveform_.size());
    HPEN middle = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_GRAYTEXT));
    HPEN wave = CreatePen(PS_SOLID, 1, AskTextColor(Window()));
    HGDIOBJ oldPen = SelectObject(dc, middle);
    for (size_t ch = 0; ch < waveform_.size(); ++ch) {
      const int centre = waveArea_.top + band * static_cast<int>(ch) + band / 2;
      const auto yOf = [&](float v) { return centre - static_cast<int>(v * (band / 2 - 1)); };
      SelectObject(dc, middle);
      MoveToEx(dc, waveArea_.left, centre, nullptr);
      LineTo(dc, waveArea_.right, centre);
      SelectObject(dc, wave);
      for (int x = 0; x < width; ++x) {
        const SampleRange& range = waveform_[ch][x];
        if (range.Empty()) continue;
        MoveToEx(dc, waveArea_.left + x, yOf(range.Greatest), nullptr);
        LineTo(dc, waveArea_.left + x, yOf(range.Least) + 1);
      }
    }
    SelectObject(dc, oldPen);
    DeleteObject(wave);
    DeleteObject(middle);
    if (mark_ >= 0) {
      RECT line = {waveArea_.left + mark_, waveArea_.top, waveArea_.left + mark_ + 2, waveArea_.bottom};
      HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
      FillRect(dc, &line, red);
      DeleteObject(red);
    }
  }

  SoundPlayer player_;
  SoundFacts facts_;
  std::string factsText_;
  char path_[MAX_PATH] = "";
  bool playable_ = false;
  Waveform waveform_;
  int waveformWidth_ = -1;
  RECT waveArea_{};
  int mark_ = -1;
};

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE dll, DWORD reason, LPVOID) {
  return ViewerLibraryMain<SoundWindow>(dll, reason, kSoundLibrary.WindowClass);
}
