// A window with every kind of control the look takes over, in each state it can
// show without a user, and a few controls it leaves alone. Its argument is the
// look style to start with; tests drive it with the messages of look_fixture.h
// and read its pixels from the screen. Screenshots of it show the look.
#include <windows.h>

#include <commctrl.h>

#include <cstdlib>
#include <initializer_list>
#include <vector>

#include "commands/control_look/set_control_look.h"
#include "tests/commands/control_look/programs/look_fixture.h"
#include "tests/support/gdi_object_count.h"

namespace {

using namespace vx::test::look_fixture;

struct ControlLayout {
  int id;
  const wchar_t* className;
  const wchar_t* text;
  DWORD style;
  DWORD exStyle;
  int x, y, width, height;
};

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr int kCol = 125;
constexpr int Column(int n) { return 10 + n * kCol; }

// Created before the look is switched on, except kPushLater.
constexpr ControlLayout kControls[] = {
    {kPush, L"Button", L"开始", kChild | WS_TABSTOP | BS_PUSHBUTTON, 0, Column(0), 10, 110, 28},
    {kPushDefault, L"Button", L"Default", kChild | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, Column(1), 10, 110, 28},
    {kPushPressed, L"Button", L"Pressed", kChild | BS_PUSHBUTTON, 0, Column(2), 10, 110, 28},
    {kPushChecked, L"Button", L"Checked", kChild | BS_AUTOCHECKBOX | BS_PUSHLIKE, 0, Column(3), 10, 110, 28},
    {kPushIndeterminate, L"Button", L"Indeterminate", kChild | BS_AUTO3STATE | BS_PUSHLIKE, 0, Column(4), 10, 110, 28},
    {kPushDisabled, L"Button", L"Disabled", kChild | WS_DISABLED | BS_PUSHBUTTON, 0, Column(5), 10, 110, 28},
    {kBitmapButton, L"Button", L"Bitmap style", kChild | BS_PUSHBUTTON | BS_BITMAP, 0, Column(6), 10, 110, 28},

    {kCheck, L"Button", L"Check box", kChild | WS_TABSTOP | BS_AUTOCHECKBOX, 0, Column(0), 50, 115, 20},
    {kCheckChecked, L"Button", L"Checked", kChild | BS_AUTOCHECKBOX, 0, Column(1), 50, 115, 20},
    {kCheckIndeterminate, L"Button", L"Indeterminate", kChild | BS_AUTO3STATE, 0, Column(2), 50, 115, 20},
    {kCheckDisabled, L"Button", L"Disabled", kChild | WS_DISABLED | BS_AUTOCHECKBOX, 0, Column(3), 50, 115, 20},
    {kCheckDisabledChecked, L"Button", L"Disabled on", kChild | WS_DISABLED | BS_AUTOCHECKBOX, 0, Column(4), 50, 115,
     20},
    {kCheckTall, L"Button", L"Tall", kChild | BS_AUTOCHECKBOX, 0, Column(5), 50, 115, 40},
    {kCheckTallCentred, L"Button", L"Tall, centred", kChild | BS_AUTOCHECKBOX | BS_VCENTER, 0, Column(6), 50, 115, 40},
    {kCheckLeftText, L"Button", L"Left text", kChild | BS_AUTOCHECKBOX | BS_LEFTTEXT, 0, Column(7), 50, 115, 20},

    {kRadio, L"Button", L"Radio", kChild | WS_GROUP | BS_AUTORADIOBUTTON, 0, Column(0), 100, 115, 20},
    {kRadioChecked, L"Button", L"Checked", kChild | WS_GROUP | BS_AUTORADIOBUTTON, 0, Column(1), 100, 115, 20},
    {kRadioDisabled, L"Button", L"Disabled", kChild | WS_GROUP | WS_DISABLED | BS_AUTORADIOBUTTON, 0, Column(2), 100,
     115, 20},
    {kRadioDisabledChecked, L"Button", L"Disabled on", kChild | WS_GROUP | WS_DISABLED | BS_AUTORADIOBUTTON, 0,
     Column(3), 100, 115, 20},

    {kGroup, L"Button", L"分组 Group", kChild | BS_GROUPBOX, 0, Column(0), 130, 240, 60},
    {kGroupCentred, L"Button", L"Centred", kChild | BS_GROUPBOX | BS_CENTER, 0, Column(2), 130, 115, 60},
    {kGroupEmpty, L"Button", L"", kChild | BS_GROUPBOX, 0, Column(3), 130, 115, 60},
    {kGroupDisabled, L"Button", L"Disabled", kChild | WS_DISABLED | BS_GROUPBOX, 0, Column(4), 130, 115, 60},

    {kEditClientEdge, L"Edit", L"Client edge", kChild | WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, Column(0), 205,
     110, 24},
    {kEditBorder, L"Edit", L"Border", kChild | ES_AUTOHSCROLL, 0, Column(1), 205, 110, 24},
    {kEditNoBorder, L"Edit", L"No border", kChild | ES_AUTOHSCROLL, 0, Column(2), 205, 110, 24},
    {kEditReadOnly, L"Edit", L"Read-only", kChild | ES_READONLY, WS_EX_CLIENTEDGE, Column(3), 205, 110, 24},
    {kEditDisabled, L"Edit", L"Disabled", kChild | WS_DISABLED, WS_EX_CLIENTEDGE, Column(4), 205, 110, 24},
    {kEditWithUpDown, L"Edit", L"5", kChild | ES_NUMBER, WS_EX_CLIENTEDGE, Column(5), 205, 110, 24},
    {kUpDownJoined, UPDOWN_CLASSW, L"", kChild | UDS_ALIGNRIGHT | UDS_AUTOBUDDY | UDS_SETBUDDYINT | UDS_ARROWKEYS, 0, 0,
     0, 0, 0},

    {kComboDropDown, L"ComboBox", L"", kChild | WS_TABSTOP | CBS_DROPDOWN | WS_VSCROLL, 0, Column(0), 245, 130, 150},
    {kComboList, L"ComboBox", L"", kChild | CBS_DROPDOWNLIST | WS_VSCROLL, 0, Column(1) + 15, 245, 130, 150},
    {kComboSimple, L"ComboBox", L"", kChild | CBS_SIMPLE, 0, Column(2) + 30, 245, 130, 90},
    {kComboListDisabled, L"ComboBox", L"", kChild | WS_DISABLED | CBS_DROPDOWNLIST, 0, Column(3) + 45, 245, 130, 150},

    {kUpDownVertical, UPDOWN_CLASSW, L"", kChild, 0, Column(5), 245, 20, 40},
    {kUpDownHorizontal, UPDOWN_CLASSW, L"", kChild | UDS_HORZ, 0, Column(5) + 40, 245, 40, 20},
    {kUpDownDisabled, UPDOWN_CLASSW, L"", kChild | WS_DISABLED, 0, Column(6), 245, 20, 40},

    {kListBox, L"ListBox", L"", kChild | WS_BORDER | LBS_NOTIFY, 0, Column(0), 350, 110, 60},
    {kScrollBar, L"ScrollBar", L"", kChild | SBS_HORZ, 0, Column(1), 350, 110, 17},
    {kProgressBar, PROGRESS_CLASSW, L"", kChild, 0, Column(2), 350, 110, 17},
    {kTrackBar, TRACKBAR_CLASSW, L"", kChild, 0, Column(3), 350, 110, 30},
};
constexpr ControlLayout kLaterButton = {kPushLater, L"Button", L"Later", kChild | BS_PUSHBUTTON, 0, Column(0) + 60,
                                        155,        110,       28};
constexpr int kClientWidth = Column(8) + 10, kClientHeight = 430;

HWND mainWindow = nullptr;

HWND Create(const ControlLayout& layout) {
  HWND control = CreateWindowExW(
      layout.exStyle, layout.className, layout.text, layout.style, layout.x, layout.y, layout.width, layout.height,
      mainWindow, reinterpret_cast<HMENU>(static_cast<INT_PTR>(layout.id)), GetModuleHandleW(nullptr), nullptr);
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  return control;
}

HWND ComboList(HWND combo) {
  COMBOBOXINFO info = {};
  info.cbSize = sizeof info;
  return GetComboBoxInfo(combo, &info) ? info.hwndList : nullptr;
}

void CreateControls() {
  for (const ControlLayout& layout : kControls) Create(layout);
  for (int id : {kPushChecked, kCheckChecked, kCheckDisabledChecked, kRadioChecked, kRadioDisabledChecked}) {
    SendDlgItemMessageW(mainWindow, id, BM_SETCHECK, BST_CHECKED, 0);
  }
  for (int id : {kPushIndeterminate, kCheckIndeterminate}) {
    SendDlgItemMessageW(mainWindow, id, BM_SETCHECK, BST_INDETERMINATE, 0);
  }
  for (int id : {kComboDropDown, kComboList, kComboSimple, kComboListDisabled, kListBox}) {
    HWND box = GetDlgItem(mainWindow, id);
    const UINT add = id == kListBox ? LB_ADDSTRING : CB_ADDSTRING;
    for (const wchar_t* item : {L"一 one", L"二 two", L"三 three"}) {
      SendMessageW(box, add, 0, reinterpret_cast<LPARAM>(item));
    }
    if (id != kListBox) SendMessageW(box, CB_SETCURSEL, 0, 0);
  }
  SendDlgItemMessageW(mainWindow, kProgressBar, PBM_SETPOS, 60, 0);
  // A single-line border given after creation, as units apply their Border
  // property (an edit box created with WS_BORDER takes it off and draws its own).
  HWND bordered = GetDlgItem(mainWindow, kEditBorder);
  SetWindowLongW(bordered, GWL_STYLE, GetWindowLongW(bordered, GWL_STYLE) | WS_BORDER);
  SetWindowPos(bordered, nullptr, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

bool SetLook(int style) {
  vx::MDATA argument = {};
  argument.intValue = style;
  argument.type = vx::type::kInt;
  vx::MDATA result = {};
  vx::SetControlLook(&result, 1, &argument);
  // The pressed state is the button's, told to the look as it changes.
  SendDlgItemMessageW(mainWindow, kPushPressed, BM_SETSTATE, TRUE, 0);
  return result.type == vx::type::kBool && result.intValue != 0;
}

// A system control created through the wide API starts with its class's procedure.
bool HasOwnProcedure(int id, bool comboList) {
  HWND window = GetDlgItem(mainWindow, id);
  if (comboList) window = ComboList(window);
  return window &&
         static_cast<ULONG_PTR>(GetWindowLongPtrW(window, GWLP_WNDPROC)) == GetClassLongPtrW(window, GCLP_WNDPROC);
}

// Repaints the controls the look has taken over, one after another, frames
// included: `times` repaints in all.
LRESULT Repaint(int times) {
  std::vector<HWND> looked;
  for (HWND child = GetWindow(mainWindow, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!HasOwnProcedure(GetDlgCtrlID(child), false)) looked.push_back(child);
  }
  if (looked.empty()) return 0;
  LARGE_INTEGER start, end, frequency;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  for (int i = 0; i < times; ++i) {
    RedrawWindow(looked[i % looked.size()], nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ERASENOW);
  }
  QueryPerformanceCounter(&end);
  return static_cast<LRESULT>((end.QuadPart - start.QuadPart) * 1000 / frequency.QuadPart);
}

// The procedure kSubclassOnTop puts in front, and the one it hands on to.
WNDPROC behindOnTop = nullptr;
LRESULT CALLBACK OnTopProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcW(behindOnTop, window, message, wParam, lParam);
}

LRESULT CALLBACK FixtureProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kSetLook:
      return SetLook(static_cast<int>(wParam));
    case kHasOwnProcedure:
      return HasOwnProcedure(static_cast<int>(wParam), lParam == 1);
    case kGdiObjects:
      return vx::test::GdiObjectCount();
    case kRepaint:
      return Repaint(static_cast<int>(wParam));
    case kFocus:
      SetFocus(GetDlgItem(window, static_cast<int>(wParam)));
      return 0;
    case kSubclassOnTop:
      behindOnTop = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(GetDlgItem(window, static_cast<int>(wParam)),
                                                                GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(OnTopProc)));
      return 0;
    case kMark: {
      HWND control = GetDlgItem(window, static_cast<int>(wParam));
      HDC dc = GetDC(control);
      SetPixel(dc, LOWORD(lParam), HIWORD(lParam), RGB(255, 0, 255));
      ReleaseDC(control, dc);
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_UPDOWN_CLASS | ICC_PROGRESS_CLASS | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  WNDCLASSW windowClass = {};
  windowClass.lpfnWndProc = FixtureProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kWindowClass;
  RegisterClassW(&windowClass);

  RECT frame = {0, 0, kClientWidth, kClientHeight};
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  AdjustWindowRect(&frame, style, FALSE);
  mainWindow = CreateWindowExW(0, kWindowClass, L"Control look", style, 20, 20, frame.right - frame.left,
                               frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
  CreateControls();
  SetLook(std::atoi(commandLine));
  Create(kLaterButton);  // taken over as it is created
  ShowWindow(mainWindow, SW_SHOW);
  UpdateWindow(mainWindow);

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
