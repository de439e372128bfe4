// The caption of a viewer window: the program's title, " - " and the name
// of the file shown.
#pragma once
#include <cstddef>

constexpr int kTitleChars = 78;  // of the current caption that count

// From the current caption (its first kTitleChars characters) and the path
// of the file now shown, into out (size characters with the terminator); a
// marked path's name keeps its mark.
void ComposeViewerTitle(const char* current, const char* path, char* out, size_t size);
