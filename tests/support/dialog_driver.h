// Answers the modal dialogs and message boxes that open on this thread while
// a driver lives: each one is handed to the handler from inside its own modal
// loop, once it is visible. A dialog that the handler leaves open stays open.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class DialogDriver {
 public:
  using Handler = std::function<void(HWND dialog)>;
  explicit DialogDriver(Handler handler);
  ~DialogDriver();
  DialogDriver(const DialogDriver&) = delete;
  DialogDriver& operator=(const DialogDriver&) = delete;
  int seen() const { return seen_; }

 private:
  static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);
  static void CALLBACK Tick(HWND hwnd, UINT, UINT_PTR id, DWORD);
  HHOOK hook_ = nullptr;
  Handler handler_;
  int seen_ = 0;
};

// The text of a message box (its static control 0xFFFF).
std::string MessageBoxText(HWND box);
// The text of a dialog's control.
std::string DialogItemText(HWND dialog, int id);
// Clicks a button of a dialog (synchronously).
void ClickButton(HWND dialog, int id);
