// The combo box on a window loaded by the runtime, read, written and driven as a
// program and a user meet it.
#include "units/combo_box/combo_box_unit.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "runtime/heap.h"
#include "runtime/property_access.h"
#include "runtime/texts.h"
#include "tests/support/arguments.h"
#include "tests/support/program_fixture.h"
#include "tests/support/user_input.h"
#include "units/combo_box/combo_box_data.h"
#include "units/combo_box/combo_box_items.h"
#include "units/combo_box/combo_box_methods.h"
#include "units/unit_types/core_unit_types.h"
#include "units/window/window_data.h"

namespace vx {
namespace {

using test::Argument;
using test::TakeText;
using test::TextValue;

constexpr uint32_t kWindow = 0x52010001;
constexpr uint32_t kOwnUnit = 0x06010000;
constexpr uint32_t kCombo = 0x16010001;
using namespace combo_box_property;

// What the SelectionChanged handler found when it ran.
struct SelectionSeen {
  int32_t selection;
  std::string content;
  bool operator==(const SelectionSeen&) const = default;
};
std::vector<SelectionSeen> selectionsSeen;

int64_t OnSelectionChanged(const EventArguments&) {
  selectionsSeen.push_back({static_cast<int32_t>(ReadUnitProperty(kWindow, kCombo, kCurrentSelection, -1)),
                            TakeText(ReadUnitProperty(kWindow, kCombo, kContent, -1))});
  return 0;
}
const ProgramHandler kHandlers[] = {{OnSelectionChanged, false}};

Bytes Values(std::initializer_list<int32_t> values) {
  Bytes bytes(values.size() * sizeof(int32_t));
  std::memcpy(bytes.data(), std::data(values), bytes.size());
  return bytes;
}

// Three items, two of them with values, the first chosen; 21 pixels high.
ComboBoxData ThreeItems() {
  return {.content = "甲", .currentSelection = 0, .items = {"甲", "乙", "丙"}, .itemValues = Values({10, 20})};
}

class ComboBoxTest : public test::ProgramFixture {
 protected:
  void Start(const ComboBoxData& data) {
    selectionsSeen.clear();
    UnitDescription own = test::Unit(kOwnUnit, core_unit_type::kWindow, {0, 0, 300, 260}, kUnitVisible,
                                     StoreProperties(WindowData{.caption = "组合框"}));
    UnitDescription combo = test::Unit(kCombo, core_unit_type::kComboBox, {20, 20, 240, 41},
                                       kUnitVisible | kUnitTakesFocus, StoreProperties(data));
    combo.stored.bindings = {{0, 0}};
    WindowDescription window;
    window.id = kWindow;
    window.items = {own, combo};
    StartProgram({window}, kHandlers, true, &CoreLibrary());
    combo_ = Control(kWindow, kCombo);
    ASSERT_NE(combo_, nullptr);
  }

  static int32_t Read(int index) { return static_cast<int32_t>(ProgramFixture::Read(kWindow, kCombo, index)); }
  static std::string ReadText(int index) { return TakeText(ProgramFixture::Read(kWindow, kCombo, index)); }
  static void Write(int index, int32_t value) {
    ProgramFixture::Write(kWindow, kCombo, index, static_cast<uint32_t>(value));
  }

  // A method called as the program calls it, with the unit reference first.
  static MDATA Call(LibraryCommand method, std::vector<MDATA> args) {
    args.insert(args.begin(), Argument(core_unit_type::kComboBox, uint64_t{kCombo} << 32 | kWindow));
    MDATA result = {};
    method(&result, static_cast<int>(args.size()), args.data());
    return result;
  }
  static int32_t AddItem(std::vector<MDATA> args) { return Call(ComboBoxAddItem, std::move(args)).intValue; }
  static std::string ItemText(int32_t index) {
    MDATA text = Call(ComboBoxGetItemText, {Argument(type::kInt, static_cast<uint32_t>(index))});
    EXPECT_EQ(text.type, type::kText);
    return TakeText(reinterpret_cast<uintptr_t>(text.text));
  }
  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return SendMessageW(combo_, message, wParam, lParam);
  }
  COMBOBOXINFO Info() const {
    COMBOBOXINFO info = {};
    info.cbSize = sizeof info;
    GetComboBoxInfo(combo_, &info);
    return info;
  }

