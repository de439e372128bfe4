// The checks of dialog fields on an edit control of a plain window; their
// message boxes are answered through the message seam and their texts kept.
#include "win32/field_validators.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "win32/message_report.h"

namespace {
constexpr int kField = 100;
std::vector<std::string> gBoxes;

int WINAPI KeepBox(HWND, LPCSTR text, LPCSTR, UINT) {
  gBoxes.push_back(text);
  return IDOK;
}

class FieldValidators : public ::testing::Test {
 protected:
  void SetUp() override {
    gBoxes.clear();
    gMessageBox = KeepBox;
    dialog_ = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr,
                              nullptr);
    CreateWindowExA(0, "EDIT", "", WS_CHILD, 0, 0, 80, 20, dialog_, reinterpret_cast<HMENU>(kField),
                    nullptr, nullptr);
  }
  void TearDown() override {
    DestroyWindow(dialog_);
    gMessageBox = MessageBoxA;
  }
  void Type(const char* text) { SetDlgItemTextA(dialog_, kField, text); }
  HWND dialog_ = nullptr;
};
}  // namespace

TEST_F(FieldValidators, NumbersReadAutomaticBasesAndDecimals) {
  struct Case {
    const char* text;
    bool passes;
    const char* message;  // of the first check that fails
  } longs[] = {{"0x1F", true, ""},
               {"010", true, ""},
               {"12a", false, "Invalid character \"a\" in Offset."},
               {"", false, "Offset must be a number between 0 and 40!"},
               {"41", false, "Offset must be a number between 0 and 40!"}};
  for (const Case& c : longs) {
    gBoxes.clear();
    Type(c.text);
    EXPECT_EQ(ValidateLongField(dialog_, kField, 0, 40, "Offset"), c.passes) << c.text;
    EXPECT_EQ(gBoxes.empty() ? "" : gBoxes[0], c.message) << c.text;
  }
  bool ok = false;
  Type("0x1F");
  EXPECT_EQ(ReadLongField(dialog_, kField, &ok, false), 31);
  EXPECT_TRUE(ok);
  Type("-8z");
  EXPECT_EQ(ReadLongField(dialog_, kField, &ok, true), -8);
  EXPECT_FALSE(ok);
  // Offsets into files beyond 4 GiB, and bounds printed in full.
  constexpr int64_t kEightGiB = int64_t{8} << 30;
  Type("0x1FFFFFFFF");
  EXPECT_TRUE(ValidateLongField(dialog_, kField, 0, kEightGiB, "Offset"));
  EXPECT_EQ(ReadLongField(dialog_, kField, &ok, false), kEightGiB - 1);
  Type("8589934593");
  EXPECT_FALSE(ValidateLongField(dialog_, kField, 0, kEightGiB, "Offset"));
  EXPECT_EQ(gBoxes.back(), "Offset must be a number between 0 and 8589934592!");
  gBoxes.clear();
  Type("2.5");
  EXPECT_TRUE(ValidateDecimalField(dialog_, kField, 0, 300, 2, "Margin"));
  Type("3.5");
  EXPECT_FALSE(ValidateDecimalField(dialog_, kField, 25, 300, 2, "Margin"));
  Type("1;5");
  EXPECT_FALSE(ValidateDecimalField(dialog_, kField, 25, 300, 2, nullptr));
  EXPECT_EQ(gBoxes, (std::vector<std::string>{"Margin must be a number between 0.25 and 3!",
                                              "Invalid character \";\" in Value."}));
}
