// A program of the suite started from a test: in a job object, so that it
// (and what it starts) dies with the test, and found again by its windows.
#pragma once
#include <windows.h>

#include <string>

// The Windows path of a file of the build (given as a Unix path at build time).
std::string WinePathOf(const char* unixPath);
// A program of this build's program folder, by its name there.
std::string BuiltProgram(const char* name);

class ProgramUnderTest {
 public:
  // dir empty: the test's own current folder.
  ProgramUnderTest(const std::string& exe, const std::string& arguments,
                   const std::string& dir = "");
  // Arguments beyond the ANSI code page, as Explorer passes them on NT.
  ProgramUnderTest(const std::string& exe, const std::wstring& arguments, const std::string& dir);
  ~ProgramUnderTest();
  ProgramUnderTest(const ProgramUnderTest&) = delete;
  ProgramUnderTest& operator=(const ProgramUnderTest&) = delete;

  bool started() const { return process_.hProcess != nullptr; }
  DWORD processId() const { return process_.dwProcessId; }
  // The first visible top-level window of the process with this class
  // ("#32770" for dialogs), polling up to timeoutMs; nullptr when none came.
  HWND WaitForWindow(const char* className, DWORD timeoutMs = 10000) const;
  // Waits for the process to end; its exit code, or -1 on time-out.
  int WaitForExit(DWORD timeoutMs = 10000) const;

 private:
  void Adopt();

  PROCESS_INFORMATION process_ = {};
  HANDLE job_ = nullptr;
};
