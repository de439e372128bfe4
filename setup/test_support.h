// Helpers for the Wine tests of Setup.exe and the installer: a temporary
// folder, files in it, a program run from it that dies with the test, and
// polling for the windows that program shows.
#pragma once
#include <windows.h>

#include <string>

// The built programs: TARVO_TEST_BIN is the build's program folder.
std::string BuiltProgram(const char* name);

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  // The folder's path with a trailing backslash.
  const std::string& Path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + name; }

 private:
  std::string path_;
};

bool WriteFileText(const std::string& path, const std::string& text);
// The file's contents, or "<missing>" when it cannot be read.
std::string ReadFileText(const std::string& path);
bool FileExists(const std::string& path);

// A started program in a job that kills it (and what it started) when the
// test ends early.
class Launched {
 public:
  Launched(const std::string& program, const std::string& arguments);
  ~Launched();
  Launched(const Launched&) = delete;
  Launched& operator=(const Launched&) = delete;
  bool Started() const { return process_ != nullptr; }
  DWORD ProcessId() const { return processId_; }
  // The exit code, or STILL_ACTIVE when it has not ended within the time.
  DWORD WaitForExit(DWORD milliseconds);

 private:
  HANDLE job_ = nullptr;
  HANDLE process_ = nullptr;
  DWORD processId_ = 0;
};

// Polls until the process shows a visible top-level window with this caption.
HWND WaitForWindow(DWORD processId, const char* caption, DWORD milliseconds);
// Polls until the process shows a message box with this caption whose text
// holds the given part.
HWND WaitForMessageBox(DWORD processId, const char* caption, const char* part, DWORD milliseconds);
// Polls until the process has started a program of this file name; its id, or 0.
DWORD WaitForChildProcess(DWORD parentId, const char* exeName, DWORD milliseconds);
// Polls until the file exists.
bool WaitForFile(const std::string& path, DWORD milliseconds);
std::string WindowText(HWND window);
