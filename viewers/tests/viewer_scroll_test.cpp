// The library base's scroll bars on a plain window with both bars: which
// bar and code a message or key asks for, and pixel scrolling kept within
// its limits.
#include <windows.h>

#include <gtest/gtest.h>

#include "viewers/base/viewer_scroll.h"

namespace {

TEST(ViewerScrollTest, MessagesAndKeysNameABarAndACode) {
  const struct {
    UINT msg;
    WPARAM wParam;
    bool asks;
    int bar;
    WORD code;
  } cases[] = {
      {WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, 40), true, SB_HORZ, SB_THUMBTRACK},
      {WM_VSCROLL, SB_PAGEDOWN, true, SB_VERT, SB_PAGEDOWN},
      {WM_KEYDOWN, VK_LEFT, true, SB_HORZ, SB_LINEUP},
      {WM_KEYDOWN, VK_RIGHT, true, SB_HORZ, SB_LINEDOWN},
      {WM_KEYDOWN, VK_UP, true, SB_VERT, SB_LINEUP},
      {WM_KEYDOWN, VK_NEXT, true, SB_VERT, SB_PAGEDOWN},
      {WM_KEYDOWN, VK_HOME, true, SB_VERT, SB_TOP},
      {WM_KEYDOWN, VK_END, true, SB_VERT, SB_BOTTOM},
      {WM_KEYDOWN, 'A', false, 0, 0},
      {WM_CHAR, VK_DOWN, false, 0, 0},
  };
  for (const auto& c : cases) {
    int bar = -1;
    WORD code = 0xFFFF;
    ASSERT_EQ(ScrollRequest(c.msg, c.wParam, &bar, &code), c.asks) << c.msg << " " << c.wParam;
    if (!c.asks) continue;
    EXPECT_EQ(bar, c.bar) << c.msg << " " << c.wParam;
    EXPECT_EQ(code, c.code) << c.msg << " " << c.wParam;
  }
}

TEST(ViewerScrollTest, PixelScrollStaysWithinItsLimits) {
  HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_HSCROLL | WS_VSCROLL, 0, 0, 240, 200,
                                nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(window, nullptr);
  RECT r;
  GetClientRect(window, &r);
  const SIZE client = {r.right, r.bottom};
  PixelScroll scroll{500, 30};
  scroll.Update(window, client, 300, 0);
  EXPECT_EQ(scroll.Left, 300) << "kept within the sideways limit";
  EXPECT_EQ(scroll.Top, 0) << "nothing to scroll down";
  const struct {
    int bar;
    WORD code;
    bool moves;
    int64_t left, top;
  } steps[] = {
      {SB_HORZ, SB_TOP, true, 0, 0},
      {SB_HORZ, SB_LINEDOWN, true, 16, 0},
      {SB_HORZ, SB_PAGEDOWN, true, 16 + client.cx, 0},
      {SB_HORZ, SB_BOTTOM, true, 300, 0},
      {SB_HORZ, SB_ENDSCROLL, false, 300, 0},
      {SB_VERT, SB_LINEDOWN, true, 300, 0},
  };
  for (const auto& s : steps) {
    EXPECT_EQ(scroll.Move(window, s.bar, s.code, 16), s.moves) << s.code;
    scroll.Update(window, client, 300, 0);
    EXPECT_EQ(scroll.Left, s.left) << s.code;
    EXPECT_EQ(scroll.Top, s.top) << s.code;
    EXPECT_EQ(GetScrollPos(window, SB_HORZ), s.left) << s.code;
  }
  DestroyWindow(window);
}

}  // namespace
