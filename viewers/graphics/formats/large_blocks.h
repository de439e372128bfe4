// Memory for pictures and for the decoders' working planes. Blocks of a
// few megabytes and more come straight from the system's pages (see
// page_memory.h), so that a picture's pages cost nothing until they are
// written and a decoder can give back the part of a plane it is done with
// (the JPEG decoder gives back its planes row by row behind the colour
// conversion); smaller blocks come from malloc.
#pragma once
#include <cstddef>

void* AllocateBlock(size_t bytes);
// Either kind of block; nullptr is fine.
void FreeBlock(void* block);
// Gives back the whole pages of [from, from + bytes) where they lie in a
// block from the pages; a block from malloc keeps its memory. What was
// given back must not be read again.
void DiscardWithin(const void* from, size_t bytes);
