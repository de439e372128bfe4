#include "shell/core/launch_rules.h"

std::string_view AssociationExtension(std::string_view path) {
  const size_t dot = path.find('.');
  return dot == std::string_view::npos ? std::string_view() : path.substr(dot + 1);
}

std::string AssociationCommand(std::string_view program) { return std::string(program) + " %1"; }

std::string LaunchArgument(std::string_view path) {
  if (path.find(' ') == std::string_view::npos) return std::string(path);
  return "\"" + std::string(path) + "\"";
}

std::string ProgramFolder(std::string_view program) {
  const size_t slash = program.rfind('\\');
  if (slash == std::string_view::npos) return {};
  const bool driveRoot = slash == 2 && program[1] == ':';
  return std::string(program.substr(0, driveRoot ? slash + 1 : slash));
}
