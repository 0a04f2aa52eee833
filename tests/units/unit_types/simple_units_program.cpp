// A program showing buttons, labels and a group box of the core library from a
// window template, for the tests that drive it as a user. Arguments: a scenario of
// simple_units_layout.h, and a file it appends one line to per thing it sees.
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <string>

#include "contract/helper_table.h"
#include "contract/stored_font.h"
#include "runtime/app_object.h"
#include "runtime/framework/unit_object.h"
#include "runtime/heap.h"
#include "runtime/property_access.h"
#include "runtime/runtime_notify.h"
#include "runtime/template/template_writer.h"
#include "runtime/texts.h"
#include "tests/units/unit_types/simple_units_layout.h"
#include "units/button/button_data.h"
#include "units/group_box/group_box_data.h"
#include "units/label/label_data.h"
#include "units/unit_base/unit_operations.h"
#include "units/unit_types/core_unit_types.h"
#include "units/window/window_data.h"

namespace {

using namespace vx::test::simple_units;
using vx::EventArguments;

constexpr uint32_t kWindow = 0x52010001, kOwnUnit = 0x06010000, kSliderType = 0x00010002;
constexpr uint32_t kFirst = 0x16010001, kSecond = 0x16010002, kThird = 0x16010003;
std::wstring scenario, recordPath;

void Record(const std::string& line) {
  HANDLE file = CreateFileW(recordPath.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, (line + "\n").c_str(), static_cast<DWORD>(line.size() + 1), &written, nullptr);
  CloseHandle(file);
}

// A trackbar standing in for the slider bar, not built yet: event 0 with its
// position when its scroll message is handed back to it.
struct ProbeData {
  int32_t unused = 0;
  static const vx::PropertyStream<ProbeData> kStream;
};
constexpr vx::StoredField<ProbeData> kProbeFields[] = {{&ProbeData::unused}};
const vx::PropertyStream<ProbeData> ProbeData::kStream = {1, kProbeFields};
class ProbeSlider : public vx::DataUnit<ProbeData> {
 public:
  using DataUnit::DataUnit;
  bool Create(const vx::UnitPlacement& placement) { return CreateControl(TRACKBAR_CLASSW, L"", 0, 0, placement); }

