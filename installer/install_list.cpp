#include "installer/install_list.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "common/text_copy.h"

namespace {

std::string_view Trim(std::string_view text) {
  size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

bool IsPlainFileName(std::string_view name) {
  return name.find_first_of("\\/:*?\"<>|") == std::string_view::npos && name != "." && name != "..";
}

bool Listed(const InstallList& list, std::string_view name) {
  for (size_t i = 0; i < list.count; ++i) {
    std::string_view known = list.names[i];
    // File names on this system ignore case.
    auto same = [](unsigned char a, unsigned char b) { return std::toupper(a) == std::toupper(b); };
    if (std::equal(known.begin(), known.end(), name.begin(), name.end(), same)) return true;
  }
  return false;
}

}  // namespace

ListResult ParseInstallList(std::string_view text, InstallList& list) {
  list.count = 0;
  size_t line = 0;
  while (!text.empty()) {
    ++line;
    size_t end = text.find('\n');
    std::string_view name = Trim(text.substr(0, end));
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (name.empty() || name[0] == ';' || name[0] == '#') continue;
    if (!IsPlainFileName(name)) return {ListError::NotAFileName, line};
    if (name.size() >= kInstallNameSize) return {ListError::NameTooLong, line};
    if (Listed(list, name)) return {ListError::Duplicate, line};
    if (list.count == kMaxInstallFiles) return {ListError::TooManyFiles, line};
    CopyText(list.names[list.count++], name);
  }
  if (list.count == 0) return {ListError::Empty, 0};
  return {};
}

void DescribeListError(ListResult result, char* out, size_t size) {
  const char* what = "";
  switch (result.error) {
    case ListError::None: what = "no error"; break;
    case ListError::NotAFileName: what = "not a plain file name"; break;
    case ListError::NameTooLong: what = "file name too long"; break;
    case ListError::TooManyFiles: what = "too many files"; break;
    case ListError::Duplicate: what = "file listed twice"; break;
    case ListError::Empty: what = "no files listed"; break;
  }
  if (result.line > 0)
    std::snprintf(out, size, "%s line %lu: %s", kInstallListName,
                  static_cast<unsigned long>(result.line), what);
  else
    std::snprintf(out, size, "%s: %s", kInstallListName, what);
}
