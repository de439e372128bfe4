// Helpers for Wine tests of the text viewer's main window: a temporary folder,
// a real profile file in it, and a message pump.
#pragma once
#include <windows.h>

#include <string>

// A fresh folder under the temporary directory, removed (with its files)
// when the object goes.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::string& path() const { return path_; }
  // Writes a file in the folder and returns its full path.
  std::string Write(const std::string& name, const std::string& content) const;

 private:
  std::string path_;
};

std::string ReadWholeFile(const std::string& path);

// Dispatches every queued message until the queue stays empty.
void PumpMessages();

// Polls cond, pumping messages, until it holds or timeoutMs pass.
template <class Cond>
bool WaitFor(Cond cond, DWORD timeoutMs = 5000) {
  DWORD start = GetTickCount();
  while (!cond()) {
    if (GetTickCount() - start > timeoutMs) return false;
    PumpMessages();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  return true;
}

std::string WindowText(HWND hwnd);
