// Creation and change agree: for each core unit type and each property that acts on
// the control, a unit given the value by a change (and made again when the change
// asks for it) shows the same control as a unit created from the property data
// that change left.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "contract/stored_font.h"
#include "runtime/framework/gbk.h"
#include "runtime/framework/runtime_link.h"
#include "runtime/framework/unit_object.h"
#include "runtime/framework/window_text.h"
#include "tests/units/unit_base/test_windows.h"
#include "units/button/button_data.h"
#include "units/combo_box/combo_box_data.h"
#include "units/combo_box/combo_box_items.h"
#include "units/edit_box/edit_box_data.h"
#include "units/group_box/group_box_data.h"
#include "units/label/label_data.h"
#include "units/progress_bar/progress_bar_data.h"
#include "units/slider_bar/slider_bar_data.h"
#include "units/unit_types/core_unit_types.h"
#include "units/window/window_data.h"

namespace vx {
namespace {

namespace code = core_unit_type;

// Events go nowhere: the units stand alone.
intptr_t NoRuntime(int32_t, intptr_t, intptr_t) { return 0; }

Bytes FontBytes(const char* face, int32_t height, int32_t weight) {
  StoredFont font = {};
  font.height = height;
  font.weight = weight;
  std::strncpy(font.faceName, face, sizeof font.faceName - 1);
  Bytes bytes(sizeof font);
  std::memcpy(bytes.data(), &font, sizeof font);
  return bytes;
}

// A value as PropertyChanged takes it; the row keeps the bytes it points at.
struct Value {
  int32_t number = 0;
  std::string text;
  Bytes bytes;
  enum Kind { kNumber, kText, kBytes } kind = kNumber;

