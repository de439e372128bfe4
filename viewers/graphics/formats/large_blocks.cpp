#include "viewers/graphics/formats/large_blocks.h"

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstdlib>

#include "viewers/graphics/formats/page_memory.h"

namespace {

constexpr size_t kFromPages = 4u << 20;
constexpr size_t kPageBytes = 4096;

// The blocks from the pages; a picture and a decoder's planes need a few.
// When all places are taken, blocks come from malloc.
struct PageBlock {
  uintptr_t Start = 0;
  size_t Bytes = 0;
};
PageBlock gBlocks[64];
std::atomic_flag gBusy = ATOMIC_FLAG_INIT;

class Lock {
 public:
  Lock() {
    while (gBusy.test_and_set(std::memory_order_acquire)) {
    }
  }
  ~Lock() { gBusy.clear(std::memory_order_release); }
};

PageBlock* BlockHolding(uintptr_t at) {
  for (PageBlock& b : gBlocks)
    if (b.Bytes && at >= b.Start && at < b.Start + b.Bytes) return &b;
  return nullptr;
}

}  // namespace

void* AllocateBlock(size_t bytes) {
  if (bytes >= kFromPages) {
    Lock lock;
    for (PageBlock& b : gBlocks) {
      if (b.Bytes) continue;
      void* block = TakePages(bytes);
      if (!block) return nullptr;
      b = {reinterpret_cast<uintptr_t>(block), bytes};
      return block;
    }
  }
  return std::malloc(bytes);
}

void FreeBlock(void* block) {
  if (!block) return;
  {
    Lock lock;
    PageBlock* b = BlockHolding(reinterpret_cast<uintptr_t>(block));
    if (b && b->Start == reinterpret_cast<uintptr_t>(block)) {
      ReturnPages(block, b->Bytes);
      *b = {};
      return;
    }
  }
  std::free(block);
}

void DiscardWithin(const void* from, size_t bytes) {
  Lock lock;
  const uintptr_t start = reinterpret_cast<uintptr_t>(from);
  const PageBlock* b = BlockHolding(start);
  if (!b) return;
  const uintptr_t first = (start + kPageBytes - 1) / kPageBytes * kPageBytes;
  const uintptr_t end = std::min(start + bytes, b->Start + b->Bytes) / kPageBytes * kPageBytes;
  if (end > first) DropPages(reinterpret_cast<void*>(first), end - first);
}
