// The text library's edit mode and Save As: the size limit, the edit
// control, Ctrl+S, and a target written whole or not at all.
#include <gtest/gtest.h>

#include "tests/support/dialog_driver.h"
#include "tests/support/temp_folder.h"
#include "viewers/contract/viewer_messages.h"
#include "viewers/tests/viewer_host.h"

namespace {
class TextEditTest : public testing::Test {
 protected:
  TempFolder dir;
  ViewerHost host{kTextLibrary};
  std::string viewed = dir.Write("v.txt", "original\r\n");
  std::string target = dir / "out.txt";

  HWND Edit() const { return FindWindowExA(host.child(), nullptr, "EDIT", nullptr); }
  LRESULT SaveAs(const std::string& name) const {
    return host.Send(ZV_SAVEAS, kSaveKindText, reinterpret_cast<LPARAM>(name.c_str()));
  }
};

// Answers the first message box with button and keeps its text.
struct BoxAnswer {
  std::string text;
  DialogDriver driver;
  explicit BoxAnswer(int button)
      : driver([this, button](HWND box) {
          text = MessageBoxText(box);
          ClickButton(box, button);
        }) {}
};

TEST_F(TextEditTest, EditModeRefusesALargeFileNamingTheLimit) {
  ASSERT_NE(host.Open(dir.Write("big.txt", std::string(70000, 'b')), 0), 0);
  BoxAnswer box(IDOK);
  EXPECT_EQ(host.Send(ZV_MODE, 1), 0);
  EXPECT_NE(box.text.find("60,000"), std::string::npos) << box.text;
  EXPECT_EQ(Edit(), nullptr);
  EXPECT_NE(host.Status().find("View"), std::string::npos);
}

TEST_F(TextEditTest, EditModeShowsTheFileAndCtrlSAsksForSaveAs) {
  ASSERT_NE(host.Open(viewed, 0), 0);
  ASSERT_EQ(host.Send(ZV_MODE, 1), 1);
  ASSERT_TRUE(Edit());
  char text[64];
  GetWindowTextA(Edit(), text, sizeof text);
  EXPECT_STREQ(text, "original\r\n");
  EXPECT_NE(host.Status().find("Edit"), std::string::npos);
  BYTE keys[256];
  GetKeyboardState(keys);
  keys[VK_CONTROL] = 0x80;
  SetKeyboardState(keys);
  host.Post(WM_KEYDOWN, 'S');
  keys[VK_CONTROL] = 0;
  SetKeyboardState(keys);
  EXPECT_EQ(host.askedName(), viewed);
}

TEST_F(TextEditTest, SaveAsWritesTheEditedTextOrACopyAndLeavesTheViewedFile) {
  ASSERT_NE(host.Open(viewed, 0), 0);
  EXPECT_EQ(SaveAs(target), 1);
  EXPECT_EQ(ReadFileText(target), "original\r\n") << "a copy in view mode";
  ASSERT_EQ(host.Send(ZV_MODE, 1), 1);
  SetWindowTextA(Edit(), "changed\r\n");
  SendMessageA(Edit(), EM_SETMODIFY, TRUE, 0);
  EXPECT_EQ(SaveAs(target), 1);
  EXPECT_EQ(ReadFileText(target), "changed\r\n");
  EXPECT_EQ(ReadFileText(viewed), "original\r\n");
  EXPECT_EQ(host.Send(ZV_MODE, 0), 1) << "saved: no question";
  EXPECT_EQ(Edit(), nullptr);
}

TEST_F(TextEditTest, LeavingWithChangesAsksAndYesSavesThroughTheShell) {
  ASSERT_NE(host.Open(viewed, 0), 0);
  ASSERT_EQ(host.Send(ZV_MODE, 1), 1);
  SetWindowTextA(Edit(), "kept\r\n");
  SendMessageA(Edit(), EM_SETMODIFY, TRUE, 0);
  host.saveAsTarget = target;
  BoxAnswer box(IDYES);
  EXPECT_EQ(host.Send(ZV_MODE, 0), 1);
  EXPECT_EQ(ReadFileText(target), "kept\r\n");
  EXPECT_EQ(Edit(), nullptr);
}

TEST_F(TextEditTest, AFailedSaveAsLeavesTheTargetWholeAndSaysSo) {
  ASSERT_NE(host.Open(viewed, 0), 0);
  WriteFileText(target, "old");
  SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_READONLY);
  BoxAnswer box(IDOK);
  EXPECT_EQ(SaveAs(target), 0);
  SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_NE(box.text.find("out.txt"), std::string::npos) << box.text;
  EXPECT_EQ(ReadFileText(target), "old");
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((dir / "zrs*").c_str(), &found);
  EXPECT_EQ(search, INVALID_HANDLE_VALUE) << "no temporary file is left behind";
  if (search != INVALID_HANDLE_VALUE) FindClose(search);
}
}  // namespace
