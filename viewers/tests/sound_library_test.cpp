// ZRWAV32.DLL in a stand-in viewer window: it refuses what is not a sound,
// names a WAV's facts in the status text, draws its waveform where the
// samples are, and plays only where the system has a sound device.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/support/sound_bytes.h"
#include "tests/support/temp_folder.h"
#include "viewers/contract/viewer_messages.h"
#include "viewers/tests/painted.h"
#include "viewers/tests/viewer_host.h"

namespace {

// The pixels of colour in column x of what the child paints, below top.
int PixelsInColumn(HWND child, int x, int top, COLORREF colour) {
  const Painted painted(child);
  int count = 0;
  for (int y = top; y < painted.Height(); ++y) count += painted.At(x, y) == colour;
  return count;
}

TEST(SoundLibraryTest, NamesAWavsFactsAndDrawsItsWaveformWhereTheSoundIs) {
  TempFolder dir;
  ViewerHost host(kSoundLibrary);
  EXPECT_EQ(host.Open(dir.Write("not.wav", "plain words\r\n"), 15), 0) << "not a sound";
  ASSERT_NE(host.Open(dir.Write("tone.wav", HalfSilentWaveBytes(8000, 8000)), 15), 0);
  const bool device = waveOutGetNumDevs() > 0;
  EXPECT_EQ(host.Status(), std::string("WAV: PCM, 8000 Hz, 1 channel, 16 bits, 0:01.0") +
                               (device ? "" : "; cannot play: no sound device"));

  RECT area;
  GetClientRect(host.child(), &area);
  const COLORREF ink = GetSysColor(COLOR_WINDOWTEXT);
  const int below = area.bottom / 2;  // under the lines of facts
  EXPECT_LE(PixelsInColumn(host.child(), area.right / 4, below, ink), 2) << "silence is a flat line";
  EXPECT_GE(PixelsInColumn(host.child(), area.right * 3 / 4, below, ink), area.bottom / 4)
      << "the square wave fills its band";

  const size_t told = host.toldParent.size();
  EXPECT_EQ(host.Send(ZV_PLAY), device ? 1 : 0);
  if (device) {
    EXPECT_NE(host.Status().find("; playing "), std::string::npos);
    EXPECT_EQ(host.Send(ZV_PLAY), 1) << "a second Play stops";
    EXPECT_EQ(host.Status().find("; playing "), std::string::npos);
  } else {
    EXPECT_EQ(host.toldParent.size(), told) << "nothing to tell without a device";
  }
}

}  // namespace
