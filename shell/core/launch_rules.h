// What Launch works out from paths when the platform knows no program for
// a file: the extension to associate, the registry's open command for the
// program the user picks, and the folder that program runs in.
#pragma once
#include <string>
#include <string_view>

// The text after the first "." of the full path, even when that dot is in
// a folder's name (empty when there is none).
std::string_view AssociationExtension(std::string_view path);
// The open command recorded for a picked program: its path and " %1".
std::string AssociationCommand(std::string_view program);
// The file's path as the picked program's argument: in double quotes when
// it holds a blank, so that the program takes it as one name.
std::string LaunchArgument(std::string_view path);
// The folder of a program's path: up to its last backslash, which is kept
// only for a drive's root ("C:\"); empty when the path names no folder.
std::string ProgramFolder(std::string_view program);
