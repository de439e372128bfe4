#include <sys/mman.h>

#include "viewers/graphics/formats/page_memory.h"

void* TakePages(size_t bytes) {
  void* block = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  return block == MAP_FAILED ? nullptr : block;
}

void ReturnPages(void* block, size_t bytes) { munmap(block, bytes); }

void DropPages(void* from, size_t bytes) { madvise(from, bytes, MADV_DONTNEED); }
