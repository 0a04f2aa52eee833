#include "runtime/event_dispatch.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "contract/unit_type.h"
#include "runtime/runtime_state.h"
#include "runtime/template/template_writer.h"
#include "tests/support/raised_error.h"

namespace vx {
namespace {

constexpr uint32_t kWindow = 0x52010001;
constexpr uint32_t kOwnUnit = 0x06010000;
constexpr uint32_t kButton = 0x16010001;
constexpr uint32_t kSharingButton = 0x16010002;  // uses kButton's bindings
constexpr uint32_t kLoopA = 0x16010003;          // kLoopA and kLoopB share with each other
constexpr uint32_t kLoopB = 0x16010004;
constexpr uint32_t kInert = 0x16010005;  // a type that may not raise events

constexpr DataType kWindowType = 0x00010001;
constexpr DataType kButtonType = 0x00010002;
constexpr DataType kInertType = 0x00010004;

// What the handlers saw.
struct Seen {
  std::vector<int64_t> arguments;
  EventSource sourceDuringCall;
  int calls = 0;
  int nestedCalls = 0;
} seen;

int64_t RecordClick(const EventArguments& args) {
  seen.arguments.assign(args.values, args.values + args.count);
  seen.sourceDuringCall = Runtime().currentEventSource;
  ++seen.calls;
  return 77;
}

int64_t CountNested(const EventArguments&) {
  ++seen.nestedCalls;
  return 0;
}

// Raises event 1 of the button from inside a handler.
int64_t RaiseNested(const EventArguments&) {
  EventRecord inner = {kWindow, kButton, 1, 0, {}, 0, 0};
  EXPECT_EQ(DispatchEvent(inner), 1);
  EXPECT_EQ(seen.nestedCalls, 1) << "the nested event runs before the outer handler goes on";
  return 0;
}

int64_t NoResult(const EventArguments&) {
  ++seen.calls;
  return 5;
}

// The program's handler table; templates bind by byte offset into it.
const ProgramHandler kHandlers[] = {
    {RecordClick, true}, {CountNested, true}, {RaiseNested, true}, {NoResult, false}, {nullptr, false},
};
int32_t Offset(int handler) { return handler * static_cast<int32_t>(sizeof(ProgramHandler)); }

UnitTypeInfo TypeWithFlags(const char* name, uint32_t flags) {
  UnitTypeInfo type = {};
  type.chineseName = name;
  type.englishName = name;
  type.stateFlags = flags;
  return type;
}

const UnitTypeInfo kTypes[] = {
    TypeWithFlags("窗口", unit_state::kOwnsControl | unit_state::kWindowType),
    TypeWithFlags("按钮", unit_state::kOwnsControl),
    {},
    TypeWithFlags("无事件", 0),
};
const LibraryRecord kLibrary = {nullptr, 4, kTypes};

UnitDescription Unit(uint32_t id, DataType type, std::vector<EventBinding> bindings, uint32_t sharedWith = 0) {
  UnitDescription unit;
  unit.id = id;
  unit.stored.typeCode = type;
  unit.stored.sharedHandlerUnit = sharedWith;
  unit.stored.bindings = std::move(bindings);
  return unit;
}

class EventDispatchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WindowDescription window;
    window.id = kWindow;
    window.items = {
        Unit(kOwnUnit, kWindowType, {{0, Offset(2)}}),
        Unit(kButton, kButtonType, {{0, Offset(0)}, {1, Offset(1)}, {2, kNoHandler}, {3, Offset(3)}, {4, Offset(4)}}),
        Unit(kSharingButton, kButtonType, {}, kButton),
        Unit(kLoopA, kButtonType, {}, kLoopB),
        Unit(kLoopB, kButtonType, {}, kLoopA),
        Unit(kInert, kInertType, {{0, Offset(0)}}),
    };
    header_.codeBase = kHandlers;
    header_.libraryCount = 1;
    header_.libraries = &kLibrary;
    Runtime().header = &header_;
    Runtime().windowTable = *WindowTable::Read(WriteWindowTemplate({window}), kHandlers);
    seen = Seen{};
  }
  void TearDown() override {
    Runtime().windowTable = WindowTable();
    Runtime().header = nullptr;
    Runtime().eventBlock = 0;
  }
  static std::string FailureOf(uint32_t window, uint32_t unit) {
    EventRecord record = {window, unit, 0, 0, {}, 0, 0};
    try {
      DispatchEvent(record);
    } catch (const test::RaisedError& error) {
      EXPECT_EQ(error.code, 0);
      return error.message;
    }
    return "dispatched";
  }
  ProgramHeader header_ = {};
};

