#include "tests/support/program_fixture.h"

#include "runtime/heap.h"
#include "runtime/helper_operations.h"
#include "runtime/live_unit.h"
#include "runtime/property_access.h"
#include "runtime/runtime_notify.h"
#include "runtime/runtime_state.h"
#include "runtime/unit_lookup.h"
#include "runtime/window_loader.h"
#include "tests/support/test_units.h"

namespace vx::test {
namespace {

const ProgramHandler kNoHandlers[1] = {};

}  // namespace

UnitDescription Unit(uint32_t id, uint32_t typeCode, RECT placement, uint32_t stateFlags, std::vector<uint8_t> block) {
  UnitDescription unit;
  unit.id = id;
  unit.stored.typeCode = typeCode;
  unit.stored.left = placement.left;
  unit.stored.top = placement.top;
  unit.stored.width = placement.right - placement.left;
  unit.stored.height = placement.bottom - placement.top;
  unit.stored.stateFlags = stateFlags;
  unit.stored.mousePointer = {0, 0, 0, 0};
  unit.propertyBlock = std::move(block);
  return unit;
}

void TestProgram::Start(const std::vector<WindowDescription>& windows, const ProgramHandler* handlers, bool load) {
  template_ = WriteWindowTemplate(windows);
  header_.mode = 3;
  header_.codeBase = handlers ? handlers : kNoHandlers;
  header_.templateData = template_.data();
  header_.templateLength = static_cast<uint32_t>(template_.size());
  header_.libraryCount = 1;
  header_.libraries = library_ ? library_ : &TestLibrary();
  Runtime().header = &header_;
  InitRuntime();
  if (load) LoadStartupWindow(windows.front().id);
}

void TestProgram::Stop() {
  if (Runtime().header != &header_) return;
  WindowTable& table = Runtime().windowTable;
  for (size_t i = 0; i < table.size(); ++i) {
    WindowRecord& window = table.Window(i);
    if (HWND handle = window.units.size() ? LiveControl(window.units.Item(0)) : nullptr) DestroyWindow(handle);
  }
  Runtime().windowTable = WindowTable();
  Runtime().eventBlock = 0;
  Runtime().header = nullptr;
}

void ProgramFixture::TearDown() {
  program_.Stop();
  EXPECT_EQ(LiveTestEdits(), 0) << "every unit object goes with its control";
}

HWND UnitControl(uint32_t windowId, uint32_t unitId) {
  auto* object = reinterpret_cast<UnitObject*>(RuntimeNotify(notify::kUnitObject, windowId, unitId));
  return object ? object->handle() : nullptr;
}

uint64_t ProgramFixture::Read(uint32_t windowId, uint32_t unitId, int index, int arrayIndex) {
  return ReadUnitProperty(windowId, unitId, index, arrayIndex);
}

void ProgramFixture::Write(uint32_t windowId, uint32_t unitId, int index, uint64_t value, int arrayIndex) {
  WriteUnitProperty(windowId, unitId, index, arrayIndex, static_cast<uint32_t>(value),
                    static_cast<uint32_t>(value >> 32));
}

std::string TakeText(uint64_t value) {
  auto* text = reinterpret_cast<char*>(static_cast<uintptr_t>(value));
  std::string copy = text ? text : "";
  Free(text);
  return copy;
}

}  // namespace vx::test
