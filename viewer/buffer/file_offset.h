// Offsets into the viewed file and file sizes. They are 64-bit, so a file
// of any size is shown to its last byte; every position in a file that is
// kept or passed on has this type.
#pragma once
#include <cstdint>

using FileOffset = int64_t;
