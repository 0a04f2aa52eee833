#include "tests/app/reader_driver.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "tests/support/user_input.h"

namespace vx::test {
namespace {

// Messages answered in the reader's process; no pointers cross over in these.
LRESULT Ask(HWND control, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(control, message, wParam, lParam, SMTO_NORMAL, 5000, &result);
  return static_cast<LRESULT>(result);
}

LONG TopOf(HWND window) {
  RECT rect;
  GetWindowRect(window, &rect);
  return rect.top;
}

// The window's descendants of a class, from the top of the screen down.
std::vector<HWND> OfClass(HWND window, const wchar_t* className) {
  std::vector<HWND> found;
  for (HWND child : ChildrenOf(window)) {
    if (ClassOf(child) == className) found.push_back(child);
  }
  std::stable_sort(found.begin(), found.end(), [](HWND a, HWND b) { return TopOf(a) < TopOf(b); });
  return found;
}

HWND WithText(HWND window, const wchar_t* className, const wchar_t* text) {
  for (HWND child : OfClass(window, className)) {
    if (TextOf(child) == text) return child;
  }
  return nullptr;
}

HWND At(const std::vector<HWND>& controls, size_t index) { return index < controls.size() ? controls[index] : nullptr; }

bool PutOnClipboard(const std::wstring& text) {
  if (!PumpUntil([] { return OpenClipboard(nullptr) != FALSE; })) return false;
  EmptyClipboard();
  size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  memcpy(GlobalLock(memory), text.c_str(), bytes);
  GlobalUnlock(memory);
  bool put = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
  CloseClipboard();
  return put;
}

}  // namespace

int SliderPosition(HWND slider) { return static_cast<int>(Ask(slider, TBM_GETPOS)); }

int ProgressPosition(HWND progress) { return static_cast<int>(Ask(progress, PBM_GETPOS)); }

std::pair<int, int> Selection(HWND edit) {
  auto both = static_cast<DWORD>(Ask(edit, EM_GETSEL));
  return {LOWORD(both), HIWORD(both)};
}

std::vector<std::wstring> ComboItems(HWND combo) {
  std::vector<std::wstring> items;
  for (int i = 0, count = static_cast<int>(Ask(combo, CB_GETCOUNT)); i < count; ++i) {
    // The text crosses over in a buffer the system marshals for this message.
    std::wstring item(Ask(combo, CB_GETLBTEXTLEN, i) + 1, L'\0');
    item.resize(Ask(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item.data())));
    items.push_back(item);
  }
  return items;
}

int ComboSelection(HWND combo) { return static_cast<int>(Ask(combo, CB_GETCURSEL)); }

Reader::Reader(const std::wstring& exe, const std::wstring& arguments) : program_(exe, arguments) {
  window_ = program_.WaitForWindow(L"QRWindow");
  if (!window_) return;
  std::vector<HWND> labels = OfClass(window_, L"_VX_Label");  // 语音库, volume, rate
  std::vector<HWND> sliders = OfClass(window_, L"msctls_trackbar32");
  std::vector<HWND> bars = OfClass(window_, L"msctls_progress32");
  units_.voiceCombo = At(OfClass(window_, L"ComboBox"), 0);
  for (HWND edit : OfClass(window_, L"Edit")) {
    if (GetWindowLongW(edit, GWL_STYLE) & ES_MULTILINE) units_.text = edit;
  }
  units_.startPause = WithText(window_, L"Button", L"开始");
  units_.stop = WithText(window_, L"Button", L"停止");
  units_.saveAs = WithText(window_, L"Button", L"另存为");
  units_.volumeSlider = At(sliders, 0);
  units_.rateSlider = At(sliders, 1);
  units_.volumeProgress = At(bars, 0);
  units_.rateProgress = At(bars, 1);
  units_.volumeLabel = At(labels, 1);
  units_.rateLabel = At(labels, 2);
  units_.dialogUnit = At(OfClass(window_, L"_VX_CommonDlg"), 0);
}