  RawPropertyValue Raw() const {
    RawPropertyValue raw = {};
    if (kind == kText) raw.text = text.c_str();
    if (kind == kBytes) raw.bytes = {bytes.empty() ? nullptr : bytes.data(), static_cast<int32_t>(bytes.size())};
    if (kind == kNumber) raw.integer = number;
    return raw;
  }
};
Value Number(int32_t n) { return {n, {}, {}, Value::kNumber}; }
Value Text(const char* gbk) { return {0, gbk, {}, Value::kText}; }
Value Block(Bytes bytes) { return {0, {}, std::move(bytes), Value::kBytes}; }

struct Row {
  uint32_t type;
  int32_t index;
  Value value;
};
void PrintTo(const Row& row, std::ostream* out) { *out << std::hex << row.type << std::dec << "/" << row.index; }

const Bytes kFont = FontBytes("宋体", -19, kBoldWeight);

const std::vector<Row>& Rows() {
  static const std::vector<Row> rows = {
      {code::kEditBox, edit_box_property::kContent, Text("甲乙 text")},
      {code::kEditBox, edit_box_property::kBorder, Number(5)},
      {code::kEditBox, edit_box_property::kFont, Block(kFont)},
      {code::kEditBox, edit_box_property::kHideSelection, Number(0)},
      {code::kEditBox, edit_box_property::kMaxLength, Number(7)},
      {code::kEditBox, edit_box_property::kMultiLine, Number(1)},
      {code::kEditBox, edit_box_property::kAlignment, Number(2)},
      {code::kEditBox, edit_box_property::kInputMode, Number(2)},
      {code::kEditBox, edit_box_property::kSpinType, Number(1)},
      {code::kEditBox, edit_box_property::kSpinMaximum, Number(40)},
      {code::kButton, button_property::kButtonType, Number(1)},
      {code::kButton, button_property::kCaption, Text("开始")},
      {code::kButton, button_property::kAlignment, Number(0)},
      {code::kButton, button_property::kVerticalAlignment, Number(2)},
      {code::kButton, button_property::kFont, Block(kFont)},
      {code::kLabel, label_property::kCaption, Text("音量: 50%")},
      {code::kLabel, label_property::kBorder, Number(6)},
      {code::kLabel, label_property::kFont, Block(kFont)},
      {code::kLabel, label_property::kBackColour, Number(0x00336699)},
      {code::kLabel, label_property::kGradientMode, Number(3)},
      {code::kGroupBox, group_box_property::kCaption, Text("设置")},
      {code::kGroupBox, group_box_property::kAlignment, Number(1)},
      {code::kGroupBox, group_box_property::kFont, Block(kFont)},
      {code::kComboBox, combo_box_property::kComboType, Number(0)},
      {code::kComboBox, combo_box_property::kContent, Text("乙")},
      {code::kComboBox, combo_box_property::kMaxLength, Number(-3)},
      {code::kComboBox, combo_box_property::kSorted, Number(1)},
      {code::kComboBox, combo_box_property::kItemSpacing, Number(6)},
      {code::kComboBox, combo_box_property::kFont, Block(kFont)},
      {code::kComboBox, combo_box_property::kItems, Block(EncodeItemTexts({"丙", "甲", "乙"}))},
      {code::kProgressBar, progress_bar_property::kBorder, Number(1)},
      {code::kProgressBar, progress_bar_property::kOrientation, Number(1)},
      {code::kProgressBar, progress_bar_property::kMaximum, Number(300)},
      {code::kProgressBar, progress_bar_property::kPosition, Number(250)},
      {code::kSliderBar, slider_bar_property::kBorder, Number(3)},
      {code::kSliderBar, slider_bar_property::kTickPosition, Number(3)},
      {code::kSliderBar, slider_bar_property::kSelectionEnabled, Number(1)},
      {code::kSliderBar, slider_bar_property::kPageSize, Number(3)},
      {code::kSliderBar, slider_bar_property::kMaximum, Number(50)},
      {code::kSliderBar, slider_bar_property::kPosition, Number(40)},
      {code::kWindow, window_property::kCaption, Text("朗读")},
      {code::kWindow, window_property::kBorder, Number(4)},
      {code::kWindow, window_property::kMaxButton, Number(1)},
      {code::kWindow, window_property::kMovable, Number(0)},
      {code::kWindow, window_property::kShape, Number(3)},
      {code::kWindow, window_property::kAlwaysOnTop, Number(1)},
  };
  return rows;
}

// What a user and a program can see of a control: its text, styles, size and
// font, what its class answers about its settings, and its pixels where the unit
// paints them itself.
std::string ControlState(HWND control) {
  std::ostringstream state;
  RECT rect;
  GetWindowRect(control, &rect);
  state << "text=" << GbkWindowTextOf(control) << " style=" << std::hex << GetWindowLongW(control, GWL_STYLE)
        << " exStyle=" << GetWindowLongW(control, GWL_EXSTYLE) << std::dec << " size=" << rect.right - rect.left << "x"
        << rect.bottom - rect.top;
  LOGFONTW font = {};
  if (auto handle = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0))) {
    GetObjectW(handle, sizeof font, &font);
    state << " font=" << GbkFromWide(font.lfFaceName) << "/" << font.lfHeight << "/" << font.lfWeight;
  }
  wchar_t className[64] = {};
  GetClassNameW(control, className, 64);
  std::wstring name = className;
  auto ask = [&](const char* what, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    state << " " << what << "=" << SendMessageW(control, message, wParam, lParam);
  };
  if (name == L"Edit") {
    ask("limit", EM_GETLIMITTEXT);
    ask("mask", EM_GETPASSWORDCHAR);
    ask("selection", EM_GETSEL);
    if (HWND spin = FindWindowExW(GetParent(control), nullptr, UPDOWN_CLASSW, nullptr)) {
      state << " spin=" << SendMessageW(spin, UDM_GETRANGE, 0, 0) << "/" << GetWindowLongW(spin, GWL_EXSTYLE);
    }
  } else if (name == L"ComboBox") {
    ask("count", CB_GETCOUNT);
    ask("current", CB_GETCURSEL);
    ask("itemHeight", CB_GETITEMHEIGHT, 0);
    ask("editSelection", CB_GETEDITSEL);
  } else if (name == PROGRESS_CLASSW) {
    ask("low", PBM_GETRANGE, TRUE);
    ask("high", PBM_GETRANGE, FALSE);
    ask("position", PBM_GETPOS);
  } else if (name == TRACKBAR_CLASSW) {
    ask("low", TBM_GETRANGEMIN);
    ask("high", TBM_GETRANGEMAX);
    ask("position", TBM_GETPOS);
    ask("page", TBM_GETPAGESIZE);
    ask("line", TBM_GETLINESIZE);
    ask("selection", TBM_GETSELSTART);
  } else if (name == L"_VX_Label") {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    RECT client;
    GetClientRect(control, &client);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    SendMessageW(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    uint64_t hash = 1469598103934665603ull;
    for (int y = 0; y < client.bottom; y += 2) {
      for (int x = 0; x < client.right; x += 2) hash = (hash ^ GetPixel(dc, x, y)) * 1099511628211ull;
    }
    state << " pixels=" << hash;
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
  }
  return state.str();
}

class CreationAndChangeTest : public test::WindowsFixture, public testing::WithParamInterface<Row> {
 protected:
  void SetUp() override {
    WindowsFixture::SetUp();
    CoreLibraryLink().Connect(NoRuntime);
  }
  void TearDown() override {
    for (HWND made : made_) DestroyWindow(made);
    WindowsFixture::TearDown();
  }

