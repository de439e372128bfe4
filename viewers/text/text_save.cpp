#include "viewers/text/text_save.h"

#include <cstdio>
#include <string>
#include <vector>

#include "common/text_copy.h"
#include "viewer/buffer/file_access.h"
#include "viewers/contract/viewer_messages.h"

namespace {
constexpr int32_t kCopyBlockBytes = 64 * 1024;

bool WriteAll(HANDLE out, const char* data, size_t size) {
  DWORD written = 0;
  return WriteFile(out, data, static_cast<DWORD>(size), &written, nullptr) && written == size;
}

bool WriteEditText(HANDLE out, HWND edit) {
  std::string text(static_cast<size_t>(GetWindowTextLengthA(edit)) + 1, '\0');
  int length = GetWindowTextA(edit, text.data(), static_cast<int>(text.size()));
  return WriteAll(out, text.data(), static_cast<size_t>(length));
}

// The viewed file as it is on disk now, block by block.
bool WriteFileCopy(HANDLE out, const char* path) {
  FileHandle in = Files().Open(path);
  if (in == kNoFile) return false;
  std::vector<char> block(kCopyBlockBytes);
  bool ok = true;
  for (int32_t got; ok && (got = Files().Read(in, block.data(), kCopyBlockBytes)) != 0;)
    ok = got > 0 && WriteAll(out, block.data(), static_cast<size_t>(got));
  Files().Close(in);
  return ok;
}

// The folder part of a path, "." when it has none.
std::string FolderOf(const char* path) {
  std::string_view name = FileNamePart(path);
  std::string folder(path, std::string_view(path).size() - name.size());
  return folder.empty() ? "." : folder;
}

bool ReplaceTarget(const char* temporary, const char* target) {
  if (GetFileAttributesA(target) != INVALID_FILE_ATTRIBUTES && !DeleteFileA(target)) return false;
  return MoveFileA(temporary, target) != 0;
}

bool WriteTarget(const LineView& v, const TextState& s, const char* target) {
  char temporary[MAX_PATH];
  if (!GetTempFileNameA(FolderOf(target).c_str(), "zrs", 0, temporary)) return false;
  HANDLE out = CreateFileA(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
  bool ok = out != INVALID_HANDLE_VALUE;
  if (ok) {
    ok = s.Edit ? WriteEditText(out, s.Edit) : WriteFileCopy(out, v.File.Path);
    ok = CloseHandle(out) && ok;
  }
  ok = ok && ReplaceTarget(temporary, target);
  if (!ok) DeleteFileA(temporary);
  return ok;
}
}  // namespace

LRESULT SaveTextAs(LineView& v, TextState& s, unsigned kind, const char* target) {
  if (kind != kSaveKindText || !target || !target[0] || !v.Open) return 0;
  if (!WriteTarget(v, s, target)) {
    char message[400];
    std::snprintf(message, sizeof message, "The file %s could not be written.", target);
    MessageBoxA(v.Window, message, "Save As", MB_OK | MB_ICONEXCLAMATION);
    return 0;
  }
  if (s.Edit) SendMessageA(s.Edit, EM_SETMODIFY, FALSE, 0);
  return 1;
}
