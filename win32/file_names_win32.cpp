#include "win32/file_names_win32.h"

#include <cstring>
#include <vector>

#include "common/file_name_forms.h"
#include "common/text_copy.h"

namespace {
const wchar_t* W(const std::u16string& s) { return reinterpret_cast<const wchar_t*>(s.c_str()); }

std::wstring FromCodePage(std::string_view text) {
  if (text.empty()) return {};
  const int n =
      MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(n, L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
  return wide;
}

// The ANSI form into *ansi when converting it back gives the same name
// (a best-fit letter or the default character would name another file).
bool AnsiHolds(const wchar_t* wide, std::string* ansi) {
  const int n = WideCharToMultiByte(CP_ACP, 0, wide, -1, nullptr, 0, nullptr, nullptr);
  if (n <= 0) return false;
  ansi->assign(n, '\0');
  WideCharToMultiByte(CP_ACP, 0, wide, -1, ansi->data(), n, nullptr, nullptr);
  ansi->resize(n - 1);
  return FromCodePage(*ansi) == wide;
}

// The wide form of a marked name; empty when it is not one.
std::u16string WideOfMarked(const char* name) {
  std::u16string wide;
  if (!IsMarkedName(name) || !Utf16FromUtf8(name + kUtf8NameMark.size(), &wide)) return {};
  return wide;
}
}  // namespace

bool HasWideFileCalls() {
  static const bool nt = (GetVersion() & 0x80000000) == 0;
  return nt;
}

std::string NameFromWide(const wchar_t* wide, size_t limit) {
  std::string ansi;
  if (AnsiHolds(wide, &ansi)) return ansi;
  const std::string marked = MarkedName(reinterpret_cast<const char16_t*>(wide));
  if (marked.size() <= limit) return marked;
  wchar_t shortName[MAX_PATH];
  const DWORD n = GetShortPathNameW(wide, shortName, MAX_PATH);
  if (n > 0 && n < MAX_PATH && AnsiHolds(shortName, &ansi)) return ansi;
  return marked;
}

std::wstring WideText(std::string_view text) {
  const size_t start = Utf8PartStart(text);
  if (start == std::string_view::npos) return FromCodePage(text);
  std::u16string utf8Part;
  if (!Utf16FromUtf8(text.substr(start), &utf8Part)) return FromCodePage(text);
  return FromCodePage(text.substr(0, start - kUtf8NameMark.size())) + W(utf8Part);
}

std::string AnsiText(std::string_view text) {
  if (Utf8PartStart(text) == std::string_view::npos) return std::string(text);
  const std::wstring wide = WideText(text);
  const int n = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr,
                                    0, nullptr, nullptr);
  std::string ansi(static_cast<size_t>(n > 0 ? n : 0), '\0');
  if (n > 0)
    WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), ansi.data(), n,
                        nullptr, nullptr);
  return ansi;
}

std::string NameFromClient(const char* name) {
  if (IsMarkedName(name) || !IsUtf8BeyondAscii(name) || !HasWideFileCalls() ||
      GetFileAttributesA(name) != INVALID_FILE_ATTRIBUTES)
    return name;
  return std::string(kUtf8NameMark) + name;
}

std::string AnsiNameOf(const char* name) {
  const std::u16string wide = WideOfMarked(name);
  wchar_t shortName[MAX_PATH];
  std::string ansi;
  if (wide.empty() || !HasWideFileCalls()) return name;
  const DWORD n = GetShortPathNameW(W(wide), shortName, MAX_PATH);
  return n > 0 && n < MAX_PATH && AnsiHolds(shortName, &ansi) ? ansi : name;
}

DWORD FileAttributesOf(const char* name) {
  if (!IsMarkedName(name)) return GetFileAttributesA(name);
  const std::u16string wide = WideOfMarked(name);
  return wide.empty() || !HasWideFileCalls() ? INVALID_FILE_ATTRIBUTES
                                             : GetFileAttributesW(W(wide));
}

DWORD FullPathOf(const char* name, char* out, DWORD size) {
  char* filePart = nullptr;
  if (!IsMarkedName(name)) return GetFullPathNameA(name, size, out, &filePart);
  const std::u16string wide = WideOfMarked(name);
  if (wide.empty() || !HasWideFileCalls()) return 0;
  std::vector<wchar_t> full(32768);
  wchar_t* widePart = nullptr;
  const DWORD n =
      GetFullPathNameW(W(wide), static_cast<DWORD>(full.size()), full.data(), &widePart);
  if (n == 0 || n >= full.size()) return 0;
  const std::string named = NameFromWide(full.data(), size > 0 ? size - 1 : 0);
  if (named.size() >= size) return static_cast<DWORD>(named.size() + 1);
  CopyText(out, size, named);
  return static_cast<DWORD>(named.size());
}

std::string DroppedFileName(HDROP drop, UINT index, size_t limit) {
  if (!HasWideFileCalls()) {
    std::string name(DragQueryFileA(drop, index, nullptr, 0), '\0');
    DragQueryFileA(drop, index, name.data(), static_cast<UINT>(name.size() + 1));
    return name;
  }
  std::wstring wide(DragQueryFileW(drop, index, nullptr, 0), L'\0');
  if (wide.empty()) return {};
  DragQueryFileW(drop, index, wide.data(), static_cast<UINT>(wide.size() + 1));
  return NameFromWide(wide.c_str(), limit);
}

