// The operations every unit type gets from its property rows, on the tests' own
// edit type over a real EDIT control.
#include "units/unit_base/unit_operations.h"

#include <gtest/gtest.h>

#include "runtime/framework/runtime_link.h"
#include "runtime/runtime_notify.h"
#include "tests/support/test_units.h"
#include "tests/units/unit_base/test_windows.h"

namespace vx {
namespace {

using test::TestEditData;

class UnitOperationsTest : public test::WindowsFixture {
 protected:
  void SetUp() override {
    WindowsFixture::SetUp();
    CoreLibraryLink().Connect(RuntimeNotify);
    type_ = &test::TestLibrary().unitTypes[(test::kTestEditType & 0xFFFF) - 1];
  }
  void TearDown() override {
    WindowsFixture::TearDown();
    EXPECT_EQ(test::LiveTestEdits(), 0) << "each unit object goes with its control";
  }

  template <class Operation>
  Operation Op(int32_t number) const {
    return reinterpret_cast<Operation>(type_->getInterface(number));
  }
  UnitObject* Create(const std::vector<uint8_t>& record, int32_t length) {
    return AsUnitObject(Op<CreateUnitFn>(unit_interface::kCreateUnit)(record.data(), length, WS_VISIBLE, parent_, 100,
                                                                      0, 0, 0, 100, 20, 0x52010001, 0x16010005, 0, 0));
  }
  static std::vector<uint8_t> BlockBytes(HGLOBAL block) {
    const auto* bytes = static_cast<const uint8_t*>(GlobalLock(block));
    std::vector<uint8_t> copy(bytes, bytes + GlobalSize(block));
    GlobalUnlock(block);
    return copy;
  }

  const UnitTypeInfo* type_ = nullptr;
};

TEST_F(UnitOperationsTest, CreateLoadsTheRecordAndKeepsTheUnitRef) {
  std::vector<uint8_t> record = StoreProperties(TestEditData{.content = "按钮", .limit = 1234});
  UnitObject* unit = Create(record, static_cast<int32_t>(record.size()));
  ASSERT_NE(unit, nullptr);
  EXPECT_EQ(unit->windowId(), 0x52010001u);
  EXPECT_EQ(unit->unitId(), 0x16010005u);
  RawPropertyValue value = {};
  ASSERT_EQ(Op<GetPropertyDataFn>(unit_interface::kGetPropertyData)(unit, 3, &value), 1);
  EXPECT_EQ(value.integer, 1234);
  EXPECT_EQ(GetDlgCtrlID(unit->handle()), 100);
  EXPECT_EQ(Op<GetPropertyDataFn>(unit_interface::kGetPropertyData)(unit, 7, &value), 0) << "past the rows";
}

TEST_F(UnitOperationsTest, AnUnreadableRecordGivesNoUnitAndAnEmptyOneTheDefaults) {
  std::vector<uint8_t> record = StoreProperties(TestEditData{});
  EXPECT_EQ(Create(record, static_cast<int32_t>(record.size()) - 1), nullptr);
  record[0] = 2;  // a version above the type's
  EXPECT_EQ(Create(record, static_cast<int32_t>(record.size())), nullptr);
  EXPECT_EQ(test::LiveTestEdits(), 0);
  EXPECT_NE(Create(record, 0), nullptr) << "a record of no bytes is not read";
}

TEST_F(UnitOperationsTest, AllPropertyDataIsAMovableBlockOfExactlyTheStream) {
  std::vector<uint8_t> record = StoreProperties(TestEditData{.alignment = 2, .font = Bytes(60, 7)});
  UnitObject* unit = Create(record, static_cast<int32_t>(record.size()));
  ASSERT_NE(unit, nullptr);
  auto block = static_cast<HGLOBAL>(Op<GetAllPropertyDataFn>(unit_interface::kGetAllPropertyData)(unit));
  ASSERT_NE(block, nullptr);
  // A fixed block's handle is its address and it keeps no lock count.
  EXPECT_NE(GlobalLock(block), static_cast<void*>(block));
  GlobalUnlock(block);
  EXPECT_EQ(BlockBytes(block), record);
  GlobalFree(block);
  EXPECT_EQ(Op<GetAllPropertyDataFn>(unit_interface::kGetAllPropertyData)(nullptr), nullptr);
}

TEST_F(UnitOperationsTest, PropertyChangedClampsStoresAndAsksForRecreation) {
  std::vector<uint8_t> record = StoreProperties(TestEditData{});
  UnitObject* unit = Create(record, static_cast<int32_t>(record.size()));
  auto changed = Op<PropertyChangedFn>(unit_interface::kPropertyChanged);
  RawPropertyValue value = {};
  value.integer = 9;
  int32_t out = 5;
  EXPECT_EQ(changed(unit, 2, &value, &out), 0);
  EXPECT_EQ(out, 0);
  value = {};
  Op<GetPropertyDataFn>(unit_interface::kGetPropertyData)(unit, 2, &value);
  EXPECT_EQ(value.integer, 2) << "a pick list of three clamps to 2";
  value.integer = 1;
  EXPECT_EQ(changed(unit, 6, &value, nullptr), 1) << "Multiline re-creates";
  EXPECT_EQ(changed(nullptr, 6, &value, nullptr), 0);
}

}  // namespace
}  // namespace vx
