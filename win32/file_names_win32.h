// The system's side of file names beyond the ANSI code page: on the systems
// with the wide file calls (Windows NT) such a name is taken in its wide
// form and carried as a marked UTF-8 name (common/file_name_forms.h);
// Windows 95 keeps the ANSI calls, and a name the code page holds takes the
// ANSI path everywhere, as before.
#pragma once
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <string_view>

// Decided once: the wide calls work (they are stubs that fail on Windows 95).
bool HasWideFileCalls();

// A wide name in the programs' char form: its ANSI form when the code page
// holds it exactly; else the marked UTF-8 form when it has at most limit
// chars; else the short form when the code page holds that; else the marked
// form, for the caller to refuse as too long.
std::string NameFromWide(const wchar_t* wide, size_t limit);

// The wide form of a text in the programs' char form: ANSI before a mark,
// UTF-8 after it.
std::wstring WideText(std::string_view text);

// A text in the programs' char form as ANSI for places that take nothing
// else (a printed heading, a print job's name): a marked part's characters
// the code page lacks become "?".
std::string AnsiText(std::string_view text);

// A name as a DDE client sends it: ANSI or marked as it is; plain UTF-8
// beyond ASCII marked where the ANSI reading names no file.
std::string NameFromClient(const char* name);

// A name for a library that takes ANSI names only: a marked name's short
// form where the code page holds it, else the name as it is.
std::string AnsiNameOf(const char* name);

// As GetFileAttributesA and GetFullPathNameA (the size needed when out is
// too small, 0 on failure), for names in either form.
DWORD FileAttributesOf(const char* name);
DWORD FullPathOf(const char* name, char* out, DWORD size);

// The index-th name of a drop in the char form (limit as for NameFromWide).
std::string DroppedFileName(HDROP drop, UINT index, size_t limit);

// A caption or a menu item: by the wide calls where the text holds a mark
// and the system has them, else by the ANSI calls.
void SetCaptionText(HWND window, const char* text);
// Where the system has the wide calls, makes an ANSI window keep and paint a
// wide caption: its caption messages go to DefWindowProcW, every other one
// to its own procedure as before (through the system's conversion).
void KeepWideCaption(HWND window);
BOOL AppendMenuText(HMENU menu, UINT flags, UINT_PTR id, const char* text);
// A message box whose text may name such a file, as MessageBoxA otherwise.
int WINAPI MessageBoxText(HWND owner, LPCSTR text, LPCSTR caption, UINT type);

// The Open dialog: GetOpenFileNameW where the system has it, the chosen name
// brought back into ofn->lpstrFile in the char form; else GetOpenFileNameA.
BOOL WINAPI GetOpenFileNameChar(LPOPENFILENAMEA ofn);

// WinMain's command line; where an argument on the wide command line is
// beyond the code page, the arguments again, such names marked.
std::string ProgramCommandLine(const char* ansiLine);
