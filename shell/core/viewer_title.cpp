#include "shell/core/viewer_title.h"

#include <string>
#include <string_view>

#include "common/file_name_forms.h"
#include "common/text_copy.h"

void ComposeViewerTitle(const char* current, const char* path, char* out, size_t size) {
  std::string title(std::string_view(current).substr(0, kTitleChars));
  size_t dash = title.find('-');
  if (dash == std::string::npos) {
    title += " - ";
  } else {
    title.resize(std::min(dash + 2, title.size()));
  }
  title += ShownNamePart(path);
  CopyText(out, size, title);
}