 protected:
  bool OnReflectedMessage(UINT message, WPARAM, LPARAM, LRESULT* result) override {
    if (message != WM_HSCROLL) return false;
    RaiseEvent(0, {static_cast<int32_t>(SendMessageW(handle(), TBM_GETPOS, 0, 0))});
    *result = 0;
    return true;
  }
};
constexpr vx::PropertyRow<ProbeSlider> kProbeRows[] = {{8, "Unused", vx::pt::kInteger, vx::kPlain, &ProbeData::unused}};

// The core library with the probe slider in its empty slot 2.
const vx::LibraryRecord& ProgramLibrary() {
  static std::array<vx::UnitTypeInfo, vx::kCoreUnitTypeSlots> types = [] {
    std::array<vx::UnitTypeInfo, vx::kCoreUnitTypeSlots> table;
    std::copy_n(vx::CoreLibrary().unitTypes, table.size(), table.begin());
    table[1] = vx::UnitTypeOf<ProbeSlider, kProbeRows>({"探针滑块", "ProbeSlider"}, 0x80000040);
    return table;
  }();
  static const vx::LibraryRecord library = {vx::CoreLibraryNotify, vx::kCoreUnitTypeSlots, types.data()};
  return library;
}

// A text or byte set's address as MDATA's two words.
void WritePointer(uint32_t unit, int index, const void* pointer) {
  auto value = static_cast<uint64_t>(reinterpret_cast<uintptr_t>(pointer));
  vx::WriteUnitProperty(kWindow, unit, index, -1, static_cast<uint32_t>(value), static_cast<uint32_t>(value >> 32));
}
HWND Control(uint32_t unit) {
  return reinterpret_cast<vx::UnitObject*>(vx::RuntimeNotify(vx::notify::kUnitObject, kWindow, unit))->handle();
}

int64_t Recorder(const char* line) { return (Record(line), 0); }
int64_t OnStart(const EventArguments&) {
  static bool speaking = false;
  speaking = !speaking;
  WritePointer(kFirst, 10, speaking ? "暂停" : "开始");
  return Recorder("click start");
}
int64_t OnFeedback(const EventArguments& arguments) {
  Record("feedback " + std::to_string(arguments.Int(0)) + " " + std::to_string(arguments.Int(1)));
  return 42;
}
int64_t OnScroll(const EventArguments& arguments) {
  return Recorder(("scroll " + std::to_string(arguments.Int(0))).c_str());
}
const vx::ProgramHandler kHandlers[] = {{OnStart, false},
                                        {[](const EventArguments&) { return Recorder("click stop"); }, false},
                                        {[](const EventArguments&) { return Recorder("blur stop"); }, false},
                                        {[](const EventArguments&) { return Recorder("click child"); }, false},
                                        {OnScroll, false},
                                        {OnFeedback, true}};
constexpr int32_t Handler(int index) { return static_cast<int32_t>(index * sizeof(vx::ProgramHandler)); }

vx::UnitDescription Unit(uint32_t id, uint32_t type, RECT place, std::vector<uint8_t> block, int32_t tabOrder = 0) {
  vx::UnitDescription unit;
  unit.id = id;
  unit.stored.typeCode = type;
  unit.stored.left = place.left, unit.stored.top = place.top;
  unit.stored.width = place.right - place.left, unit.stored.height = place.bottom - place.top;
  unit.stored.stateFlags = vx::kUnitVisible | (tabOrder ? vx::kUnitTakesFocus : 0);
  unit.stored.tabOrder = tabOrder;
  unit.propertyBlock = std::move(block);
  return unit;
}
std::vector<uint8_t> Font(int32_t height, int32_t weight) {
  vx::StoredFont font = {};
  font.height = height, font.weight = weight;
  std::strcpy(font.faceName, "宋体");
  return {reinterpret_cast<const uint8_t*>(&font), reinterpret_cast<const uint8_t*>(&font) + sizeof font};
}

std::vector<vx::UnitDescription> Units() {
  using vx::core_unit_type::kButton;
  std::vector<vx::UnitDescription> units;
  // A label with its caption centred, changed as the scenario needs.
  auto label = [&](RECT place, const std::string& caption, auto change) {
    vx::LabelData data{.caption = caption, .alignment = 1};
    change(data);
    units.push_back(Unit(kFirst + units.size(), vx::core_unit_type::kLabel, place, vx::StoreProperties(data)));
  };
  auto redOnWhite = [](vx::LabelData& d, int32_t height) {
    d.font = Font(height, 400), d.textColour = kRed, d.backColour = kWhite;
  };
  if (scenario == L"buttons") {
    units = {
        Unit(kFirst, kButton, kStartButton, vx::StoreProperties(vx::ButtonData{.buttonType = 1, .caption = "开始"}), 2),
        Unit(kSecond, kButton, kStopButton, vx::StoreProperties(vx::ButtonData{.caption = "停止"}), 1)};
    units[0].stored.bindings = {{0, Handler(0)}};
    units[1].stored.bindings = {{0, Handler(1)}, {-8, Handler(2)}};
  } else if (scenario == L"labels") {
    for (int effect = 0; effect < 4; ++effect) {
      label({10 + 160 * effect, 10, 160 + 160 * effect, 54}, "效果" + std::to_string(effect), [&](auto& d) {
        d.effect = effect, d.font = Font(-24, 700), d.textColour = kRed, d.backColour = RGB(160, 160, 160);
      });
    }
    label(kFrameLabel, "渐变边框", [](auto& d) { d.border = 6, d.frameWidth = 9; });
    label(kOneColourFrame, "单色无边框", [](auto& d) {
      d.border = 6, d.frameWidth = 9, d.frameColour1 = kRed, d.backColour = kWhite;
      d.frameColour2 = d.frameColour3 = 0xFF000000;
    });
    for (int mode = 1; mode <= 8; ++mode) {
      int x = 10 + 160 * ((mode - 1) % 4), y = 134 + 70 * ((mode - 1) / 4);
      label({x, y, x + 150, y + 60}, "渐变" + std::to_string(mode), [&](auto& d) {
        d.gradientMode = mode, d.gradientColour1 = kRed, d.gradientColour3 = kBlue;
        d.gradientColour2 = mode <= 2 ? 0xFF000000 : kWhite;
      });
    }
    const char* aligned[] = {"左上", "居中", "右下"};
    for (int at = 0; at < 3; ++at) {
      label(kAlignedLabels[at], aligned[at],
            [&](auto& d) { redOnWhite(d, -20), d.alignment = d.verticalAlignment = at; });
    }
    label(kWrappedLabel, "自动换行的标签把较长的标题分成几行显示。",
          [&](auto& d) { redOnWhite(d, -16), d.alignment = 0, d.wordWrap = 1; });
    label(kLightBlueLabel, "背景色", [](auto& d) { d.backColour = kLightBlue; });
    units.push_back(Unit(kFirst + units.size(), vx::core_unit_type::kLabel, kPlainLabel, {}));  // all defaults
  } else if (scenario == L"values") {
    label({10, 10, 160, 30}, "回答", [](auto&) {});
    label({10, 40, 160, 60}, "无处理", [](auto&) {});
    units[0].stored.bindings = {{0, Handler(5)}};
    units.push_back(Unit(kThird, kButton, {10, 70, 110, 100}, vx::StoreProperties(vx::ButtonData{.caption = "图片"})));
  } else if (scenario == L"group") {
    vx::GroupBoxData group{.caption = "设置", .textColour = kRed, .backColour = kLightYellow};
    units = {Unit(kFirst, vx::core_unit_type::kGroupBox, kGroupBox, vx::StoreProperties(group)),
             Unit(kSecond, kButton, kChildButton, vx::StoreProperties(vx::ButtonData{.caption = "组内按钮"}), 1),
             Unit(kThird, kSliderType, kChildSlider, {}, 2)};
    units[0].stored.children = {kSecond, kThird};
    units[1].stored.parent = units[2].stored.parent = kFirst;
    units[1].stored.bindings = {{0, Handler(3)}};
    units[2].stored.bindings = {{0, Handler(4)}};
  }
  return units;
}

void CheckValues() {
  vx::WriteUnitProperty(kWindow, kFirst, 11, -1, 3, 0);
  Record("frame width " + std::to_string(vx::ReadUnitProperty(kWindow, kFirst, 11, -1)));
  vx::WriteUnitProperty(kWindow, kFirst, 20, -1, 12, 0);
  Record("gradient mode " + std::to_string(vx::ReadUnitProperty(kWindow, kFirst, 20, -1)));
  HWND before = Control(kThird);
  int32_t* picture = vx::MakeByteSet("BM", 2);
  WritePointer(kThird, 8, picture);
  vx::Free(picture);
  auto* caption = reinterpret_cast<char*>(static_cast<uintptr_t>(vx::ReadUnitProperty(kWindow, kThird, 10, -1)));
  Record("picture: new control " + std::to_string(Control(kThird) != before) + ", caption " + caption);
  vx::Free(caption);
}

std::vector<uint8_t> templateBytes;
vx::ProgramHeader header = {};

int Entry(const vx::RuntimeHelperTable* rt) {
  rt->otherHelper(vx::other_helper::kInitRuntime);
  rt->loadStartupWindow(kWindow);
  if (scenario == L"values") CheckValues();
  rt->runMessageLoop();
  return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (count > 2) scenario = arguments[1], recordPath = arguments[2];
  LocalFree(arguments);
  vx::WindowDescription window;
  window.id = kWindow;
  RECT frame = scenario == L"labels" ? RECT{10, 10, 670, 530} : RECT{10, 10, 410, 310};
  window.items.push_back(
      Unit(kOwnUnit, vx::core_unit_type::kWindow, frame, vx::StoreProperties(vx::WindowData{.caption = "简单单元"})));
  for (vx::UnitDescription& unit : Units()) window.items.push_back(std::move(unit));
  templateBytes = vx::WriteWindowTemplate({window});
  header.mode = 3, header.codeBase = kHandlers, header.libraryCount = 1, header.libraries = &ProgramLibrary();
  header.templateData = templateBytes.data(), header.templateLength = static_cast<uint32_t>(templateBytes.size());
  return vx::RunProgram(header, Entry);
}
