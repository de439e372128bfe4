#include "viewer/app/follow_mode.h"

#include <cstdio>

#include "viewer/app/main_window.h"
#include "viewer/buffer/follow.h"
#include "viewer/navigation/page_index_requests.h"
#include "viewer/resources/resource_ids.h"
#include "viewer/settings/view_options.h"
#include "viewer/view/messages.h"
#include "viewer/view/move_target.h"
#include "viewer/view/open_file.h"
#include "viewer/view/view_blocks.h"
#include "viewer/view/view_state.h"

namespace {
constexpr char kStartedAgain[] = "The file shrank or was replaced: it is shown again from the top.";

struct FollowState {
  bool On = false;
  FollowMark Mark;
  int32_t Waiting = 0;        // new lines below the screen
  int32_t Titled = 0;         // the count the title bar shows
  bool StartedAgain = false;  // the message line belongs above the first line
};
FollowState gFollow;

CharCode ViewedCode() { return static_cast<CharCode>(gViewOptions.CharCode); }

// The end of the file as last read is in the table and on the screen.
bool LastLineShown() {
  ViewLock lock;
  if (!lock.ok() || gLines.Alast < gLines.Acur) return false;
  return gLines.Entries[gLines.Alast].Offset >= gFile.Flen &&
         gLines.Alast - gLines.Acur <= gView.LinesPerScreen;
}

void ShowWaiting(HWND hwnd) {
  if (gFollow.Waiting == gFollow.Titled) return;
  gFollow.Titled = gFollow.Waiting;
  char count[40] = "";
  if (gFollow.Waiting > 0)
    std::snprintf(count, sizeof count, " (%ld new line%s)", static_cast<long>(gFollow.Waiting),
                  gFollow.Waiting == 1 ? "" : "s");
  SetFileCaption(hwnd, count);
}

// The last line at the bottom of the screen (or the whole of a short file).
void ShowEnd(HWND hwnd) {
  SendMessageA(hwnd, VW_SHOWOFFSET, 0, TargetParam(gFile.Flen));
  SendMessageA(hwnd, VW_SHOWOFFSET, static_cast<WPARAM>(1 - gView.LinesPerScreen), -1);
}

// While the file is shown from its first line after a start again, the
// message line stays above that line: a refill (a new layout, the last
// lines moving up) drops it and it is put back. Once the view has moved
// on, it has been seen; so is a message that would push the last line off
// the screen, which would stop the view following. True when it was put
// back.
bool PutMessageBack() {
  ViewLock lock;
  if (!gFollow.StartedAgain || !lock.ok()) return false;
  const LineTable& t = gLines;
  const LineEntry& top = t.Entries[t.Acur];
  if (top.Flags & LF_MESSAGE) return false;
  gFollow.StartedAgain =
      t.Acur == t.Afirst && top.Offset == 0 && t.Alast - t.Acur != gView.LinesPerScreen;
  return gFollow.StartedAgain && PutMessageOnTop(gLines, gText, kStartedAgain);
}

void StartAgain(HWND hwnd) {
  SendMessageA(hwnd, PG_STOP, 0, 0);
  SendMessageA(hwnd, VW_CLEARSEL, 0, 0);
  gTags.Count = 0;
  gFollow.Waiting = 0;
  SendMessageA(hwnd, VW_GOTOBYTE, 0, 0);
  gFollow.StartedAgain = true;
  PutMessageBack();
  InvalidateRect(hwnd, nullptr, FALSE);
  PostMessageA(hwnd, PG_START, 0, 0);
}
}  // namespace

bool FollowOn() { return gFollow.On; }

void FollowNewFile() {
  gFollow.Waiting = gFollow.Titled = 0;
  gFollow.StartedAgain = false;
  gFollow.Mark = gFollow.On && gFile.Path[0] ? MarkFile(gFile.Path, ViewedCode()) : FollowMark{};
  gFile.Limit = gFollow.On && gFile.Path[0] ? gFollow.Mark.Size : -1;
  if (gFile.Limit >= 0) gFile.Flen = gFile.Limit;
}

void OnFollowCommand(HWND hwnd, int command) {
  const bool on = command == IDM_FORCE_FOLLOW || !gFollow.On;
  if (on == gFollow.On) return;
  gFollow.On = on;
  if (on) {
    FollowNewFile();
    SetTimer(hwnd, IDT_FOLLOW, static_cast<UINT>(gSetupSettings.FollowDelay), nullptr);
    return;
  }
  KillTimer(hwnd, IDT_FOLLOW);
  gFollow.Waiting = 0;
  ShowWaiting(hwnd);
  gFile.Limit = -1;
}

void FollowTick(HWND hwnd) {
  if (!gFollow.On || !gFile.Path[0]) return;
  if (PutMessageBack()) InvalidateRect(hwnd, nullptr, FALSE);
  const bool atEnd = LastLineShown();
  const FollowLook look = LookAgain(gFollow.Mark, gFile.Path, ViewedCode());
  gFile.Limit = gFollow.Mark.Size;
  if (look.Change == FollowChange::kRestart) {
    gFile.Flen = gFile.Limit;
    StartAgain(hwnd);
  } else if (look.Change == FollowChange::kGrew) {
    gFile.Flen = gFile.Limit;
    if (atEnd) {
      ShowEnd(hwnd);
      if (PutMessageBack()) InvalidateRect(hwnd, nullptr, FALSE);
    } else {
      gFollow.Waiting += look.NewLines;
    }
    ResumePageIndex(hwnd);
  }
  if (atEnd) gFollow.Waiting = 0;
  ShowWaiting(hwnd);
}
