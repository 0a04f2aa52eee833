// Drives real programs under test the way a user meets them: start the process,
// find its windows, read what they show, click, and wait for the exit code.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace vx::test {

// The folder of the running test exe, where the test programs are built too.
std::wstring TestFolder();

class Program {
 public:
  Program(const std::wstring& exeName, const std::wstring& arguments);
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  DWORD id() const { return info_.dwProcessId; }
  // The first visible top-level window of the process with this class, or null.
  HWND WaitForWindow(const wchar_t* className, DWORD timeoutMs = 20000) const;
  // The exit code, or STILL_ACTIVE when the process did not end in time.
  DWORD WaitForExit(DWORD timeoutMs = 20000);

 private:
  PROCESS_INFORMATION info_ = {};
};

std::wstring TextOf(HWND window);
std::wstring ClassOf(HWND window);
std::vector<HWND> ChildrenOf(HWND window);
// Clicks the child button with this control id as a user's click would.
bool ClickButton(HWND dialog, int controlId);

// A message box as shown: its caption, its text and whether it has an icon.
struct MessageBoxSeen {
  std::wstring caption;
  std::wstring text;
  bool hasIcon = false;
};
MessageBoxSeen ReadMessageBox(HWND box);

// A file under the temp folder, deleted when the object goes.
class TempFile {
 public:
  explicit TempFile(const std::wstring& stem);
  ~TempFile();
  const std::wstring& path() const { return path_; }
  std::string Contents() const;  // empty when the file does not exist
  bool Exists() const;

 private:
  std::wstring path_;
};

}  // namespace vx::test
