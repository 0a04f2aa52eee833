// A small library of unit types for tests that need real controls of their own,
// built on the unit base like the real types (property rows, stored form, focus
// events, destruction reports):
//   slot 1  the real window type
//   slot 2  button over BUTTON: Caption, IsDefault; Click (event 0) on BN_CLICKED;
//           Enter clicks it when it is the default push button
//   slot 3  empty: the runtime gives type 0x00010003 one handler for all events
//   slot 4  edit over EDIT: Content (kept by the control), ReadOnly, Alignment
//           (pick list of 3), Limit, Font, Data (bytes), Multiline (re-creates the
//           control; a multi-line edit wants Enter)
//   slot 5  label over STATIC: Caption; a press on it may drag the window
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "contract/program.h"
#include "units/unit_base/property_stream.h"

namespace vx::test {

constexpr uint32_t kTestButtonType = 0x00010002;
constexpr uint32_t kTestEditType = 0x00010004;
constexpr uint32_t kTestLabelType = 0x00010005;

namespace test_button_property {
enum Index : int32_t { kCaption = 8, kIsDefault };
}
namespace test_edit_property {
enum Index : int32_t { kContent = 8, kReadOnly, kAlignment, kLimit, kFont, kData, kMultiline };
}
namespace test_label_property {
enum Index : int32_t { kCaption = 8 };
}

struct TestButtonData {
  std::string caption{};
  int32_t isDefault = 0;
  static const PropertyStream<TestButtonData> kStream;
};

struct TestEditData {
  std::string content{};
  int32_t readOnly = 0;
  int32_t alignment = 0;
  int32_t limit = 0;
  Bytes font{};
  Bytes data{};
  int32_t multiline = 0;
  static const PropertyStream<TestEditData> kStream;
};

struct TestLabelData {
  std::string caption{};
  static const PropertyStream<TestLabelData> kStream;
};

const LibraryRecord& TestLibrary();

// Test edit objects alive now: each one goes with its control.
int LiveTestEdits();
// The stored values of a created test edit, or null.
TestEditData* TestEditDataOf(uint32_t windowId, uint32_t unitId);

}  // namespace vx::test