TEST_F(EventDispatchTest, BoundHandlerRunsWithItsArgumentsAndResult) {
  EventRecord record = {kWindow, kButton, 0, 3, {10, -20, 4}, 0, 0};
  EXPECT_EQ(DispatchEvent(record), 1);
  EXPECT_EQ(seen.arguments, (std::vector<int64_t>{10, -20, 4}));
  EXPECT_EQ(record.hasResult, 1);
  EXPECT_EQ(record.result, 77);
  EXPECT_EQ(seen.sourceDuringCall.windowId, kWindow);
  EXPECT_EQ(seen.sourceDuringCall.unitId, kButton);
  EXPECT_EQ(Runtime().currentEventSource.windowId, 0u) << "cleared when the handler returns";
}

TEST_F(EventDispatchTest, OffsetZeroIsTheFirstHandler) {
  EventRecord record = {kWindow, kButton, 0, 0, {}, 0, 0};
  DispatchEvent(record);
  EXPECT_EQ(seen.calls, 1);  // RecordClick sits at offset 0 of the table
}

TEST_F(EventDispatchTest, NoHandlerReturnsZeroAndChangesNothing) {
  for (int event : {2, 4, 9}) {  // bound to -1, to an empty handler slot, and not bound at all
    EventRecord record = {kWindow, kButton, event, 0, {}, 0, 55};
    EXPECT_EQ(DispatchEvent(record), 0);
    EXPECT_EQ(record.hasResult, 0);
    EXPECT_EQ(record.result, 55);
  }
  EXPECT_EQ(seen.calls, 0);
}

TEST_F(EventDispatchTest, AHandlerWithoutResultLeavesHasResultAlone) {
  EventRecord record = {kWindow, kButton, 3, 0, {}, 0, 0};
  EXPECT_EQ(DispatchEvent(record), 1);
  EXPECT_EQ(seen.calls, 1);
  EXPECT_EQ(record.hasResult, 0);
}

TEST_F(EventDispatchTest, NothingRunsWhileEventsAreBlocked) {
  Runtime().eventBlock = 1;
  EventRecord record = {kWindow, kButton, 0, 0, {}, 0, 0};
  EXPECT_EQ(DispatchEvent(record), 0);
  EXPECT_EQ(seen.calls, 0);
}

TEST_F(EventDispatchTest, NestedEventsDispatchAtOnce) {
  EventRecord record = {kWindow, 0, 0, 0, {}, 0, 0};  // unit 0: the window itself
  EXPECT_EQ(DispatchEvent(record), 1);
  EXPECT_EQ(seen.nestedCalls, 1);
}

TEST_F(EventDispatchTest, SharedHandlersRunForTheSharingUnit) {
  EventRecord record = {kWindow, kSharingButton, 0, 1, {1}, 0, 0};
  EXPECT_EQ(DispatchEvent(record), 1);
  EXPECT_EQ(seen.sourceDuringCall.unitId, kSharingButton);
  EventRecord loop = {kWindow, kLoopA, 0, 0, {}, 0, 0};
  EXPECT_EQ(DispatchEvent(loop), 0) << "a sharing loop ends without a handler";
}

TEST_F(EventDispatchTest, UnknownWindowUnitOrInertTypeIsFatal) {
  EXPECT_EQ(FailureOf(0x52010009, kButton), "未找到引发事件的窗口");
  EXPECT_EQ(FailureOf(kWindow, 0x16010099), "未找到引发事件的窗口组件");
  EXPECT_EQ(FailureOf(kWindow, kInert), "引发事件的窗口组件无效");
}

TEST_F(EventDispatchTest, TypedArgumentsArePassedByTheirType) {
  TypedEventRecord record = {};
  record.windowId = kWindow;
  record.unitId = kButton;
  record.argumentCount = 5;
  record.arguments[0] = {0xFFFFFFFFFFFFFFF0ull, type::kByte, 0};
  record.arguments[1] = {0x0000FFFEull, type::kShort, 0};
  double half = 0.5;
  std::memcpy(&record.arguments[2].value, &half, sizeof half);
  record.arguments[2].type = type::kDouble;
  record.arguments[3] = {0x1234567800000009ull, type::kInt, 0};
  record.arguments[4] = {0x1234567800000009ull, type::kInt, pass_flag::kWhole};
  EXPECT_EQ(DispatchTypedEvent(record), 1);
  ASSERT_EQ(seen.arguments.size(), 5u);
  EXPECT_EQ(seen.arguments[0], 0xF0);
  EXPECT_EQ(seen.arguments[1], -2);
  double passed;
  std::memcpy(&passed, &seen.arguments[2], sizeof passed);
  EXPECT_EQ(passed, 0.5);
  EXPECT_EQ(seen.arguments[3], 9);
  EXPECT_EQ(seen.arguments[4], 0x1234567800000009ll);
  int64_t result = record.result;  // a packed field: copy it before taking a reference
  EXPECT_EQ(record.hasResult, 1);
  EXPECT_EQ(result, 77);
}

}  // namespace
}  // namespace vx
