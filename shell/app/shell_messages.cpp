#include "shell/app/shell_messages.h"

#include <cstdio>
#include <string>

#include "shell/app/shell_state.h"
#include "shell/resources/shell_ids.h"
#include "win32/message_report.h"

int ShellMessage(HWND owner, UINT textId, const char* caption, UINT style, const char* arg) {
  std::string format = ShellString(textId);
  char text[600];
  if (arg) {
    std::snprintf(text, sizeof text, format.c_str(), arg);
  } else {
    std::snprintf(text, sizeof text, "%s", format.c_str());
  }
  return ReportMessage(owner, text, caption, style);
}

int ShellError(HWND owner, UINT textId, UINT style, const char* arg) {
  return ShellMessage(owner, textId, ShellString(IDS_ERROR).c_str(), style, arg);
}
