// The clipboard seen from a test: it is shared by the whole display, so
// both wait while another program has it open.
#pragma once
#include <string>

void EmptyTheClipboard();
// The CF_TEXT on the clipboard; "" when there is none.
std::string ClipboardText();
