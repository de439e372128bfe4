// Telling a file's character code from its first block, when it is opened.
#pragma once

#include "viewer/buffer/format_flags.h"

// DetectCharCode over the first block of the file at path (read through the
// file seam); CODE_NONE when it says nothing or the file cannot be read.
CharCode DetectFileCode(const char* path);
