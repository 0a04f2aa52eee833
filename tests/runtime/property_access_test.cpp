// Property access on real controls under Wine: a window of test units loaded by
// the runtime's loader, read and written as a program would.
#include "runtime/property_access.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>

#include "contract/stored_font.h"
#include "runtime/framework/gbk.h"
#include "runtime/heap.h"
#include "runtime/helper_operations.h"
#include "runtime/runtime_notify.h"
#include "runtime/runtime_state.h"
#include "runtime/texts.h"
#include "tests/support/program_fixture.h"
#include "tests/support/raised_error.h"
#include "tests/support/test_units.h"

namespace vx {
namespace {

using test::TakeText;
using test::TestEditData;
using test::TextValue;

constexpr uint32_t kWindow = 0x52010001;
constexpr uint32_t kOwnUnit = 0x06010000;
constexpr uint32_t kEdit = 0x16010001;
constexpr uint32_t kMenuItem = 0x26010001;
constexpr uint32_t kUnloadedWindow = 0x52010002;
constexpr uint32_t kUnloadedOwnUnit = 0x06020000;
constexpr uint32_t kUnloadedEdit = 0x16020001;  // on a window never loaded

using namespace test::test_edit_property;

class PropertyAccessTest : public test::ProgramFixture {
 protected:
  void SetUp() override {
    WindowDescription window;
    window.id = kWindow;
    MenuItemDescription menu;
    menu.id = kMenuItem;
    menu.stored.caption = "文件";
    menu.stored.menuFlags = kMenuChecked;
    UnitDescription edit = test::Unit(kEdit, test::kTestEditType, {10, 20, 130, 44}, kUnitVisible,
                                      StoreProperties(TestEditData{.alignment = 1, .limit = 50}));
    edit.stored.tag = "标记";
    window.items = {test::Unit(kOwnUnit, 0x00010001, {100, 100, 500, 400}, kUnitVisible), edit, menu};
    WindowDescription unloaded;
    unloaded.id = kUnloadedWindow;
    UnitDescription unloadedEdit = test::Unit(kUnloadedEdit, test::kTestEditType, {5, 6, 75, 86}, kUnitDisabled);
    unloadedEdit.stored.tag = "标记";
    unloaded.items = {test::Unit(kUnloadedOwnUnit, 0x00010001, {0, 0, 100, 100}, kUnitVisible), unloadedEdit};
    StartProgram({window, unloaded});
    window_ = Control(kWindow, kOwnUnit);
    ASSERT_NE(Control(kWindow, kEdit), nullptr);
  }

