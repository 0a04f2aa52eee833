// bare-reader: the reader window built straight on Win32, the yardstick for
// voxlet.exe's start-up time and memory. One top-level window 321×398 captioned
// "Voxlet", centred, with the reader's fourteen controls: the same classes,
// positions, captions, ranges and states, and no runtime behind them. The group
// box's six controls sit at their group-box offsets in the window's client area.
#include <windows.h>

#include <commctrl.h>

namespace {

struct Control {
  const wchar_t* className;
  const wchar_t* caption;
  DWORD style;
  DWORD exStyle;
  int left, top, width, height;
};

constexpr int kGroupLeft = 8, kGroupTop = 218;
constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kSlider = kChild | WS_TABSTOP | TBS_HORZ | TBS_BOTTOM | TBS_AUTOTICKS;
constexpr DWORD kProgress = kChild | WS_DISABLED | PBS_SMOOTH;

// In the order of the reader's unit list; the index is the control id.
const Control kControls[] = {
    {L"BUTTON", L"开始", kChild | WS_TABSTOP | BS_PUSHBUTTON, 0, 208, 224, 80, 32},
    {L"BUTTON", L"停止", kChild | WS_TABSTOP | BS_PUSHBUTTON, 0, 208, 272, 80, 32},
    {L"BUTTON", L"另存为", kChild | WS_TABSTOP | BS_PUSHBUTTON, 0, 208, 320, 80, 32},
    {PROGRESS_CLASSW, L"", kProgress, WS_EX_STATICEDGE, kGroupLeft + 14, kGroupTop + 109, 152, 9},
    {PROGRESS_CLASSW, L"", kProgress, WS_EX_STATICEDGE, kGroupLeft + 14, kGroupTop + 60, 152, 9},
    // The common dialog's unit: a window that is never shown.
    {L"STATIC", L"", WS_CHILD, 0, 208, 152, 26, 26},
    {TRACKBAR_CLASSW, L"", kSlider, 0, kGroupLeft + 8, kGroupTop + 85, 168, 34},
    {L"STATIC", L"语速", kChild, 0, kGroupLeft + 72, kGroupTop + 71, 64, 15},
    {L"STATIC", L"音量", kChild, 0, kGroupLeft + 72, kGroupTop + 20, 56, 15},
    {TRACKBAR_CLASSW, L"", kSlider, 0, kGroupLeft + 8, kGroupTop + 36, 168, 34},
    {L"BUTTON", L"设置", kChild | BS_GROUPBOX, 0, kGroupLeft, kGroupTop, 184, 134},
    {L"EDIT", L"", kChild | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN, WS_EX_CLIENTEDGE, 8, 48, 280,
     168},
    {L"STATIC", L"语音库", kChild, 0, 8, 16, 40, 24},
    // A drop-down list at least 160 pixels high, as the combo box unit makes it.
    {L"COMBOBOX", L"", kChild | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL, 0, 64, 16, 208, 160},
};

enum ControlId { kRateProgress = 3, kVolumeProgress = 4, kRateSlider = 6, kVolumeSlider = 9 };

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void SetRanges(HWND window) {
  SendDlgItemMessageW(window, kRateProgress, PBM_SETRANGE32, 0, 20);
  SendDlgItemMessageW(window, kRateProgress, PBM_SETPOS, 7, 0);
  SendDlgItemMessageW(window, kVolumeProgress, PBM_SETRANGE32, 0, 50);
  SendDlgItemMessageW(window, kVolumeProgress, PBM_SETPOS, 25, 0);
  const struct {
    int id, minimum, maximum, position;
  } sliders[] = {{kRateSlider, 1, 21, 8}, {kVolumeSlider, 1, 50, 25}};
  for (const auto& slider : sliders) {
    SendDlgItemMessageW(window, slider.id, TBM_SETRANGE, FALSE, MAKELPARAM(slider.minimum, slider.maximum));
    SendDlgItemMessageW(window, slider.id, TBM_SETPAGESIZE, 0, 5);
    SendDlgItemMessageW(window, slider.id, TBM_SETLINESIZE, 0, 1);
    SendDlgItemMessageW(window, slider.id, TBM_SETTICFREQ, 1, 0);
    SendDlgItemMessageW(window, slider.id, TBM_SETPOS, TRUE, slider.position);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_PROGRESS_CLASS | ICC_BAR_CLASSES};
  InitCommonControlsEx(&classes);

  WNDCLASSEXW windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = L"BareReader";
  if (!RegisterClassExW(&windowClass)) return 1;

  constexpr int kWidth = 321, kHeight = 398;
  HWND window =
      CreateWindowExW(0, L"BareReader", L"Voxlet", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                      (GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2, (GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2,
                      kWidth, kHeight, nullptr, nullptr, instance, nullptr);
  if (!window) return 1;
  HGDIOBJ font = GetStockObject(DEFAULT_GUI_FONT);  // a stock object: never deleted
  int id = 0;
  for (const Control& control : kControls) {
    HWND child = CreateWindowExW(control.exStyle, control.className, control.caption, control.style, control.left,
                                 control.top, control.width, control.height, window,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id++)), instance, nullptr);
    if (!child) return 1;
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  }
  SetRanges(window);
  ShowWindow(window, show);
  UpdateWindow(window);

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (IsDialogMessageW(window, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
