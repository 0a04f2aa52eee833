// A compiled program with one window, built from a window template, for the
// window and start-up tests. Its first argument names a scenario, its second a
// file it appends one line to for each thing that happens:
//   events        Created, Moved, Resized are recorded; the window stays up
//   destroy       the Created handler destroys the window
//   reload        the loaded window is minimised and loaded again
//   properties    Border and StartPosition are written and read back
//   idle          the Idle handler asks for more until 100 ms have passed
//   form          a window of edits and buttons for keyboard driving
//   keep-once     as form, but the first close request is refused
//   modal         a second window is loaded modally; its Idle handler closes it
//   ellipse, star, colour   shaped and coloured windows for screenshots
//   drag, no-drag  DragAnywhere on or off, with a label; the Wheel handler records
//   worker-exit    a worker thread calls ExitProgram(5) while the window is up
//   destroy-on-close, destroy-on-query, destroy-on-activate, destroy-on-first-activate,
//   destroy-on-focus, destroy-on-unit-focus, destroy-on-recreate
//                  a handler destroys its own window from inside the event named (the
//                  close events are asked for by a WM_CLOSE posted when the window is
//                  created; the unit's focus arrives while the window loads; the
//                  re-creation pumps a posted WM_CLOSE)
// The exit routine appends "exit".
#include <windows.h>

#include <shellapi.h>

#include <string>

#include "contract/helper_table.h"
#include "contract/program.h"
#include "runtime/app_object.h"
#include "runtime/framework/gbk.h"
#include "runtime/framework/unit_object.h"
#include "runtime/helper_operations.h"
#include "runtime/runtime_notify.h"
#include "runtime/template/template_writer.h"
#include "runtime/window_loader.h"
#include "tests/support/test_units.h"
#include "units/unit_types/core_unit_types.h"
#include "units/window/window_data.h"

