#include "shell/app/shell_messages.h"

#include <cstdio>
#include <string>

#include "controls/htctl32.h"
#include "shell/app/shell_state.h"
#include "shell/resources/shell_ids.h"

int ShellMessage(HWND owner, UINT textId, const char* caption, UINT style, const char* arg) {
  std::string format = ShellString(textId);
  char text[600];
  if (arg) {
    std::snprintf(text, sizeof text, format.c_str(), arg);
  } else {
    std::snprintf(text, sizeof text, "%s", format.c_str());
  }
  return MsgBox(owner, text, caption, style);
}

int ShellError(HWND owner, UINT textId, UINT style, const char* arg) {
  return ShellMessage(owner, textId, ShellString(IDS_ERROR).c_str(), style, arg);
}
