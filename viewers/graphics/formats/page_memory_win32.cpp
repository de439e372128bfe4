#include "viewers/graphics/formats/page_memory.h"

#include <windows.h>

void* TakePages(size_t bytes) { return VirtualAlloc(nullptr, bytes, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE); }

void ReturnPages(void* block, size_t) { VirtualFree(block, 0, MEM_RELEASE); }

void DropPages(void* from, size_t bytes) { VirtualFree(from, bytes, MEM_DECOMMIT); }
