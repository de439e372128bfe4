#include "tests/support/program_under_test.h"

#include <algorithm>

std::string WinePathOf(const char* unixPath) {
  std::string p = std::string("Z:") + unixPath;
  std::replace(p.begin(), p.end(), '/', '\\');
  return p;
}

std::string BuiltProgram(const char* name) {
  return WinePathOf(TARVO_TEST_BIN_UNIX_PATH) + "\\" + name;
}

ProgramUnderTest::ProgramUnderTest(const std::string& exe, const std::string& arguments,
                                   const std::string& dir) {
  job_ = CreateJobObjectA(nullptr, nullptr);
  JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
  limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
  SetInformationJobObject(job_, JobObjectExtendedLimitInformation, &limits, sizeof limits);
  std::string commandLine = "\"" + exe + "\"" + (arguments.empty() ? "" : " " + arguments);
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  if (!CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED,
                      nullptr, dir.empty() ? nullptr : dir.c_str(), &si, &process_)) {
    process_ = {};
    return;
  }
  AssignProcessToJobObject(job_, process_.hProcess);
  ResumeThread(process_.hThread);
}

ProgramUnderTest::~ProgramUnderTest() {
  if (process_.hProcess) {
    TerminateProcess(process_.hProcess, 1);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }
  CloseHandle(job_);
}

namespace {
struct Search {
  DWORD pid;
  const char* className;
  HWND found;
};
BOOL CALLBACK Match(HWND hwnd, LPARAM lParam) {
  auto* s = reinterpret_cast<Search*>(lParam);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  char cls[64] = "";
  GetClassNameA(hwnd, cls, sizeof cls);
  if (pid == s->pid && lstrcmpiA(cls, s->className) == 0 && IsWindowVisible(hwnd)) {
    s->found = hwnd;
    return FALSE;
  }
  return TRUE;
}
}  // namespace

HWND ProgramUnderTest::WaitForWindow(const char* className, DWORD timeoutMs) const {
  DWORD start = GetTickCount();
  do {
    Search s{process_.dwProcessId, className, nullptr};
    EnumWindows(Match, reinterpret_cast<LPARAM>(&s));
    if (s.found) return s.found;
  } while (WaitForSingleObject(process_.hProcess, 20) == WAIT_TIMEOUT &&
           GetTickCount() - start < timeoutMs);
  return nullptr;
}

int ProgramUnderTest::WaitForExit(DWORD timeoutMs) const {
  if (!process_.hProcess || WaitForSingleObject(process_.hProcess, timeoutMs) != WAIT_OBJECT_0) return -1;
  DWORD code = 0;
  GetExitCodeProcess(process_.hProcess, &code);
  return static_cast<int>(code);
}
