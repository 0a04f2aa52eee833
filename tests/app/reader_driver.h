// voxlet.exe as a user meets it: started from a folder, its window and units found
// by class and place, what they show read back through window messages (answered
// in the reader's own process), and real key and mouse input with the reader in
// front and our input attached to its thread.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/process_driver.h"

namespace vx::test {

// The release folder's reader, from the tests folder.
inline constexpr wchar_t kReleaseReader[] = L"..\\release\\voxlet.exe";

// The reader's units, found once as the window shows.
struct ReaderUnits {
  HWND voiceCombo = nullptr;
  HWND text = nullptr;  // the multi-line edit box
  HWND startPause = nullptr, stop = nullptr, saveAs = nullptr;
  HWND volumeSlider = nullptr, rateSlider = nullptr;
  HWND volumeProgress = nullptr, rateProgress = nullptr;
  HWND volumeLabel = nullptr, rateLabel = nullptr;
  HWND dialogUnit = nullptr;  // the common dialog's own window
};

int SliderPosition(HWND slider);
int ProgressPosition(HWND progress);
std::pair<int, int> Selection(HWND edit);  // start and end, in characters
std::vector<std::wstring> ComboItems(HWND combo);
int ComboSelection(HWND combo);

class Reader {
 public:
  explicit Reader(const std::wstring& exe, const std::wstring& arguments = L"");
  HWND window() const { return window_; }
  const ReaderUnits& units() const { return units_; }
  // Whether every unit was found.
  bool Complete() const;
  // WM_CLOSE; the exit code, STILL_ACTIVE when the process did not end.
  DWORD Close();
  // Whether the window answers a message within the time.
  bool Answers(DWORD timeoutMs) const;
  HWND Focus() const;

  void Click(HWND control);
  // Clicks the control that many times in one burst of input, as fast as input
  // goes; with close, Alt+F4 follows in the same burst.
  void ClickQuickly(HWND control, int times, bool close = false);
  // A key, with a modifier key held when one is given.
  void Press(WORD key, WORD modifier = 0);
  // Presses Tab until the control (or its edit field) has the focus.
  bool TabTo(HWND control);
  // Selects all of the text box and pastes the text over it from the clipboard.
  bool Paste(const std::wstring& text);
  // Holds the left button down at a client point of the control until `done`.
  bool HoldMouse(HWND control, POINT client, const std::function<bool()>& done);

  // The save dialog, once the reader shows it.
  HWND WaitForDialog() const { return program_.WaitForWindow(L"#32770", 10000); }

 private:
  void ToFront();

  Program program_;
  HWND window_ = nullptr;
  ReaderUnits units_;
};

// The file dialog as the user sees it.
struct FileDialogSeen {
  std::wstring title, fileType, folder;
};
FileDialogSeen SeeFileDialog(HWND dialog);
// Types the name into the dialog and presses 保存 (or 取消); true once it is gone.
bool FinishFileDialog(HWND dialog, const std::wstring& name, bool confirm);

}  // namespace vx::test
