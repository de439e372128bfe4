#include "shell/core/viewer_title.h"

#include <string>
#include <string_view>

#include "common/text_copy.h"

void ComposeViewerTitle(const char* current, const char* path, char* out, size_t size) {
  std::string title(std::string_view(current).substr(0, kTitleChars));
  size_t dash = title.find('-');
  if (dash == std::string::npos) {
    title += " - ";
  } else {
    title.resize(std::min(dash + 2, title.size()));
  }
  title += FileNamePart(path);
  CopyText(out, size, title);
}