  HWND combo_ = nullptr;
};

// The height each new combo box control is made with.
std::vector<int> comboHeightsMade;

LRESULT CALLBACK OnWindowMade(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND) {
    wchar_t name[16] = {};
    GetClassNameW(reinterpret_cast<HWND>(wParam), name, 16);
    if (lstrcmpiW(name, L"ComboBox") == 0)
      comboHeightsMade.push_back(reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs->cy);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(ComboBoxTest, ADropDownMadeTwentyOnePixelsHighGetsHeight160AndItsStoredItemsAndValues) {
  comboHeightsMade.clear();
  HHOOK hook = SetWindowsHookExW(WH_CBT, OnWindowMade, nullptr, GetCurrentThreadId());
  Start(ThreeItems());
  UnhookWindowsHookEx(hook);
  EXPECT_EQ(comboHeightsMade, std::vector<int>{160});
  ASSERT_EQ(Send(CB_GETCOUNT), 3);
  EXPECT_EQ(Send(CB_GETITEMDATA, 0), 10);
  EXPECT_EQ(Send(CB_GETITEMDATA, 1), 20);
  EXPECT_EQ(Send(CB_GETITEMDATA, 2), 0) << "past the values";
  EXPECT_EQ(Send(CB_GETCURSEL), 0);
}

TEST_F(ComboBoxTest, CurrentSelectionIsClampedToTheList) {
  Start(ThreeItems());
  struct Case {
    int32_t written, selected;
  };
  for (Case c : {Case{5, 2}, Case{-7, -1}, Case{1, 1}, Case{-1, -1}}) {
    Write(kCurrentSelection, c.written);
    EXPECT_EQ(Send(CB_GETCURSEL), c.selected) << c.written;
    EXPECT_EQ(Read(kCurrentSelection), c.selected) << c.written;
  }
}

TEST_F(ComboBoxTest, MethodsAddToTheControlOnlyAndGiveTheEmptyTextOutsideTheList) {
  Start(ThreeItems());
  EXPECT_EQ(AddItem({Argument(type::kText, TextValue("丁"))}), 3);
  EXPECT_EQ(Send(CB_GETITEMDATA, 3), 0) << "no value given: 0";
  EXPECT_EQ(AddItem({Argument(type::kText, TextValue("戊")), Argument(type::kInt, static_cast<uint32_t>(-9))}), 4);
  EXPECT_EQ(static_cast<int32_t>(Send(CB_GETITEMDATA, 4)), -9);
  struct Case {
    int32_t index;
    const char* text;
  };
  for (Case c : {Case{-1, ""}, Case{5, ""}, Case{1, "乙"}, Case{3, "丁"}})
    EXPECT_EQ(ItemText(c.index), c.text) << c.index;
  auto* items = reinterpret_cast<int32_t*>(static_cast<uintptr_t>(ProgramFixture::Read(kWindow, kCombo, kItems)));
  ASSERT_NE(items, nullptr);
  EXPECT_EQ(DecodeItemTexts({ArrayElements(items), static_cast<size_t>(ByteSetLength(items))}),
            (TextList{"甲", "乙", "丙"}))
      << "Items is the stored list";
  Free(items);
}

TEST_F(ComboBoxTest, WrittenItemsAndKindRemakeTheControlAndTheKindSwapsWhiteAndSystemColour) {
  Start(ThreeItems());
  Bytes block = EncodeItemTexts({"子", "丑"});
  int32_t* set = MakeByteSet(block.data(), static_cast<int32_t>(block.size()));
  ProgramFixture::Write(kWindow, kCombo, kItems, reinterpret_cast<uintptr_t>(set));
  Free(set);
  combo_ = Control(kWindow, kCombo);
  EXPECT_EQ(Send(CB_GETCOUNT), 2);

  Write(kComboType, 0);
  combo_ = Control(kWindow, kCombo);
  EXPECT_EQ(GetWindowLongW(combo_, GWL_STYLE) & 3, CBS_SIMPLE);
  EXPECT_EQ(static_cast<uint32_t>(Read(kBackColour)), 0xFF000000u) << "white becomes the system colour";
  Write(kComboType, 1);
  combo_ = Control(kWindow, kCombo);
  EXPECT_EQ(GetWindowLongW(combo_, GWL_STYLE) & 3, CBS_DROPDOWN);
  EXPECT_EQ(static_cast<uint32_t>(Read(kBackColour)), 0xFFFFFFu);
}

TEST_F(ComboBoxTest, ItemSpacingAddsToTheListsItemHeight) {
  Start(ThreeItems());
  auto height = [&] { return static_cast<int32_t>(SendMessageW(Info().hwndList, LB_GETITEMHEIGHT, 0, 0)); };
  int32_t withOne = height();
  Write(kItemSpacing, 6);
  EXPECT_EQ(height(), withOne + 5);
}

// Choosing an item as a user does raises SelectionChanged once, and its handler
// already reads the new selection and text.
struct Choice {
  const char* name;
  std::vector<WORD> keys;  // none: the mouse, on the dropped list's second item
};

void PrintTo(const Choice& choice, std::ostream* out) { *out << choice.name; }

class ComboBoxChoiceTest : public ComboBoxTest, public ::testing::WithParamInterface<Choice> {};

TEST_P(ComboBoxChoiceTest, RaisesSelectionChangedOnceAfterTheControlShowsIt) {
  Start(ThreeItems());
  HWND window = Control(kWindow, kOwnUnit);
  ASSERT_TRUE(test::BringToFront(window));
  SetFocus(combo_);
  if (GetParam().keys.empty()) {
    COMBOBOXINFO info = Info();
    test::ClickAt(test::ScreenCentre(combo_, info.rcButton));
    ASSERT_TRUE(test::PumpUntil([&] { return Send(CB_GETDROPPEDSTATE) != 0; }));
    RECT item;
    SendMessageW(info.hwndList, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
    test::ClickAt(test::ScreenCentre(info.hwndList, item));
  } else {
    test::MoveMouseTo({0, 0});  // a list dropped under the pointer would follow it
    for (WORD key : GetParam().keys) test::PressKey(key);
  }
  test::PumpUntil([] { return !selectionsSeen.empty(); });
  test::PumpFor(200);
  EXPECT_EQ(Send(CB_GETCURSEL), 1);
  EXPECT_EQ(selectionsSeen, (std::vector<SelectionSeen>{{1, "乙"}}));
}

INSTANTIATE_TEST_SUITE_P(ByMouseAndKeyboard, ComboBoxChoiceTest,
                         ::testing::Values(Choice{"Mouse", {}}, Choice{"ArrowKey", {VK_DOWN}},
                                           Choice{"F4DownEnter", {VK_F4, VK_DOWN, VK_RETURN}}),
                         [](const ::testing::TestParamInfo<Choice>& info) { return info.param.name; });

}  // namespace
}  // namespace vx
