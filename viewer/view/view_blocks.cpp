#include "viewer/view/view_blocks.h"

ViewBlocks gBlocks;
LineTable gLines;
TextArena gText;
LineTable gTitles;
TextArena gTitleText;
TagList gTags;

namespace {
HGLOBAL Allocate(HGLOBAL existing, SIZE_T bytes) {
  return existing ? existing : GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
}
void Free(HGLOBAL& block) {
  if (block) GlobalFree(block);
  block = nullptr;
}
}  // namespace

bool AllocateViewBlocks() {
  gBlocks.Lines = Allocate(gBlocks.Lines, kLineTableBlockBytes);
  gBlocks.Text = Allocate(gBlocks.Text, kTextArenaBlockBytes);
  gBlocks.Tags = Allocate(gBlocks.Tags, kTagListBlockBytes);
  if (!gBlocks.Lines || !gBlocks.Text || !gBlocks.Tags) return false;
  gLines = LineTable{};
  gLines.Acnt = kLineTableEntries;
  gText = TextArena{};
  gText.Tlen = kTextArenaBlockBytes;
  gTags = TagList{};
  return true;
}

bool AllocateTitleBlocks() {
  gBlocks.TitleLines = Allocate(gBlocks.TitleLines, kTitleTableBlockBytes);
  gBlocks.TitleText = Allocate(gBlocks.TitleText, kTitleArenaBlockBytes);
  if (!gBlocks.TitleLines || !gBlocks.TitleText) {
    FreeTitleBlocks();
    return false;
  }
  gTitles = LineTable{};
  gTitles.Acnt = kTitleTableEntries;
  gTitleText = TextArena{};
  gTitleText.Tlen = kTitleArenaCapacity;
  return true;
}

bool EnsureTitleBlocks() {
  return (gBlocks.TitleLines && gBlocks.TitleText) || AllocateTitleBlocks();
}

void FreeTitleBlocks() {
  Free(gBlocks.TitleLines);
  Free(gBlocks.TitleText);
  gTitles = LineTable{};
  gTitleText = TextArena{};
}

void FreeViewBlocks() {
  Free(gBlocks.Lines);
  Free(gBlocks.Text);
  Free(gBlocks.Tags);
  FreeTitleBlocks();
}

// Locks nest: a handler that locks may call another that locks too; only the
// outermost lock takes and gives back the pointers.
namespace {
int gTitleDepth = 0;
int gViewDepth = 0;
}  // namespace

TitleLock::TitleLock() {
  if (gTitleDepth++ > 0 || !gBlocks.TitleLines || !gBlocks.TitleText) return;
  gTitles.Entries = static_cast<LineEntry*>(GlobalLock(gBlocks.TitleLines));
  gTitleText.Base = static_cast<char*>(GlobalLock(gBlocks.TitleText));
}

TitleLock::~TitleLock() {
  if (--gTitleDepth > 0) return;
  if (gTitles.Entries) GlobalUnlock(gBlocks.TitleLines);
  if (gTitleText.Base) GlobalUnlock(gBlocks.TitleText);
  gTitles.Entries = nullptr;
  gTitleText.Base = nullptr;
}

ViewLock::ViewLock() {
  if (gViewDepth++ > 0 || !gBlocks.Lines || !gBlocks.Text || !gBlocks.Tags) return;
  gLines.Entries = static_cast<LineEntry*>(GlobalLock(gBlocks.Lines));
  gText.Base = static_cast<char*>(GlobalLock(gBlocks.Text));
  gTags.Entries = static_cast<TagEntry*>(GlobalLock(gBlocks.Tags));
}

ViewLock::~ViewLock() {
  if (--gViewDepth > 0) return;
  if (gLines.Entries) GlobalUnlock(gBlocks.Lines);
  if (gText.Base) GlobalUnlock(gBlocks.Text);
  if (gTags.Entries) GlobalUnlock(gBlocks.Tags);
  gLines.Entries = nullptr;
  gText.Base = nullptr;
  gTags.Entries = nullptr;
}

int TitleRowCount() {
  if (!gBlocks.TitleLines) return 0;
  int n = gTitles.Alast - gTitles.Acur;
  return n > 0 ? n : 0;
}