  template <class Operation>
  Operation Op(int32_t number) const {
    return reinterpret_cast<Operation>(CoreUnitType(GetParam().type)->getInterface(number));
  }
  // As the runtime creates a unit: windows stand alone, controls in the parent.
  UnitObject* Create(const Bytes& record) {
    HWND parent = GetParam().type == code::kWindow ? nullptr : parent_;
    UnitObject* unit = AsUnitObject(
        Op<CreateUnitFn>(unit_interface::kCreateUnit)(record.data(), static_cast<int32_t>(record.size()), 0, parent,
                                                      100, 0, 20, 20, 180, 60, 0x52010001, 0x16010001, 0, 0));
    if (unit) made_.push_back(unit->handle());
    return unit;
  }
  Bytes AllPropertyData(UnitObject* unit) {
    auto block = static_cast<HGLOBAL>(Op<GetAllPropertyDataFn>(unit_interface::kGetAllPropertyData)(unit));
    const auto* bytes = static_cast<const uint8_t*>(GlobalLock(block));
    Bytes copy(bytes, bytes + GlobalSize(block));
    GlobalUnlock(block);
    GlobalFree(block);
    return copy;
  }

  std::vector<HWND> made_;
};

TEST_P(CreationAndChangeTest, AChangedUnitShowsWhatOneCreatedWithTheValueShows) {
  const Row& row = GetParam();
  UnitObject* changed = Create({});
  ASSERT_NE(changed, nullptr);
  RawPropertyValue raw = row.value.Raw();
  int32_t index = row.index - common_property::kCount;
  if (Op<PropertyChangedFn>(unit_interface::kPropertyChanged)(changed, index, &raw, nullptr) == 1) {
    changed = Create(AllPropertyData(changed));  // the runtime makes it again from its data
    ASSERT_NE(changed, nullptr);
  }
  UnitObject* created = Create(AllPropertyData(changed));
  ASSERT_NE(created, nullptr);
  EXPECT_EQ(ControlState(changed->handle()), ControlState(created->handle()));
}

std::string RowName(const testing::TestParamInfo<Row>& info) {
  return CoreUnitType(info.param.type)->englishName + std::to_string(info.param.index);
}

INSTANTIATE_TEST_SUITE_P(EveryType, CreationAndChangeTest, testing::ValuesIn(Rows()), RowName);

}  // namespace
}  // namespace vx