namespace {

using vx::EventArguments;
using vx::ProgramHandler;

constexpr uint32_t kWindow = 0x52010001;
constexpr uint32_t kOwnUnit = 0x06010000;
constexpr uint32_t kEditA = 0x16010001, kEditB = 0x16010002, kEditDisabled = 0x16010003, kEditHidden = 0x16010004,
                   kOkButton = 0x16010005, kSaveButton = 0x16010006, kEditNoStop = 0x16010007;
constexpr uint32_t kLabel = 0x16010008;
constexpr uint32_t kDialog = 0x52010002, kDialogOwnUnit = 0x06020000;

std::wstring scenario;
std::wstring recordPath;
int closeRequests = 0;

void Record(const std::string& line) {
  HANDLE file = CreateFileW(recordPath.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, 0, nullptr);
  std::string text = line + "\n";
  DWORD written = 0;
  WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(file);
}

HWND WindowHandle() {
  auto* object = reinterpret_cast<vx::UnitObject*>(vx::RuntimeNotify(vx::notify::kUnitObject, kWindow, kOwnUnit));
  return object ? object->handle() : nullptr;
}

// The unit whose handler runs, by its id's low byte.
std::string Source() {
  uint32_t words[2] = {};
  vx::RuntimeNotify(vx::notify::kCurrentEventSource, reinterpret_cast<intptr_t>(words), 0);
  return std::to_string(words[1] & 0xFF);
}

bool Scenario(const wchar_t* name) { return scenario == name; }
bool DestroysOnClose() { return Scenario(L"destroy-on-close") || Scenario(L"destroy-on-query"); }

int64_t OnCreated(const EventArguments&) {
  Record("created");
  if (Scenario(L"destroy")) DestroyWindow(WindowHandle());
  if (DestroysOnClose()) PostMessageW(WindowHandle(), WM_CLOSE, 0, 0);
  if (Scenario(L"destroy-on-recreate")) {
    PostMessageW(WindowHandle(), WM_CLOSE, 0, 0);
    // The test edit re-creates its control to take it.
    vx::HelperTable().writeUnitProperty(kWindow, kEditA, vx::test::test_edit_property::kMultiline, -1, 1, 0);
    Record("recreate-returned");
  }
  return 0;
}

// Destroys the window whose event is running, then lets the event go on as if
// nothing had happened.
int64_t OnDestroyingEvent(const EventArguments&) {
  Record("destroying");
  DestroyWindow(WindowHandle());
  return 1;
}
int64_t OnMoved(const EventArguments&) {
  Record("moved");
  return 0;
}
int64_t OnResized(const EventArguments&) {
  Record("resized");
  return 0;
}
int64_t OnIdle(const EventArguments& arguments) {
  Record("idle " + std::to_string(arguments.Int(0)));
  return arguments.Int(0) < 100 ? 1 : 0;
}
HWND DialogHandle() {
  auto* object = reinterpret_cast<vx::UnitObject*>(vx::RuntimeNotify(vx::notify::kUnitObject, kDialog, kDialogOwnUnit));
  return object ? object->handle() : nullptr;
}
int64_t OnDialogIdle(const EventArguments&) {
  Record("in-modal main-enabled " + std::to_string(IsWindowEnabled(WindowHandle()) != 0));
  PostMessageW(DialogHandle(), WM_CLOSE, 0, 0);
  return 0;
}
int64_t OnCloseRequested(const EventArguments&) {
  Record("close-requested");
  return scenario == L"keep-once" && closeRequests++ == 0 ? 0 : 1;
}
int64_t OnQueryClose(const EventArguments&) {
  Record("query-close");
  return 1;
}
int64_t OnClick(const EventArguments&) {
  Record("click " + Source());
  return 0;
}
int64_t OnGotFocus(const EventArguments&) {
  Record("focus " + Source());
  return 0;
}
// 'x' is swallowed, every other character typed as it is.
int64_t OnCharTyped(const EventArguments& arguments) {
  Record("char " + std::to_string(arguments.Int(0)));
  return arguments.Int(0) == 'x' ? 0 : arguments.Int(0);
}

// The wheel's notches and the modifiers; the message goes on.
int64_t OnWheel(const EventArguments& arguments) {
  Record("wheel " + std::to_string(arguments.Int(0)) + " " + std::to_string(arguments.Int(1)));
  return 1;
}

// A press on the window's background is recorded and swallowed.
int64_t OnLeftButtonDown(const EventArguments& arguments) {
  Record("press " + std::to_string(arguments.Int(0)) + " " + std::to_string(arguments.Int(1)) + " " +
         std::to_string(arguments.Int(2)));
  return 0;
}

enum HandlerIndex {
  kCreated,
  kMoved,
  kResized,
  kIdle,
  kCloseRequested,
  kQueryClose,
  kClick,
  kGotFocus,
  kChar,
  kDialogIdle,
  kLeftButtonDown,
  kWheel,
  kDestroyingEvent
};
const ProgramHandler kHandlers[] = {
    {OnCreated, false},        {OnMoved, false},     {OnResized, false},       {OnIdle, true},
    {OnCloseRequested, true},  {OnQueryClose, true}, {OnClick, false},         {OnGotFocus, false},
    {OnCharTyped, true},       {OnDialogIdle, true}, {OnLeftButtonDown, true}, {OnWheel, true},
    {OnDestroyingEvent, true},
};
constexpr int32_t Offset(HandlerIndex index) { return static_cast<int32_t>(index * sizeof(ProgramHandler)); }

vx::UnitDescription Unit(uint32_t id, uint32_t type, int32_t left, int32_t top, int32_t width, int32_t height,
                         uint32_t flags, int32_t tabOrder, std::vector<uint8_t> block) {
  vx::UnitDescription unit;
  unit.id = id;
  unit.stored.typeCode = type;
  unit.stored.left = left;
  unit.stored.top = top;
  unit.stored.width = width;
  unit.stored.height = height;
  unit.stored.stateFlags = flags;
  unit.stored.tabOrder = tabOrder;
  unit.propertyBlock = std::move(block);
  return unit;
}

std::vector<uint8_t> BuildTemplate() {
  vx::WindowData data{.caption = "窗口测试"};
  if (scenario == L"ellipse") data.shape = 1;
  if (scenario == L"star") data.shape = 13;
  if (scenario == L"colour") data.backColour = 0x00C08040;  // blue-ish: R 0x40, G 0x80, B 0xC0
  if (scenario == L"drag") data.dragAnywhere = 1;
  vx::UnitDescription own =
      Unit(kOwnUnit, vx::core_unit_type::kWindow, 10, 10, 400, 300, vx::kUnitVisible, 0, vx::StoreProperties(data));
  own.stored.bindings = {
      {0, Offset(kCreated)},         {3, Offset(kMoved)},      {4, Offset(kResized)},         {7, Offset(kIdle)},
      {12, Offset(kCloseRequested)}, {1, Offset(kQueryClose)}, {-1, Offset(kLeftButtonDown)}, {-12, Offset(kWheel)}};
  // The destroying handler takes the place of the event's own binding.
  const std::pair<const wchar_t*, int32_t> kDestroyingWindowEvents[] = {{L"destroy-on-close", 12},
                                                                        {L"destroy-on-query", 1},
                                                                        {L"destroy-on-activate", 5},
                                                                        {L"destroy-on-first-activate", 8},
                                                                        {L"destroy-on-focus", -7}};
  for (const auto& [name, event] : kDestroyingWindowEvents) {
    if (!Scenario(name)) continue;
    std::erase_if(own.stored.bindings, [event](const vx::EventBinding& b) { return b.event == event; });
    own.stored.bindings.push_back({event, Offset(kDestroyingEvent)});
  }
  vx::WindowDescription window;
  window.id = kWindow;
  window.items.push_back(own);
  if (Scenario(L"destroy-on-unit-focus") || Scenario(L"destroy-on-recreate")) {
    vx::UnitDescription edit =
        Unit(kEditA, vx::test::kTestEditType, 20, 20, 200, 24, vx::kUnitVisible | vx::kUnitTakesFocus, 0,
             vx::StoreProperties(vx::test::TestEditData{}));
    if (Scenario(L"destroy-on-unit-focus")) edit.stored.bindings = {{-7, Offset(kDestroyingEvent)}};
    window.items.push_back(edit);
  }
  if (scenario == L"drag" || scenario == L"no-drag") {
    window.items.push_back(Unit(kLabel, vx::test::kTestLabelType, 20, 20, 160, 40, vx::kUnitVisible, 0,
                                vx::StoreProperties(vx::test::TestLabelData{.caption = "拖动我"})));
  }
  if (scenario == L"form" || scenario == L"keep-once") {
    constexpr uint32_t kShown = vx::kUnitVisible | vx::kUnitTakesFocus;
    std::vector<vx::EventBinding> focus = {{-7, Offset(kGotFocus)}};
    auto edit = [&](uint32_t id, int32_t top, uint32_t flags, int32_t tab) {
      vx::UnitDescription unit = Unit(id, vx::test::kTestEditType, 20, top, 200, 24, flags, tab,
                                      vx::StoreProperties(vx::test::TestEditData{}));
      unit.stored.bindings = focus;
      return unit;
    };
    vx::UnitDescription editA = edit(kEditA, 20, kShown, 3);
    editA.stored.bindings.push_back({-11, Offset(kChar)});
    window.items.push_back(editA);
    window.items.push_back(edit(kEditB, 50, kShown, 1));
    window.items.push_back(edit(kEditDisabled, 80, kShown | vx::kUnitDisabled, 2));
    window.items.push_back(edit(kEditHidden, 110, vx::kUnitTakesFocus, 4));
    struct ButtonLayout {
      uint32_t id;
      int32_t top;
      bool isDefault;
      const char* caption;
      int32_t tab;
    };
    for (const ButtonLayout& layout :
         {ButtonLayout{kOkButton, 140, true, "确定", 5}, ButtonLayout{kSaveButton, 170, false, "保存(&S)", 6}}) {
      vx::test::TestButtonData data{.caption = layout.caption, .isDefault = layout.isDefault ? 1 : 0};
      vx::UnitDescription button = Unit(layout.id, vx::test::kTestButtonType, 20, layout.top, 100, 26, kShown,
                                        layout.tab, vx::StoreProperties(data));
      button.stored.bindings = {{0, Offset(kClick)}, {-7, Offset(kGotFocus)}};
      window.items.push_back(button);
    }
    window.items.push_back(edit(kEditNoStop, 200, vx::kUnitVisible, 0));
  }
  std::vector<vx::WindowDescription> windows = {window};
  if (scenario == L"modal") {
    vx::UnitDescription dialogOwn = Unit(kDialogOwnUnit, vx::core_unit_type::kWindow, 0, 0, 200, 100, vx::kUnitVisible,
                                         0, vx::StoreProperties(vx::WindowData{.caption = "对话"}));
    dialogOwn.stored.bindings = {{7, Offset(kDialogIdle)}};
    vx::WindowDescription dialog;
    dialog.id = kDialog;
    dialog.items.push_back(dialogOwn);
    windows.push_back(dialog);
  }
  return vx::WriteWindowTemplate(windows);
}

std::vector<uint8_t> templateBytes;
vx::ProgramHeader header = {};

void OnExit() { Record("exit"); }

DWORD WINAPI ExitFromWorker(void* runtime) {
  static_cast<const vx::RuntimeHelperTable*>(runtime)->exitProgram(5);
  return 0;
}

int Entry(const vx::RuntimeHelperTable* rt) {
  rt->otherHelper(vx::other_helper::kInitRuntime);
  rt->otherHelper(vx::other_helper::kRegisterExitRoutine, &OnExit);
  rt->loadStartupWindow(kWindow);
  if (scenario == L"reload") {
    ShowWindow(WindowHandle(), SW_MINIMIZE);
    Record("iconic " + std::to_string(IsIconic(WindowHandle()) != 0));
    rt->loadStartupWindow(kWindow);
    Record("iconic " + std::to_string(IsIconic(WindowHandle()) != 0));
  }
  if (scenario == L"properties") {
    Record("start " + std::to_string(rt->readUnitProperty(kWindow, kOwnUnit, vx::window_property::kStartPosition, -1)));
    rt->writeUnitProperty(kWindow, kOwnUnit, vx::window_property::kBorder, -1, 9, 0);
    Record("border " + std::to_string(rt->readUnitProperty(kWindow, kOwnUnit, vx::window_property::kBorder, -1)));
    rt->writeUnitProperty(kWindow, kOwnUnit, vx::window_property::kBorder, -1, static_cast<uint32_t>(-1), 0xFFFFFFFF);
    Record("border " + std::to_string(rt->readUnitProperty(kWindow, kOwnUnit, vx::window_property::kBorder, -1)));
  }
  if (scenario == L"modal") {
    vx::LoadWindowRequest request = {kDialog, nullptr, vx::load_mode::kModal};
    vx::RuntimeNotify(vx::notify::kLoadWindow, reinterpret_cast<intptr_t>(&request), 0);
    Record("modal-returned main-enabled " + std::to_string(IsWindowEnabled(WindowHandle()) != 0));
  }
  if (scenario == L"worker-exit") {
    CloseHandle(CreateThread(nullptr, 0, ExitFromWorker, const_cast<vx::RuntimeHelperTable*>(rt), 0, nullptr));
  }
  rt->runMessageLoop();
  Record("loop-ended");
  return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (count > 1) scenario = arguments[1];
  if (count > 2) recordPath = arguments[2];
  LocalFree(arguments);
  templateBytes = BuildTemplate();
  header.mode = 3;
  header.reserved2 = 0x100DF;
  header.codeBase = kHandlers;
  header.templateData = templateBytes.data();
  header.templateLength = static_cast<uint32_t>(templateBytes.size());
  header.libraryCount = 1;
  header.libraries = &vx::test::TestLibrary();
  return vx::RunProgram(header, Entry);
}
