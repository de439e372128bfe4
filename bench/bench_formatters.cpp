// Formatter throughput over 64 KB blocks, forward and backward, next to a
// memcpy of the same bytes. Prints MB/s of input; never fails.
#include <time.h>

#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "viewer/buffer/format_flags.h"
#include "viewer/buffer/formatters.h"

namespace {
constexpr int kBlock = 65535;

std::string TextBlock(bool tabs, int lineChars) {
  std::mt19937 rng(1);
  std::string s;
  while (s.size() < kBlock) {
    int n = lineChars / 2 + static_cast<int>(rng() % lineChars);
    for (int i = 0; i < n; ++i)
      s += (tabs && rng() % 8 == 0) ? '\t' : static_cast<char>('a' + rng() % 26);
    s += "\r\n";
  }
  s.resize(kBlock);
  return s;
}

// The thread's CPU time: the machine is shared, and wall time would count
// the time other processes run.
double CpuSeconds() {
  timespec t;
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return t.tv_sec + t.tv_nsec / 1e9;
}

template <typename F>
double MegabytesPerSecond(F run) {
  run();  // warm up
  int rounds = 0;
  double start = CpuSeconds(), seconds = 0;
  do {
    run();
    ++rounds;
    seconds = CpuSeconds() - start;
  } while (seconds < 0.3);
  return rounds * double(kBlock) / seconds / 1e6;
}

std::vector<LineEntry> gEntries(200000);
std::vector<char> gText(8 << 20);

// One call over the whole block (buffers large enough never to end it).
double Throughput(Formatter f, const std::string& block, int direction, uint32_t flags, int32_t L) {
  const uint8_t* data = reinterpret_cast<const uint8_t*>(block.data());
  int32_t size = static_cast<int32_t>(block.size());
  int32_t lines = 0;
  double rate = MegabytesPerSecond([&] {
    ReadWindow w{data, size, direction == FORMAT_FORWARD ? 0 : size};
    LineArray a{gEntries.data(), static_cast<int32_t>(gEntries.size()),
                direction == FORMAT_FORWARD ? 0 : static_cast<int32_t>(gEntries.size())};
    TextBuffer t{gText.data(), static_cast<int32_t>(gText.size()), 0};
    f(w, a, t, 1 << 20, direction, flags, L, 8);
    lines = direction == FORMAT_FORWARD ? a.Count : static_cast<int32_t>(gEntries.size()) - a.Count;
  });
  std::printf("  %6d lines", lines);
  return rate;
}
}  // namespace

int main() {
  const std::string plain = TextBlock(false, 60), tabbed = TextBlock(true, 60),
                    longLines = TextBlock(false, 400);
  std::vector<char> sink(kBlock);
  double copy = MegabytesPerSecond([&] {
    std::memcpy(sink.data(), plain.data(), kBlock);
    asm volatile("" ::"r"(sink.data()) : "memory");
  });
  std::printf(
      "formatter throughput, 64 KB blocks, MB/s of input, thread CPU time (memcpy %.0f MB/s)\n",
      copy);
  struct Case {
    const char* name;
    ::Formatter f;
    const std::string* block;
    uint32_t flags;
    int32_t L;
  } cases[] = {
      {"Text plain", FormatText, &plain, FMT_FORM_FEEDS, 256},
      {"Text tabs expanded", FormatText, &tabbed, FMT_FORM_FEEDS | FMT_EXPAND_TABS, 256},
      {"Text wrapped at 80", FormatText, &longLines, FMT_FORM_FEEDS | FMT_WRAP, 80},
      {"Hex Dump 16 bytes", FormatHexDump, &plain, 0, 80},
      {"Raw Text 80", FormatRawText, &plain, 0, 80},
  };
  for (const Case& c : cases) {
    for (int direction : {FORMAT_FORWARD, FORMAT_BACKWARD}) {
      std::printf("%-20s %-8s", c.name, direction == FORMAT_FORWARD ? "forward" : "backward");
      double rate = Throughput(c.f, *c.block, direction, c.flags, c.L);
      std::printf("  %8.0f MB/s  (memcpy %.0fx faster)\n", rate, copy / rate);
    }
  }
  return 0;
}
