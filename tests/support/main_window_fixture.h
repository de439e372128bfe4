// A GoogleTest fixture with the real main window created in-process, a real
// profile file in a temporary folder and the Open dialog answered by a fake.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "tests/support/temp_folder.h"
#include "tests/support/window_polling.h"

// Puts the viewer's process-wide records back to their start values.
void ResetViewerRecords();
// Registers the class (once) and creates and shows the main window from
// the records as they are; nullptr on failure.
HWND CreateViewerWindow();

// The sounds that the window under test beeped, recorded instead of
// played (cleared when each test starts).
extern std::vector<UINT> gBeeps;

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Opens a file by name (VW_OPENNAME) and pumps the messages it posts.
  LRESULT OpenName(const std::string& name, WPARAM mayOfferDialog = 0);
  // Writes a file of `lines` lines "line NNNN" ended by CR LF (11 bytes
  // each) and opens it; returns its path.
  std::string OpenNumberedLines(int lines);
  std::string Caption() const { return WindowText(hwnd_); }
  std::string MenuText(HMENU menu, int pos) const;
  LRESULT Command(int id);

  std::string profileText_;  // set before SetUp to seed TARVO.INI
  TempFolder folder_;
  std::string profile_;
  HWND hwnd_ = nullptr;
};

constexpr int kNumberedLineBytes = 11;
