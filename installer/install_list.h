// The list of files to install, "FILES.LST" beside the installer: one file
// name a line, written by the packaging step from what it really packed.
#pragma once
#include <cstddef>
#include <string_view>

inline constexpr const char* kInstallListName = "FILES.LST";
inline constexpr size_t kMaxInstallFiles = 32;
inline constexpr size_t kInstallNameSize = 64;

struct InstallList {
  size_t count = 0;
  char names[kMaxInstallFiles][kInstallNameSize] = {};
};

enum class ListError { None, NotAFileName, NameTooLong, TooManyFiles, Duplicate, Empty };

struct ListResult {
  ListError error = ListError::None;
  size_t line = 0;  // 1-based line of the error
};

// Blank lines and lines starting with ';' or '#' are skipped; spaces around a
// name are dropped. A name may not hold a path: the installer copies only
// files that lie beside it, into the chosen folder and nowhere else.
ListResult ParseInstallList(std::string_view text, InstallList& list);

// "FILES.LST line 3: ..." for the user.
void DescribeListError(ListResult result, char* out, size_t size);