  static uint64_t Read(uint32_t unit, int index, int arrayIndex = -1) {
    return ProgramFixture::Read(unit == kUnloadedEdit ? kUnloadedWindow : kWindow, unit, index, arrayIndex);
  }
  static void Write(uint32_t unit, int index, uint64_t value, int arrayIndex = -1) {
    ProgramFixture::Write(unit == kUnloadedEdit ? kUnloadedWindow : kWindow, unit, index, value, arrayIndex);
  }
  static TestEditData& Stored() { return *test::TestEditDataOf(kWindow, kEdit); }
  static HWND EditControl() { return Control(kWindow, kEdit); }
  static std::string FailureOf(uint32_t window, uint32_t unit, int index) {
    try {
      ReadUnitProperty(window, unit, index, -1);
    } catch (const test::RaisedError& error) {
      EXPECT_EQ(error.code, 0);
      return error.message;
    }
    return "read";
  }
  RECT Placement() const {
    RECT rect;
    GetWindowRect(EditControl(), &rect);
    MapWindowPoints(HWND_DESKTOP, window_, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
  }

  HWND window_ = nullptr;
};

TEST_F(PropertyAccessTest, PositionAndSizeComeFromTheLiveControlAndAreClamped) {
  EXPECT_EQ(static_cast<int32_t>(Read(kEdit, common_property::kLeft)), 10);
  EXPECT_EQ(static_cast<int32_t>(Read(kEdit, common_property::kHeight)), 24);

  Write(kEdit, common_property::kLeft, static_cast<uint32_t>(-40000));
  Write(kEdit, common_property::kWidth, 40000);
  Write(kEdit, common_property::kHeight, static_cast<uint32_t>(-5));
  EXPECT_EQ(static_cast<int32_t>(Read(kEdit, common_property::kLeft)), -32627);
  EXPECT_EQ(Placement().left, -32627);
  EXPECT_EQ(static_cast<int32_t>(Read(kEdit, common_property::kWidth)), 32627);
  EXPECT_EQ(static_cast<int32_t>(Read(kEdit, common_property::kHeight)), 0);
  EXPECT_EQ(Runtime().windowTable.Find(kWindow)->units.Find(kEdit)->unit()->left, -32627);

  Write(kEdit, common_property::kTop, 40000);
  EXPECT_EQ(Placement().top, 32627);
}

TEST_F(PropertyAccessTest, UnloadedUnitsAnswerFromTheirRecord) {
  EXPECT_EQ(Read(kUnloadedEdit, common_property::kVisible), 0u);
  EXPECT_EQ(Read(kUnloadedEdit, common_property::kDisabled), 1u);
  EXPECT_EQ(static_cast<int32_t>(Read(kUnloadedEdit, common_property::kWidth)), 70);
  EXPECT_EQ(TakeText(Read(kUnloadedEdit, common_property::kTag)), "标记");
  Write(kUnloadedEdit, common_property::kVisible, 1);
  EXPECT_EQ(Read(kUnloadedEdit, common_property::kVisible), 1u);
  EXPECT_EQ(FailureOf(kUnloadedWindow, kUnloadedEdit, kContent), "指定窗口尚未载入");
}

TEST_F(PropertyAccessTest, VisibleAndDisabledFollowTheControl) {
  EXPECT_EQ(Read(kEdit, common_property::kVisible), 1u);
  Write(kEdit, common_property::kVisible, 0);
  EXPECT_FALSE(IsWindowVisible(EditControl()));
  Write(kEdit, common_property::kDisabled, 1);
  EXPECT_FALSE(IsWindowEnabled(EditControl()));
  EXPECT_EQ(Read(kEdit, common_property::kDisabled), 1u);
}

TEST_F(PropertyAccessTest, UnitPropertiesConvertByType) {
  Write(kEdit, kContent, TextValue("你好"));
  EXPECT_EQ(TakeText(Read(kEdit, kContent)), "你好");

  Write(kEdit, kReadOnly, 5);  // a logical written as 5 arrives as 1
  EXPECT_EQ(Stored().readOnly, 1);
  EXPECT_EQ(Read(kEdit, kReadOnly), 1u);
  EXPECT_TRUE(GetWindowLongW(EditControl(), GWL_STYLE) & ES_READONLY);

  Write(kEdit, kAlignment, static_cast<uint32_t>(-1));  // a pick list written -1 arrives as 0
  EXPECT_EQ(Stored().alignment, 0);

  Write(kEdit, kLimit, static_cast<uint32_t>(-7));
  EXPECT_EQ(static_cast<int32_t>(Read(kEdit, kLimit)), -7);

  int32_t* bytes = MakeByteSet("\x01\x02\x03", 3);
  Write(kEdit, kData, reinterpret_cast<uintptr_t>(bytes));
  Free(bytes);
  EXPECT_EQ(Stored().data, (std::vector<uint8_t>{1, 2, 3}));
  auto* copy = reinterpret_cast<int32_t*>(static_cast<uintptr_t>(Read(kEdit, kData)));
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(ByteSetLength(copy), 3);
  Free(copy);
  Write(kEdit, kData, 0);
  EXPECT_TRUE(Stored().data.empty());
  EXPECT_EQ(Read(kEdit, kData), 0u) << "an empty byte set reads as null";
}

TEST_F(PropertyAccessTest, FontsAreReadAndWrittenByMember) {
  // No font yet: the members describe DEFAULT_GUI_FONT.
  EXPECT_EQ(Read(kEdit, kFont, 1), 0u);
  Write(kEdit, kFont, 12, 5);
  Write(kEdit, kFont, 1, 1);
  Write(kEdit, kFont, TextValue("黑体"), 6);
  Write(kEdit, kFont, static_cast<uint32_t>(-90), 0);
  ASSERT_EQ(Stored().font.size(), sizeof(StoredFont));
  StoredFont font;
  std::memcpy(&font, Stored().font.data(), sizeof font);
  EXPECT_EQ(font.weight, 700);
  EXPECT_STREQ(font.faceName, "黑体");
  EXPECT_EQ(font.escapement, 3510);
  EXPECT_EQ(font.orientation, 3510);
  EXPECT_EQ(Read(kEdit, kFont, 5), 12u);
  EXPECT_EQ(TakeText(Read(kEdit, kFont, 6)), "黑体");

  auto* record = reinterpret_cast<FontRecord*>(static_cast<uintptr_t>(Read(kEdit, kFont, -1)));
  EXPECT_EQ(record->bold, 1);
  EXPECT_EQ(record->size, 12);
  EXPECT_STREQ(record->faceName, "黑体");
  // A face name of 32 bytes or more becomes 宋体.
  Free(record->faceName);
  record->faceName = CopyText("一二三四五六七八九十一二三四五六七");
  Write(kEdit, kFont, reinterpret_cast<uintptr_t>(record), -1);
  EXPECT_EQ(TakeText(Read(kEdit, kFont, 6)), "宋体");
  Free(record->faceName);
  Free(record);
}

TEST_F(PropertyAccessTest, AChangeTheControlCannotTakeRecreatesIt) {
  HWND before = EditControl();
  Write(kEdit, kContent, TextValue("不会保留"));
  Write(kEdit, kMultiline, 1);
  HWND after = EditControl();
  ASSERT_NE(after, nullptr);
  EXPECT_NE(after, before);
  EXPECT_FALSE(IsWindow(before));
  EXPECT_TRUE(GetWindowLongW(after, GWL_STYLE) & ES_MULTILINE);
  EXPECT_EQ(GetDlgCtrlID(after), 100);
  EXPECT_EQ(test::LiveTestEdits(), 1);
  EXPECT_EQ(Runtime().eventBlock, 0);
  EXPECT_EQ(Placement().left, 10);
  EXPECT_EQ(static_cast<int32_t>(Read(kEdit, common_property::kWidth)), 120);
}

TEST_F(PropertyAccessTest, MenuItemsHaveTheirOwnFourProperties) {
  EXPECT_EQ(TakeText(Read(kMenuItem, 0)), "文件");
  EXPECT_EQ(Read(kMenuItem, 1), 1u);
  EXPECT_EQ(Read(kMenuItem, 3), 1u);
  Write(kMenuItem, 3, 0);
  Write(kMenuItem, 0, 0);
  EXPECT_EQ(Read(kMenuItem, 3), 0u);
  EXPECT_EQ(TakeText(Read(kMenuItem, 0)), "");
  EXPECT_EQ(Read(kMenuItem, 9), 0u);
}

// The window's menu bar follows its menu items: written captions, checks and
// visibility show at once.
TEST_F(PropertyAccessTest, MenuItemChangesRebuildTheMenuBar) {
  Write(kMenuItem, 0, TextValue("编辑"));
  HMENU bar = GetMenu(window_);
  ASSERT_NE(bar, nullptr);
  ASSERT_EQ(GetMenuItemCount(bar), 1);
  wchar_t caption[16] = {};
  GetMenuStringW(bar, 0, caption, 16, MF_BYPOSITION);
  EXPECT_EQ(std::wstring(caption), WideFromGbk("编辑"));
  EXPECT_TRUE(GetMenuState(bar, 0, MF_BYPOSITION) & MF_CHECKED);
  Write(kMenuItem, 2, 1);
  EXPECT_TRUE(GetMenuState(GetMenu(window_), 0, MF_BYPOSITION) & MF_GRAYED);
  Write(kMenuItem, 3, 0);
  EXPECT_EQ(GetMenu(window_), nullptr) << "a hidden item leaves no menu bar";
}

TEST_F(PropertyAccessTest, UnknownWindowsAndUnitsAreFatal) {
  EXPECT_EQ(FailureOf(0x52010003, kEdit, 0), "未载入欲访问窗口组件所在的窗口");
  EXPECT_EQ(FailureOf(kWindow, 0x16010099, 0), "未载入欲访问窗口组件所在的窗口");
}

// A unit held in a variable has no common properties: index 3 is the unit's own
// property 3 (Limit), not Height.
TEST_F(PropertyAccessTest, ObjectPropertiesUseTheIndexUnchanged) {
  constexpr int kOwnLimit = kLimit - common_property::kCount;
  Stored().limit = 33;
  void* edit = reinterpret_cast<void*>(RuntimeNotify(notify::kUnitObject, kWindow, kEdit));
  const RuntimeHelperTable& rt = HelperTable();
  EXPECT_EQ(rt.otherHelper(other_helper::kReadObjectProperty, test::kTestEditType, edit, kOwnLimit, -1), 33);
  rt.otherHelper(other_helper::kWriteObjectProperty, test::kTestEditType, edit, kOwnLimit, -1, 44u, 0u);
  EXPECT_EQ(Stored().limit, 44);
  EXPECT_EQ(rt.readUnitProperty(kWindow, kEdit, kLimit, -1), 44u);
}

}  // namespace
}  // namespace vx
