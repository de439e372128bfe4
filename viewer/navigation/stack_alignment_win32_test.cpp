// 32-bit Windows enters a program's callbacks (window and dialog procedures,
// timers, DDE callbacks, the entry point) with a stack aligned to 4 bytes
// only. The search's vector code must work from such a stack: every case here
// runs from a stack at each 4-byte offset modulo 16.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "viewer/navigation/find_in_file.h"
#include "viewer/navigation/pattern_scan.h"

#if defined(__i386__)
// int CallAtStackOffset(int (*fn)(void*), void* arg, unsigned offset):
// calls fn(arg) with esp = offset (mod 16) at the call instruction, where
// the compiler's usual assumption is 0. StackAtEntry returns esp as its
// caller left it plus the return address, to check the trampoline itself.
__asm__(
    ".text\n"
    ".globl _CallAtStackOffset\n"
    "_CallAtStackOffset:\n"
    "  pushl %ebp\n"
    "  movl %esp, %ebp\n"
    "  movl 8(%ebp), %eax\n"
    "  movl 12(%ebp), %ecx\n"
    "  movl 16(%ebp), %edx\n"
    "  andl $-16, %esp\n"
    "  leal -32(%esp,%edx), %esp\n"
    "  movl %ecx, (%esp)\n"
    "  call *%eax\n"
    "  movl %ebp, %esp\n"
    "  popl %ebp\n"
    "  ret\n"
    ".globl _StackAtEntry\n"
    "_StackAtEntry:\n"
    "  leal 4(%esp), %eax\n"
    "  ret\n");
extern "C" int CallAtStackOffset(int (*fn)(void*), void* arg, unsigned offset);
extern "C" int StackAtEntry(void*);

namespace {
constexpr unsigned kOffsets[] = {0, 4, 8, 12};

struct ScanCase {
  std::string data;
  const char* pattern;
  bool matchCase;
  ScanPath path;
  ptrdiff_t found = -2;
};

int Scan(void* arg) {
  auto* c = static_cast<ScanCase*>(arg);
  PatternScanner scanner(reinterpret_cast<const uint8_t*>(c->pattern), std::strlen(c->pattern),
                         c->matchCase, c->path);
  c->found = scanner.Find(reinterpret_cast<const uint8_t*>(c->data.data()), c->data.size());
  return 0;
}

TEST(StackAlignment, TheTrampolineMisalignsAsAsked) {
  for (unsigned offset : kOffsets)
    EXPECT_EQ(static_cast<unsigned>(CallAtStackOffset(StackAtEntry, nullptr, offset)) % 16, offset);
}

// Each path the processor has (a path it lacks gives way to the best it has).
TEST(StackAlignment, PatternScanFromEveryFourByteOffset) {
  // Long enough for many vector steps; the match sits near the end.
  std::string text;
  while (text.size() < 4000) text += "the quick brown fox jumps over the lazy dog; ";
  const size_t at = text.size() - 20;
  text.replace(at, 6, "QuiXot");
  for (ScanPath path : {ScanPath::kScalar, ScanPath::kSse2, ScanPath::kAvx2}) {
    for (unsigned offset : kOffsets) {
      for (bool matchCase : {false, true}) {
        ScanCase c{text, matchCase ? "QuiXot" : "quixot", matchCase, path};
        CallAtStackOffset(Scan, &c, offset);
        EXPECT_EQ(c.found, static_cast<ptrdiff_t>(at))
            << "path " << static_cast<int>(path) << " offset " << offset << " case " << matchCase;
      }
      ScanCase none{text, "zebra", true, path};
      CallAtStackOffset(Scan, &none, offset);
      EXPECT_EQ(none.found, -1) << "path " << static_cast<int>(path) << " offset " << offset;
    }
  }
}

struct FileCase {
  FileRef file;
  const char* pattern;
  int32_t found = -2;
};

int SearchFile(void* arg) {
  auto* c = static_cast<FileCase*>(arg);
  c->found = FindBytes(c->file, 0, static_cast<int32_t>(std::strlen(c->pattern)),
                       reinterpret_cast<const uint8_t*>(c->pattern), 0);
  return 0;
}

TEST(StackAlignment, FileSearchFromEveryFourByteOffset) {
  FileCase c;
  char dir[MAX_PATH];
  GetTempPathA(MAX_PATH, dir);
  ASSERT_NE(GetTempFileNameA(dir, "stk", 0, c.file.Path), 0u);
  std::string content(kSearchReadBytes + 100, 'x');
  content.replace(kSearchReadBytes - 2, 6, "Needle");
  HANDLE h = CreateFileA(c.file.Path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  DWORD written = 0;
  WriteFile(h, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
  CloseHandle(h);
  c.file.Flen = static_cast<int32_t>(content.size());
  c.pattern = "needle";
  for (unsigned offset : kOffsets) {
    c.found = -2;
    CallAtStackOffset(SearchFile, &c, offset);
    EXPECT_EQ(c.found, kSearchReadBytes - 2) << "offset " << offset;
  }
  DeleteFileA(c.file.Path);
}
}  // namespace
#endif
