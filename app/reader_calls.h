// What the reader's compiled code does for itself: property reads and writes by
// unit and index, calls of library commands and unit methods with typed
// argument records, texts it owns and frees, all through the runtime's helper
// table that the entry routine was given.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "contract/helper_table.h"
#include "contract/values.h"

namespace voxlet {

// The runtime's helper table, kept by the entry routine.
const vx::RuntimeHelperTable& Runtime();
void KeepRuntime(const vx::RuntimeHelperTable* runtime);

// A text the reader owns: freed when it goes out of scope.
class OwnedText {
 public:
  explicit OwnedText(char* text) : text_(text) {}
  OwnedText(const OwnedText&) = delete;
  OwnedText& operator=(const OwnedText&) = delete;
  ~OwnedText();
  const char* get() const { return text_; }

 private:
  char* text_;
};

// Properties of the reader window's units (window id 0x52010001).
int32_t ReadInteger(uint32_t unit, int index);
OwnedText ReadText(uint32_t unit, int index);
void WriteInteger(uint32_t unit, int index, int32_t value);
void WriteText(uint32_t unit, int index, const char* text);

// Argument records.
vx::MDATA Integer(int32_t value);
vx::MDATA Double(double value);
vx::MDATA Text(const char* text);
vx::MDATA Pointer(void* pointer, vx::DataType type);
vx::MDATA UnitRef(uint32_t unit, vx::DataType unitType);
vx::MDATA Omitted();

// A library command or unit method: its result record.
vx::MDATA CallLibrary(int library, vx::LibraryCommand command, std::initializer_list<vx::MDATA> arguments);
vx::MDATA CallCore(vx::LibraryCommand command, std::initializer_list<vx::MDATA> arguments);
// A method of the program's speech object, the object passed first.
vx::MDATA CallSpeech(vx::LibraryCommand method, std::initializer_list<vx::MDATA> arguments = {});

}  // namespace voxlet
