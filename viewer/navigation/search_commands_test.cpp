// The Find Text and Find Hex dialogs, Find Next and Mark All on the real
// main window, with the real dialog templates and a real profile file.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "tests/support/dialog_driver.h"
#include "tests/support/main_window_fixture.h"
#include "viewer/buffer/tag_list.h"
#include "viewer/navigation/find_in_file.h"
#include "viewer/navigation/search_state.h"
#include "viewer/resources/resource_ids.h"
#include "viewer/services/ui_seam.h"
#include "viewer/settings/view_options.h"
#include "viewer/view/messages.h"
#include "viewer/view/selection.h"
#include "viewer/view/view_blocks.h"
#include "viewer/view/view_state.h"

namespace {
// Types into a combo box's edit field as a user would, key by key (the list
// selection goes, the dialog hears CBN_EDITCHANGE).
void Type(HWND dialog, int combo, const std::string& text) {
  HWND edit = FindWindowExA(GetDlgItem(dialog, combo), nullptr, "Edit", nullptr);
  ASSERT_NE(edit, nullptr);
  SendMessageA(edit, EM_SETSEL, 0, -1);
  SendMessageA(edit, WM_CHAR, VK_BACK, 0);
  for (char c : text) SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), 0);
}

std::vector<std::string> ComboEntries(HWND dialog, int combo) {
  std::vector<std::string> entries;
  int n = static_cast<int>(SendDlgItemMessageA(dialog, combo, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < n; ++i) {
    char text[64] = "";
    SendDlgItemMessageA(dialog, combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
    entries.push_back(text);
  }
  return entries;
}

struct Tag {
  FileOffset offset;
  int32_t kinds;
  bool operator==(const Tag&) const = default;
};

std::vector<Tag> Tags() {
  ViewLock view;
  std::vector<Tag> tags;
  for (int i = 0; view.ok() && i < gTags.Count; ++i)
    tags.push_back({gTags.Entries[i].Offset, gTags.Entries[i].Kinds});
  return tags;
}

class Search : public MainWindowTest {
 protected:
  void SetUp() override {
    gSearch = SearchState{};
    MainWindowTest::SetUp();
  }
  void TearDown() override {
    MainWindowTest::TearDown();
  }

  void Open(const std::string& content) { OpenName(folder_.Write("data.bin", content)); }

  // Runs a find command; fill answers its dialog and ends it. "Bad Options"
  // boxes are recorded and closed.
  void RunDialog(int command, const std::function<void(HWND)>& fill) {
    DialogDriver driver([&](HWND dialog) {
      if (WindowText(dialog) == "Bad Options") {
        badOptions_.push_back(MessageBoxText(dialog));
        ClickButton(dialog, IDOK);
        return;
      }
      fill(dialog);
    });
    Command(command);
    ASSERT_GE(driver.seen(), 1) << "no dialog for command " << command;
  }
  // Types text into the Find Text dialog and presses button.
  void FindText(const char* text, bool caseSensitive = false, int button = IDOK) {
    RunDialog(IDM_FIND_TEXT, [&](HWND dialog) {
      CheckDlgButton(dialog, IDC_CASE, caseSensitive ? BST_CHECKED : BST_UNCHECKED);
      Type(dialog, IDC_TEXT_COMBO, text);
      ClickButton(dialog, button);
    });
  }
  // The first line on screen, as a file offset.
  int32_t TopLineOffset() {
    ViewLock view;
    return view.ok() ? gLines.Entries[gLines.Acur].Offset : -1;
  }
  std::string Stored(const char* key) {
    char value[64] = "";
    GetPrivateProfileStringA("MRU Search", key, "", value, sizeof value, profile_.c_str());
    return value;
  }
  std::string Pattern() const {
    return std::string(reinterpret_cast<const char*>(gSearch.SearchPattern), gSearch.SearchLength);
  }

  std::vector<std::string> badOptions_;
};

TEST_F(Search, BadSearchTextsAreRefusedUnderBadOptionsAndTheDialogStays) {
  Open("some text\r\n");
  bool stayed = false;
  RunDialog(IDM_FIND_TEXT, [&](HWND dialog) {
    Type(dialog, IDC_TEXT_COMBO, "");
    ClickButton(dialog, IDOK);
    ClickButton(dialog, IDC_MARK_ALL);
    stayed = IsWindowVisible(dialog);
    ClickButton(dialog, IDCANCEL);
  });
  EXPECT_TRUE(stayed);
  EXPECT_EQ(badOptions_,
            (std::vector<std::string>(2, "Search text length must be a number between 1 and 32!")));
  EXPECT_EQ(gBeeps,
            (std::vector<UINT>{MB_ICONHAND, MB_ICONASTERISK, MB_ICONHAND, MB_ICONASTERISK}));
  EXPECT_EQ(gSearch.SearchFlags, SF_FROM_TOP) << "a refused dialog defines nothing";

  badOptions_.clear();
  RunDialog(IDM_FIND_HEX, [&](HWND dialog) {
    // Longer than typing allows, as if pasted.
    SetDlgItemTextA(dialog, IDC_HEX_COMBO, std::string(65, '4').c_str());
    ClickButton(dialog, IDOK);
    Type(dialog, IDC_HEX_COMBO, "");
    ClickButton(dialog, IDOK);
    Type(dialog, IDC_HEX_COMBO, "   ");  // no digit: no byte to look for
    ClickButton(dialog, IDOK);
    stayed = IsWindowVisible(dialog);
    ClickButton(dialog, IDCANCEL);
  });
  EXPECT_TRUE(stayed);
  EXPECT_EQ(badOptions_,
            (std::vector<std::string>(3, "Number of hex digits must be between 1 and 64!")));
  EXPECT_EQ(gSearch.SearchFlags, SF_FROM_TOP);
}

TEST_F(Search, AnInvalidHexDigitIsNamedInTheMessageLineAndSelected) {
  Open("some text\r\n");
  std::string line, afterGoodText;
  DWORD selection = 0;
  RunDialog(IDM_FIND_HEX, [&](HWND dialog) {
    Type(dialog, IDC_HEX_COMBO, "41 4G");
    ClickButton(dialog, IDOK);
    line = DialogItemText(dialog, IDC_HEX_MESSAGE);
    selection = static_cast<DWORD>(SendDlgItemMessageA(dialog, IDC_HEX_COMBO, CB_GETEDITSEL, 0, 0));
    Type(dialog, IDC_HEX_COMBO, "41 42");
    afterGoodText = DialogItemText(dialog, IDC_HEX_MESSAGE) + "|" + DialogItemText(dialog, IDC_HEX_BYTES);
    ClickButton(dialog, IDCANCEL);
  });
  EXPECT_EQ(line, "Invalid hex digit \"G\"!");
  EXPECT_EQ(LOWORD(selection), 4);
  EXPECT_EQ(HIWORD(selection), 5);
  EXPECT_TRUE(badOptions_.empty()) << "a bad digit needs no message box";
  EXPECT_EQ(afterGoodText, "|AB") << "editing checks again and previews the bytes";
  EXPECT_EQ(gBeeps.back(), static_cast<UINT>(MB_ICONASTERISK));
}

TEST_F(Search, FindHexWithADigitBeforeASpaceSearchesForItsHighNibble) {
  Open(std::string("..\x04\x01..\x40\x10..", 10));
  RunDialog(IDM_FIND_HEX, [&](HWND dialog) {
    Type(dialog, IDC_HEX_COMBO, "4 1");
    ClickButton(dialog, IDOK);
  });
  EXPECT_EQ(Pattern(), std::string("\x40\x10", 2));
  EXPECT_EQ(gSearch.SearchFlags & (SF_TEXT | SF_CASE), SF_TEXT | SF_CASE);
  EXPECT_EQ(gSel.SelStart, 6);
  EXPECT_EQ(gSel.SelEnd, 8);
}

TEST_F(Search, ACancelledFindHexLeavesTheDefinedSearchAsItWas) {
  Open("abc xyz ABC AB");
  FindText("abc");
  ASSERT_EQ(gSel.SelStart, 0);
  RunDialog(IDM_FIND_HEX, [&](HWND dialog) {
    Type(dialog, IDC_HEX_COMBO, "41 42");
    ClickButton(dialog, IDCANCEL);
  });
  EXPECT_EQ(Pattern(), "abc");
  Command(IDM_FIND_NEXT);
  EXPECT_EQ(gSel.SelStart, 8);
  EXPECT_TRUE(gBeeps.empty());
}

TEST_F(Search, LetterCaseIsFoldedUnlessCaseSensitiveIsChecked) {
  Open("xyz ABC abc\r\n");
  FindText("abc");
  EXPECT_EQ(gSel.SelStart, 4) << "abc finds ABC";
  FindText("abc", true);
  EXPECT_EQ(gSel.SelStart, 8) << "only abc itself";
  FindText("aBC", true);
  EXPECT_EQ(gSel.SelEnd, -1);
  EXPECT_EQ(gBeeps, std::vector<UINT>{MB_ICONEXCLAMATION});
}

TEST_F(Search, TypedTextIsSearchedInTheFilesEbcdicCode) {
  profileText_ = "[Tarvo]\nCharCode=2\n";
  MainWindowTest::TearDown();
  MainWindowTest::SetUp();
  Open(std::string("AAA\xC1\xC2", 5));
  FindText("A", true);
  EXPECT_EQ(Pattern(), "\xC1");
  EXPECT_EQ(gSel.SelStart, 3);
}

TEST_F(Search, RecentTextsMoveToTheTopAndKeepTenEntries) {
  profileText_ = "[MRU Search]\nTexts=2\nText1=one\nText2=two\n";
  MainWindowTest::TearDown();
  MainWindowTest::SetUp();
  Open("one two three\r\n");
  std::vector<std::string> shown;
  RunDialog(IDM_FIND_TEXT, [&](HWND dialog) {
    shown = ComboEntries(dialog, IDC_TEXT_COMBO);
    shown.push_back(DialogItemText(dialog, IDC_TEXT_COMBO));
    Type(dialog, IDC_TEXT_COMBO, "two");
    ClickButton(dialog, IDOK);
  });
  EXPECT_EQ(shown, (std::vector<std::string>{"one", "two", "one"})) << "entry 0 is chosen";
  EXPECT_EQ(gRecent.TextCount, 2);
  EXPECT_STREQ(gRecent.Texts[0], "two");
  EXPECT_STREQ(gRecent.Texts[1], "one");
  EXPECT_EQ(gSel.SelStart, 4);

  for (const char* text : {"t3", "t4", "t5", "t6", "t7", "t8", "t9", "t10", "t11"}) FindText(text);
  EXPECT_EQ(gRecent.TextCount, 10);
  EXPECT_STREQ(gRecent.Texts[0], "t11");
  EXPECT_STREQ(gRecent.Texts[9], "two") << "the eleventh distinct text gave up the oldest, one";

  RunDialog(IDM_FIND_HEX, [&](HWND dialog) {
    Type(dialog, IDC_HEX_COMBO, "6F 6E");
    ClickButton(dialog, IDOK);
  });
  RunDialog(IDM_FIND_HEX, [&](HWND dialog) {
    Type(dialog, IDC_HEX_COMBO, "6f6e");
    ClickButton(dialog, IDOK);
  });
  EXPECT_EQ(gRecent.HexCount, 2) << "hex texts are kept as typed";
  EXPECT_STREQ(gRecent.Hex[0], "6f6e");

  DestroyWindow(hwnd_);
  EXPECT_EQ(Stored("Texts"), "10");
  EXPECT_EQ(Stored("Text1"), "t11");
  EXPECT_EQ(Stored("Text10"), "two");
  EXPECT_EQ(Stored("Hexs"), "2");
  EXPECT_EQ(Stored("Hex1"), "6f6e");
  EXPECT_EQ(Stored("Hex2"), "6F 6E");
}

TEST_F(Search, ListsThatWereNeverLoadedAreNotWrittenBackAtExit) {
  profileText_ = "[MRU Search]\nTexts=1\nText1=old\nHexs=1\nHex1=41\n";
  MainWindowTest::TearDown();
  MainWindowTest::SetUp();
  Open("new\r\n");
  FindText("new");
  // Another run stores its lists meanwhile.
  WritePrivateProfileStringA("MRU Search", "Hex1", "42", profile_.c_str());
  WritePrivateProfileStringA("MRU Search", "Text1", "theirs", profile_.c_str());
  DestroyWindow(hwnd_);
  EXPECT_EQ(Stored("Hex1"), "42") << "the hex list was not loaded";
  EXPECT_EQ(Stored("Text1"), "new");
  EXPECT_EQ(Stored("Text2"), "old");
}

TEST_F(Search, FindNextSelectsTheBytesBringsThemIntoViewAndStartsOverWhenNothingIsFound) {
  OpenNumberedLines(3000);
  FindText("line 2500");
  const int32_t found = 2500 * kNumberedLineBytes;
  EXPECT_EQ(gSel.SelStart, found);
  EXPECT_EQ(gSel.SelEnd, found + 9);
  int32_t top = TopLineOffset();
  EXPECT_LE(top, found);
  EXPECT_GT(top + gView.LinesPerScreen * kNumberedLineBytes, found) << "the line is on screen";
  EXPECT_EQ(gSearch.NextSearchStart, -1);

  Command(IDM_FIND_NEXT);
  EXPECT_EQ(gSel.SelEnd, -1) << "no second line 2500";
  EXPECT_LT(gSel.SelStart, 0);
  EXPECT_EQ(gBeeps, std::vector<UINT>{MB_ICONEXCLAMATION});
  EXPECT_EQ(gSearch.NextSearchStart, 0);
  Command(IDM_FIND_NEXT);
  EXPECT_EQ(gSel.SelStart, found) << "the next search starts at the top again";

  // Without "Start from Top" the search goes on after what is on screen,
  // where line 0005 is not.
  for (bool fromTop : {false, true}) {
    RunDialog(IDM_FIND_TEXT, [&](HWND dialog) {
      CheckDlgButton(dialog, IDC_FROM_TOP, fromTop ? BST_CHECKED : BST_UNCHECKED);
      Type(dialog, IDC_TEXT_COMBO, "line 0005");
      ClickButton(dialog, IDOK);
    });
    EXPECT_EQ(gSel.SelStart, fromTop ? 5 * kNumberedLineBytes : kFindNotFound)
        << "from top " << fromTop;
  }
}

TEST_F(Search, FindNextAtStartUpRepeatsTheNewestStoredTextIgnoringCase) {
  profileText_ = "[MRU Search]\nTexts=2\nText1=LINE 0700\nText2=line 0001\n";
  MainWindowTest::TearDown();
  MainWindowTest::SetUp();
  OpenNumberedLines(1000);
  Command(IDM_FIND_NEXT);
  EXPECT_EQ(gSel.SelStart, 700 * kNumberedLineBytes);
  EXPECT_TRUE(gBeeps.empty());
}

TEST_F(Search, FindNextAndMarkAllWithoutASearchOnlyBeep) {
  Open("aaaa");
  gSearch.SearchFlags = 0;
  Command(IDM_FIND_NEXT);
  gSearch.SearchFlags = SF_FROM_TOP;
  Command(IDM_MARK_ALL);   // no pattern, and Mark All does not read the profile
  Command(IDM_FIND_NEXT);  // the profile has no text either
  EXPECT_EQ(gBeeps, std::vector<UINT>(3, MB_ICONEXCLAMATION));
  EXPECT_TRUE(Tags().empty());
}

TEST_F(Search, MarkAllTagsOverlappingOccurrences) {
  Open("aaaa");
  FindText("aa", false, IDC_MARK_ALL);
  EXPECT_EQ(Tags(), (std::vector<Tag>{{0, TAG_FOUND}, {1, TAG_FOUND}, {2, TAG_FOUND}}));
  EXPECT_EQ(gSel.SelEnd, -1) << "Mark All leaves the selection";
  EXPECT_EQ(gSearch.NextSearchStart, -1);
  EXPECT_TRUE(gBeeps.empty());
}

TEST_F(Search, MarkAllOnAFullTagListBeepsAndAddsNothing) {
  Open("aaaa");
  {
    ViewLock view;
    ASSERT_TRUE(view.ok());
    ASSERT_EQ(TagAdd(gTags, 0, TAG_USER), 0);
    for (int32_t i = 1; i < kTagCapacity; ++i) ASSERT_GE(TagAdd(gTags, 100 + i, TAG_USER), 0);
  }
  FindText("aa", false, IDC_MARK_ALL);
  std::vector<Tag> tags = Tags();
  ASSERT_EQ(tags.size(), static_cast<size_t>(kTagCapacity));
  EXPECT_EQ(tags[0], (Tag{0, TAG_USER})) << "not even an existing tag takes the find";
  EXPECT_EQ(gBeeps, std::vector<UINT>{MB_ICONHAND});
}

// User marks before, on and after the finds; the list fills up at the last
// find, which is refused although a user mark is already there.
TEST_F(Search, MarkAllAmongUserMarksFillsTheListAndKeepsItsTags) {
  Open("aaaaa");
  {
    ViewLock view;
    ASSERT_TRUE(view.ok());
    for (FileOffset user : {1, 3}) ASSERT_GE(TagAdd(gTags, user, TAG_USER), 0);
    for (int32_t i = 2; i < kTagCapacity - 2; ++i) ASSERT_GE(TagAdd(gTags, 100 + i, TAG_USER), 0);
  }
  FindText("aa", false, IDC_MARK_ALL);
  std::vector<Tag> tags = Tags();
  ASSERT_EQ(tags.size(), static_cast<size_t>(kTagCapacity));
  EXPECT_EQ(std::vector<Tag>(tags.begin(), tags.begin() + 5),
            (std::vector<Tag>{{0, TAG_FOUND},
                              {1, TAG_USER | TAG_FOUND},
                              {2, TAG_FOUND},
                              {3, TAG_USER},
                              {102, TAG_USER}}));
  EXPECT_EQ(gBeeps, std::vector<UINT>{MB_ICONHAND});
}

TEST_F(Search, MarkAllWithoutAMatchScrollsToTheBottom) {
  Open("aaaa");
  gSearch.SearchFlags = SF_TEXT;
  gSearch.SearchPattern[0] = 'b';
  gSearch.SearchLength = 1;
  SendMessageA(hwnd_, WM_COMMAND, IDM_MARK_ALL, 0);
  MSG msg;
  bool bottom = false;
  while (PeekMessageA(&msg, hwnd_, WM_VSCROLL, WM_VSCROLL, PM_REMOVE))
    bottom |= LOWORD(msg.wParam) == SB_BOTTOM;
  EXPECT_TRUE(bottom);
  EXPECT_EQ(gBeeps, std::vector<UINT>{MB_ICONEXCLAMATION});
  EXPECT_TRUE(Tags().empty());
}
}  // namespace
