// What the setup loader decides before it touches the system: which runtime
// libraries go into the system directory on this version of Windows, where
// the loader's own files lie, and the text of the start failure.
#pragma once
#include <cstddef>
#include <span>
#include <string_view>

inline constexpr size_t kLoaderPathSize = 260;
inline constexpr const char* kInstallerName = "TRUSetup.exe";

// The libraries to copy, in copy order: the three-dimensional control library
// only below major version 4 (NT 3.51), where the system has none of its own;
// the C runtime on every version.
std::span<const char* const> RuntimeLibraries(unsigned majorVersion);

// The module path up to and including its last backslash; empty when it has none.
std::string_view LoaderDirOf(std::string_view modulePath);

// dir + name into out (cut, never overrun); returns false when it was cut.
bool JoinPath(char* out, size_t size, std::string_view dir, std::string_view name);

// "Error <code>: Cannot execute\n<path>", cut to size.
void FormatStartFailure(char* out, size_t size, unsigned long code, std::string_view path);
