// File-type detection over random files and names: the names are mostly an
// extension the rules know (in either case) and sometimes raw bytes. Every
// answer is a row of the viewer table, never the DWG row that no rule
// yields, and no answer depends on the bytes beyond what detection
// reads: a twin file that differs only there is detected alike.
#include <algorithm>
#include <cctype>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "fuzz/formatter_harness.h"
#include "shell/core/extension_rules.h"
#include "shell/core/file_type.h"
#include "shell/core/viewer_table.h"
#include "viewer/buffer/memory_files.h"

namespace {
using namespace std::literals;

struct Reports : DetectionReports {
  bool Installed = true;
  std::string Said;
  void Unreadable(const char* path) override { Said += "unreadable "s + path + ";"; }
  void ProtectedWorksheet() override { Said += "protected;"; }
  void LibraryMissing(const char* library) override { Said += "missing "s + library + ";"; }
  bool LibraryInstalled(const char*) override { return Installed; }
};

bool IsViewerType(int type) { return type >= 0 && type < kViewerTypeCount && type != 27; }

// One name of a rule's extension list ('*' stands for any letter), or raw
// bytes up to the first zero.
std::string NameFrom(fuzz::Input& in) {
  const uint32_t choice = in.Take(2);
  if (choice % 4 == 0) {
    std::string raw;
    for (uint32_t n = choice / 4 % 40; n > 0 && in.n > 0; --n) raw += static_cast<char>(in.Take(1));
    return raw.substr(0, raw.find('\0'));
  }
  const std::string_view names = ExtensionRules[choice / 4 % ExtensionRules.size()].Extensions;
  std::vector<std::string> list;
  for (size_t at = 0; at < names.size();) {
    const size_t space = std::min(names.find(' ', at), names.size());
    list.emplace_back(names.substr(at, space - at));
    at = space + 1;
  }
  std::string extension = list[in.Take(1) % list.size()];
  for (char& c : extension) {
    if (c == '*') c = 'A' + static_cast<char>(in.Take(1) % 26);
    if (in.Take(1) & 1) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return "C:\\DIR\\FILE." + extension;
}

// The path with its extension upper-cased, as detection leaves it.
std::string UpperExtension(std::string path) {
  if (const size_t dot = path.rfind('.'); dot != std::string::npos)
    for (size_t i = dot + 1; i < path.size(); ++i)
      path[i] = static_cast<char>(std::toupper(static_cast<unsigned char>(path[i])));
  return path;
}

// Detection of bytes stored as path (under its upper-cased extension too,
// as the platform's names ignore case): the type and what was reported.
std::pair<int, std::string> Detect(const std::string& path, const std::vector<uint8_t>& bytes,
                                   bool installed) {
  MemoryFileSystem& fs = UseMemoryFiles();
  fs.Files[path] = bytes;
  fs.Files[UpperExtension(path)] = bytes;
  std::vector<char> buffer(path.begin(), path.end());
  buffer.push_back('\0');
  Reports reports;
  reports.Installed = installed;
  int type = -5;
  FUZZ_CHECK(DetectFileType(buffer.data(), reports, &type));
  FUZZ_CHECK(IsViewerType(type));
  FUZZ_CHECK(installed || type == kTypeText);
  const int byContent = DetectByContent(buffer.data(), reports);
  FUZZ_CHECK(IsViewerType(byContent));
  return {type * 100 + byContent, reports.Said};
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Input in{data, size};
  const bool installed = in.Take(1) & 1;
  const std::string path = NameFrom(in);
  const std::vector<uint8_t> bytes(in.p, in.p + in.n);

  const size_t dot = path.rfind('.');
  const std::string extension =
      dot == std::string::npos ? "" : UpperExtension(path).substr(dot + 1);
  bool isProtected = false;
  const int byName = TypeByExtension(extension, bytes, &isProtected);
  FUZZ_CHECK(byName == -1 || IsViewerType(byName));
  const std::span<const uint8_t> nameProbe(bytes.data(), std::min(bytes.size(), kNameProbeBytes));
  FUZZ_CHECK(TypeByExtension(extension, nameProbe, &isProtected) == byName);
  FUZZ_CHECK(IsViewerType(TypeByContent(bytes, std::ssize(bytes), path)));

  std::vector<uint8_t> twin = bytes;
  for (size_t i = kContentProbeBytes; i < twin.size(); ++i)
    twin[i] = static_cast<uint8_t>(~twin[i]);
  FUZZ_CHECK(Detect(path, bytes, installed) == Detect(path, twin, installed));
  UsePlatformFiles();
  return 0;
}
