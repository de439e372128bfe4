#include "setup/loader_plan.h"

#include <array>
#include <cstdio>

#include "common/text_copy.h"

namespace {
constexpr std::array<const char*, 2> kBothLibraries = {"CTL3D32.DLL", "MSVCRT20.DLL"};
}  // namespace

std::span<const char* const> RuntimeLibraries(unsigned majorVersion) {
  std::span<const char* const> all(kBothLibraries);
  return majorVersion < 4 ? all : all.subspan(1);
}

std::string_view LoaderDirOf(std::string_view modulePath) {
  size_t cut = modulePath.find_last_of('\\');
  return cut == std::string_view::npos ? std::string_view() : modulePath.substr(0, cut + 1);
}

bool JoinPath(char* out, size_t size, std::string_view dir, std::string_view name) {
  size_t n = CopyText(out, size, dir);
  if (n < dir.size()) return false;
  return CopyText(out + n, size - n, name) == name.size();
}

void FormatStartFailure(char* out, size_t size, unsigned long code, std::string_view path) {
  std::snprintf(out, size, "Error %lu: Cannot execute\n%.*s", code, static_cast<int>(path.size()),
                path.data());
}
