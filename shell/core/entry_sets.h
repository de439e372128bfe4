// The characters the hex and number fields of the find and go-to dialogs
// take. A filter upper-cases what was typed (a WM_CHAR character, or the
// virtual-key code of a WM_KEYDOWN) and looks it up in its set; the sets
// hold the editing keys too, so that Backspace, the arrows, Delete, Home,
// End and Shift keep working.
#pragma once

enum class EntrySet {
  Hex,      // 0-9, A-F and the editing keys
  Decimal,  // 0-9 and the editing keys but Shift
};

// c upper-cased the way the filters do it (a-z only).
unsigned UpperEntryChar(unsigned c);
// True when the already upper-cased c belongs to the set.
bool InEntrySet(EntrySet set, unsigned c);
