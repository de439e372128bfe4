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

namespace {
std::wstring Wide(const std::string& s) {
  std::wstring w(s.size(), L'\0');
  w.resize(MultiByteToWideChar(CP_ACP, 0, s.data(), static_cast<int>(s.size()), w.data(),
                               static_cast<int>(w.size())));
  return w;
}
}  // namespace

ProgramUnderTest::ProgramUnderTest(const std::string& exe, const std::string& arguments,
                                   const std::string& dir) {
  std::string commandLine = "\"" + exe + "\"" + (arguments.empty() ? "" : " " + arguments);
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  if (CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED,
                     nullptr, dir.empty() ? nullptr : dir.c_str(), &si, &process_))
    Adopt();
  else
    process_ = {};
}

ProgramUnderTest::ProgramUnderTest(const std::string& exe, const std::wstring& arguments,
                                   const std::string& dir) {
  std::wstring commandLine = L"\"" + Wide(exe) + L"\" " + arguments;
  STARTUPINFOW si = {};
  si.cb = sizeof si;
  if (CreateProcessW(Wide(exe).c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                     CREATE_SUSPENDED, nullptr, dir.empty() ? nullptr : Wide(dir).c_str(), &si,
                     &process_))
    Adopt();
  else
    process_ = {};
}

// The suspended process into a job that kills it with the test, then on.
void ProgramUnderTest::Adopt() {
  job_ = CreateJobObjectA(nullptr, nullptr);
  JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
  limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
  SetInformationJobObject(job_, JobObjectExtendedLimitInformation, &limits, sizeof limits);
  AssignProcessToJobObject(job_, process_.hProcess);
  ResumeThread(process_.hThread);
}

ProgramUnderTest::~ProgramUnderTest() {
  if (process_.hProcess) {
    TerminateProcess(process_.hProcess, 1);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }
  if (job_) CloseHandle(job_);
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
