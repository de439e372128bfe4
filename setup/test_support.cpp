#include "setup/test_support.h"

#include <tlhelp32.h>

#include <vector>

namespace {

struct WindowSearch {
  DWORD processId;
  const char* caption;
  const char* boxTextPart;  // null: any window with the caption
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM lParam) {
  auto* search = reinterpret_cast<WindowSearch*>(lParam);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->processId || !IsWindowVisible(window)) return TRUE;
  if (WindowText(window) != search->caption) return TRUE;
  if (search->boxTextPart) {
    HWND text = GetDlgItem(window, 0xFFFF);
    if (!text || WindowText(text).find(search->boxTextPart) == std::string::npos) return TRUE;
  }
  search->found = window;
  return FALSE;
}

template <typename Ready>
bool PollUntil(DWORD milliseconds, Ready ready) {
  DWORD start = GetTickCount();
  while (!ready()) {
    if (GetTickCount() - start > milliseconds) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
  }
  return true;
}

void DeleteTree(const std::string& dir) {
  WIN32_FIND_DATAA found;
  HANDLE find = FindFirstFileA((dir + "*").c_str(), &found);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      std::string name = found.cFileName;
      if (name == "." || name == "..") continue;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        DeleteTree(dir + name + "\\");
      } else {
        SetFileAttributesA((dir + name).c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA((dir + name).c_str());
      }
    } while (FindNextFileA(find, &found));
    FindClose(find);
  }
  RemoveDirectoryA(dir.c_str());
}

}  // namespace

std::string BuiltProgram(const char* name) { return std::string(TARVO_TEST_BIN) + "/" + name; }

TempFolder::TempFolder() {
  char base[MAX_PATH];
  GetTempPathA(sizeof base, base);
  static LONG counter = 0;
  char name[64];
  wsprintfA(name, "tarvo_setup_%lu_%ld\\", GetCurrentProcessId(), InterlockedIncrement(&counter));
  path_ = std::string(base) + name;
  CreateDirectoryA(path_.c_str(), nullptr);
}

TempFolder::~TempFolder() { DeleteTree(path_); }

bool WriteFileText(const std::string& path, const std::string& text) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  BOOL ok = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(file);
  return ok && written == text.size();
}

std::string ReadFileText(const std::string& path) {
  HANDLE file =
      CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "<missing>";
  std::vector<char> bytes(GetFileSize(file, nullptr));
  DWORD read = 0;
  if (!bytes.empty())
    ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
  CloseHandle(file);
  return std::string(bytes.data(), read);
}

bool FileExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

Launched::Launched(const std::string& program, const std::string& arguments) {
  job_ = CreateJobObjectA(nullptr, nullptr);
  JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
  limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
  SetInformationJobObject(job_, JobObjectExtendedLimitInformation, &limits, sizeof limits);
  std::string commandLine = "\"" + program + "\"" + (arguments.empty() ? "" : " " + arguments);
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info = {};
  if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                      CREATE_SUSPENDED, nullptr, nullptr, &startup, &info))
    return;
  AssignProcessToJobObject(job_, info.hProcess);
  ResumeThread(info.hThread);
  CloseHandle(info.hThread);
  process_ = info.hProcess;
  processId_ = info.dwProcessId;
}

Launched::~Launched() {
  if (process_) CloseHandle(process_);
  if (job_) CloseHandle(job_);
}

DWORD Launched::WaitForExit(DWORD milliseconds) {
  if (!process_ || WaitForSingleObject(process_, milliseconds) != WAIT_OBJECT_0)
    return STILL_ACTIVE;
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(process_, &code);
  return code;
}

HWND WaitForWindow(DWORD processId, const char* caption, DWORD milliseconds) {
  return WaitForMessageBox(processId, caption, nullptr, milliseconds);
}

HWND WaitForMessageBox(DWORD processId, const char* caption, const char* part, DWORD milliseconds) {
  WindowSearch search = {processId, caption, part, nullptr};
  PollUntil(milliseconds, [&] {
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found != nullptr;
  });
  return search.found;
}

DWORD WaitForChildProcess(DWORD parentId, const char* exeName, DWORD milliseconds) {
  DWORD child = 0;
  PollUntil(milliseconds, [&] {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return false;
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more && !child;
         more = Process32Next(snapshot, &entry)) {
      if (entry.th32ParentProcessID == parentId && lstrcmpiA(entry.szExeFile, exeName) == 0)
        child = entry.th32ProcessID;
    }
    CloseHandle(snapshot);
    return child != 0;
  });
  return child;
}

bool WaitForFile(const std::string& path, DWORD milliseconds) {
  return PollUntil(milliseconds, [&] { return FileExists(path); });
}

std::string WindowText(HWND window) {
  char text[1024] = "";
  // WM_GETTEXT with a time limit: a hung window must not hang the test.
  DWORD_PTR length = 0;
  SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                      SMTO_ABORTIFHUNG, 2000, &length);
  return text;
}