// DefWindowProcW stores the caption as it is: an ANSI window's own
// procedure would take it back through the code page.
void SetCaptionText(HWND window, const char* text) {
  if (Utf8PartStart(text) == std::string_view::npos || !HasWideFileCalls()) {
    SetWindowTextA(window, text);
    return;
  }
  DefWindowProcW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(WideText(text).c_str()));
}

namespace {
constexpr char kAnsiProc[] = "TarvoAnsiProc";

LRESULT CALLBACK WideCaptionProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto ansi = reinterpret_cast<WNDPROC>(GetPropA(window, kAnsiProc));
  switch (message) {
    case WM_SETTEXT:
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH: return DefWindowProcW(window, message, wParam, lParam);
    case WM_NCDESTROY: RemovePropA(window, kAnsiProc); break;
  }
  return CallWindowProcW(ansi, window, message, wParam, lParam);
}
}  // namespace

// The procedure as a wide caller sees it is a handle through which
// CallWindowProcW converts each message for the ANSI procedure.
void KeepWideCaption(HWND window) {
  if (!window || !HasWideFileCalls()) return;
  SetPropA(window, kAnsiProc, reinterpret_cast<HANDLE>(GetWindowLongW(window, GWL_WNDPROC)));
  SetWindowLongW(window, GWL_WNDPROC, reinterpret_cast<LONG>(WideCaptionProc));
}

BOOL AppendMenuText(HMENU menu, UINT flags, UINT_PTR id, const char* text) {
  if (Utf8PartStart(text) == std::string_view::npos || !HasWideFileCalls())
    return AppendMenuA(menu, flags, id, text);
  return AppendMenuW(menu, flags, id, WideText(text).c_str());
}

int WINAPI MessageBoxText(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
  if (!text || Utf8PartStart(text) == std::string_view::npos || !HasWideFileCalls())
    return MessageBoxA(owner, text, caption, type);
  const std::wstring wideCaption = caption ? WideText(caption) : L"";
  return MessageBoxW(owner, WideText(text).c_str(), caption ? wideCaption.c_str() : nullptr, type);
}

namespace {
// A list of NUL-terminated texts ended by an empty one.
std::wstring WideFilter(const char* filter) {
  size_t n = 0;
  while (filter[n]) n += std::strlen(filter + n) + 1;
  return FromCodePage(std::string_view(filter, n + 1));
}
}  // namespace

BOOL WINAPI GetOpenFileNameChar(LPOPENFILENAMEA ofn) {
  if (!HasWideFileCalls()) return GetOpenFileNameA(ofn);
  const auto wideOf = [](const char* s) { return s ? WideText(s) : std::wstring(); };
  const std::wstring filter = ofn->lpstrFilter ? WideFilter(ofn->lpstrFilter) : L"";
  const std::wstring dir = wideOf(ofn->lpstrInitialDir), title = wideOf(ofn->lpstrTitle),
                     ext = wideOf(ofn->lpstrDefExt);
  std::vector<wchar_t> file(32768);
  const std::wstring start = WideText(ofn->lpstrFile);
  std::memcpy(file.data(), start.c_str(), std::min(start.size() + 1, file.size()) * 2);
  OPENFILENAMEW w = {};
  w.lStructSize = sizeof w;
  w.hwndOwner = ofn->hwndOwner;
  w.lpstrFilter = ofn->lpstrFilter ? filter.c_str() : nullptr;
  w.nFilterIndex = ofn->nFilterIndex;
  w.lpstrFile = file.data();
  w.nMaxFile = static_cast<DWORD>(file.size());
  w.lpstrInitialDir = ofn->lpstrInitialDir ? dir.c_str() : nullptr;
  w.lpstrTitle = ofn->lpstrTitle ? title.c_str() : nullptr;
  w.lpstrDefExt = ofn->lpstrDefExt ? ext.c_str() : nullptr;
  w.Flags = ofn->Flags;
  if (!GetOpenFileNameW(&w)) return FALSE;
  ofn->nFilterIndex = w.nFilterIndex;
  const std::string chosen = NameFromWide(file.data(), ofn->nMaxFile - 1);
  if (chosen.size() >= ofn->nMaxFile) return FALSE;
  CopyText(ofn->lpstrFile, ofn->nMaxFile, chosen);
  return TRUE;
}

std::string ProgramCommandLine(const char* ansiLine) {
  using Split = LPWSTR*(WINAPI*)(LPCWSTR, int*);
  HMODULE shell = GetModuleHandleA("shell32.dll");
  const auto split = reinterpret_cast<Split>(
      shell ? reinterpret_cast<void*>(GetProcAddress(shell, "CommandLineToArgvW")) : nullptr);
  int count = 0;
  LPWSTR* args = HasWideFileCalls() && split ? split(GetCommandLineW(), &count) : nullptr;
  if (!args) return ansiLine;
  std::vector<std::string> arguments;
  bool beyondCodePage = false;
  for (int i = 1; i < count; ++i) {
    std::string ansi;
    beyondCodePage = !AnsiHolds(args[i], &ansi) || beyondCodePage;
    arguments.push_back(NameFromWide(args[i], MAX_PATH));
  }
  LocalFree(args);
  return beyondCodePage ? JoinArguments(arguments) : ansiLine;
}
