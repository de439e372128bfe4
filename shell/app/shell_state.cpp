#include "shell/app/shell_state.h"

ShellStateRecord ShellState;

std::string ShellString(UINT id) {
  char text[512];
  int n = LoadStringA(ShellState.instance, id, text, sizeof text);
  return std::string(text, n > 0 ? n : 0);
}
