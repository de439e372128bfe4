// Pages straight from the system: a block's pages cost nothing until they
// are first written, and whole pages inside a block can be given back
// while the rest of it is in use.
#pragma once
#include <cstddef>

// bytes of fresh pages, or nullptr when there is no room.
void* TakePages(size_t bytes);
void ReturnPages(void* block, size_t bytes);
// Gives back the pages of [from, from + bytes), whole pages only; what they
// held must not be read again.
void DropPages(void* from, size_t bytes);
