// A program started by a benchmark driver as a user starts it: in its own folder,
// watched until its first top-level window is visible, closed as a user closes it.
#pragma once

#include <windows.h>

#include <string>

namespace bench {

class Launch {
 public:
  // Starts the exe (a path, relative to the current folder or absolute).
  explicit Launch(const std::wstring& exe);
  ~Launch();  // ends the process if it is still running
  Launch(const Launch&) = delete;
  Launch& operator=(const Launch&) = delete;

  bool started() const { return info_.hProcess != nullptr; }
  HANDLE process() const { return info_.hProcess; }
  // Polls until a top-level window of the process is visible; null when the
  // process ends first or the time runs out.
  HWND WaitForVisibleWindow(DWORD timeoutMs = 20000) const;
  // WM_CLOSE to the window; the exit code, or STILL_ACTIVE when it did not end.
  DWORD Close(HWND window, DWORD timeoutMs = 10000);

 private:
  PROCESS_INFORMATION info_ = {};
};

// Milliseconds on the performance counter.
double NowMs();

// "C:\\x\\y.exe" -> "y.exe", for messages.
std::wstring FileNameOf(const std::wstring& path);
// For printing: messages go out as UTF-8.
std::string Utf8(const std::wstring& text);

}  // namespace bench
