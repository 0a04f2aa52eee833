// A compiled program inside the test process: a header over the windows a test
// describes, InitRuntime, and the start-up window loaded by the runtime's loader;
// stopped with its windows. Properties are read and written as a program would.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "contract/program.h"
#include "runtime/template/template_writer.h"

namespace vx::test {

// A unit of the template: type, placement and flags, property block (may be empty).
UnitDescription Unit(uint32_t id, uint32_t typeCode, RECT placement, uint32_t stateFlags,
                     std::vector<uint8_t> block = {});

class TestProgram {
 public:
  TestProgram() = default;
  TestProgram(const TestProgram&) = delete;
  TestProgram& operator=(const TestProgram&) = delete;
  ~TestProgram() { Stop(); }

  // Reads the windows as the program's template (with the test library of
  // test_units.h and the handlers given) and runs InitRuntime; the first window is
  // then loaded as the start-up window unless load is false.
  void Start(const std::vector<WindowDescription>& windows, const ProgramHandler* handlers = nullptr, bool load = true);
  // Destroys every loaded window and forgets the template.
  void Stop();
  // The program's library for the next Start: the test library unless a test
  // names another (the core library, say, for tests of its real unit types).
  void UseLibrary(const LibraryRecord& library) { library_ = &library; }

 private:
  std::vector<uint8_t> template_;
  ProgramHeader header_ = {};
  const LibraryRecord* library_ = nullptr;
};

// The unit's control while it is created, else null.
HWND UnitControl(uint32_t windowId, uint32_t unitId);
// A text read from a property, freed.
std::string TakeText(uint64_t value);
inline uint64_t TextValue(const char* text) { return reinterpret_cast<uintptr_t>(text); }

class ProgramFixture : public ::testing::Test {
 protected:
  void StartProgram(const std::vector<WindowDescription>& windows, const ProgramHandler* handlers = nullptr,
                    bool load = true) {
    program_.Start(windows, handlers, load);
  }
  void TearDown() override;

  static HWND Control(uint32_t windowId, uint32_t unitId) { return UnitControl(windowId, unitId); }
  static uint64_t Read(uint32_t windowId, uint32_t unitId, int index, int arrayIndex = -1);
  static void Write(uint32_t windowId, uint32_t unitId, int index, uint64_t value, int arrayIndex = -1);

  TestProgram program_;
};

}  // namespace vx::test