bool Reader::Complete() const {
  const ReaderUnits& u = units_;
  for (HWND unit : {u.voiceCombo, u.text, u.startPause, u.stop, u.saveAs, u.volumeSlider, u.rateSlider,
                    u.volumeProgress, u.rateProgress, u.volumeLabel, u.rateLabel, u.dialogUnit}) {
    if (!unit) return false;
  }
  return true;
}

DWORD Reader::Close() {
  PostMessageW(window_, WM_CLOSE, 0, 0);
  return program_.WaitForExit(10000);
}

bool Reader::Answers(DWORD timeoutMs) const {
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(window_, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, &result) != 0;
}

HWND Reader::Focus() const {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(window_, nullptr), &info);
  return info.hwndFocus;
}

void Reader::ToFront() {
  if (GetForegroundWindow() != window_) BringToFront(window_);
}

void Reader::Click(HWND control) {
  ToFront();
  RECT client;
  GetClientRect(control, &client);
  ClickAt(ScreenCentre(control, client));
}

void Reader::ClickQuickly(HWND control, int times, bool close) {
  ToFront();
  RECT client;
  GetClientRect(control, &client);
  MoveMouseTo(ScreenCentre(control, client));
  std::vector<INPUT> burst;
  for (int i = 0; i < times; ++i) {
    burst.push_back(MouseInput(MOUSEEVENTF_LEFTDOWN));
    burst.push_back(MouseInput(MOUSEEVENTF_LEFTUP));
  }
  if (close) {
    burst.insert(burst.end(),
                 {KeyInput(VK_MENU, false), KeyInput(VK_F4, false), KeyInput(VK_F4, true), KeyInput(VK_MENU, true)});
  }
  SendInput(static_cast<UINT>(burst.size()), burst.data(), sizeof(INPUT));
  PumpFor(100);
}

void Reader::Press(WORD key, WORD modifier) {
  ToFront();
  if (modifier) SendOneInput(KeyInput(modifier, false));
  SendOneInput(KeyInput(key, false));
  SendOneInput(KeyInput(key, true));
  if (modifier) SendOneInput(KeyInput(modifier, true));
  PumpFor(50);
}

bool Reader::TabTo(HWND control) {
  auto there = [&] { return Focus() == control || IsChild(control, Focus()); };
  for (int presses = 0; presses < 16 && !there(); ++presses) {
    HWND before = Focus();
    Press(VK_TAB);
    PumpUntil([&] { return Focus() != before; });
  }
  // The focus moves before the reader has handled it; an answer comes after.
  return there() && Answers(5000);
}

bool Reader::Paste(const std::wstring& text) {
  if (!PutOnClipboard(text)) return false;
  Click(units_.text);
  Ask(units_.text, EM_SETSEL, 0, -1);
  Press('V', VK_CONTROL);
  return PumpUntil([&] { return TextOf(units_.text) == text; }, 5000);
}

bool Reader::HoldMouse(HWND control, POINT client, const std::function<bool()>& done) {
  ToFront();
  ClientToScreen(control, &client);
  MoveMouseTo(client);
  SendOneInput(MouseInput(MOUSEEVENTF_LEFTDOWN));
  bool reached = PumpUntil(done, 10000);
  SendOneInput(MouseInput(MOUSEEVENTF_LEFTUP));
  PumpFor(100);
  return reached;
}

FileDialogSeen SeeFileDialog(HWND dialog) {
  constexpr int kFileTypes = 0x470, kFolders = 0x471;  // the dialog's two lists
  return {TextOf(dialog), TextOf(GetDlgItem(dialog, kFileTypes)), TextOf(GetDlgItem(dialog, kFolders))};
}

bool FinishFileDialog(HWND dialog, const std::wstring& name, bool confirm) {
  HWND nameField = At(OfClass(dialog, L"Edit"), 0);
  DWORD_PTR result = 0;
  PumpUntil([&] {
    SendMessageTimeoutW(nameField, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()), SMTO_NORMAL, 5000, &result);
    return TextOf(nameField) == name;
  });
  PostMessageW(GetDlgItem(dialog, confirm ? IDOK : IDCANCEL), BM_CLICK, 0, 0);
  return PumpUntil([&] { return !IsWindow(dialog); }, 10000);
}

}  // namespace vx::test
