#include "app/reader_calls.h"

#include <cstring>

#include "app/reader_libraries.h"
#include "app/reader_state.h"
#include "app/reader_window.h"

namespace voxlet {
namespace {

const vx::RuntimeHelperTable* runtime = nullptr;

uint64_t PointerValue(const void* pointer) { return static_cast<uint64_t>(reinterpret_cast<uintptr_t>(pointer)); }

}  // namespace

const vx::RuntimeHelperTable& Runtime() { return *runtime; }
void KeepRuntime(const vx::RuntimeHelperTable* given) { runtime = given; }

OwnedText::~OwnedText() { runtime->free(text_); }

int32_t ReadInteger(uint32_t unit, int index) {
  return static_cast<int32_t>(runtime->readUnitProperty(kReaderWindowId, unit, index, -1));
}

OwnedText ReadText(uint32_t unit, int index) {
  return OwnedText(
      reinterpret_cast<char*>(static_cast<uintptr_t>(runtime->readUnitProperty(kReaderWindowId, unit, index, -1))));
}

void WriteInteger(uint32_t unit, int index, int32_t value) {
  runtime->writeUnitProperty(kReaderWindowId, unit, index, -1, static_cast<uint32_t>(value), 0);
}

// A text travels as its pointer in both value words; the unit copies it.
void WriteText(uint32_t unit, int index, const char* text) {
  uint64_t value = PointerValue(text);
  runtime->writeUnitProperty(kReaderWindowId, unit, index, -1, static_cast<uint32_t>(value),
                             static_cast<uint32_t>(value >> 32));
}

vx::MDATA Integer(int32_t value) {
  vx::MDATA argument = {};
  argument.intValue = value;
  argument.type = vx::type::kInt;
  return argument;
}

vx::MDATA Double(double value) {
  vx::MDATA argument = {};
  argument.doubleValue = value;
  argument.type = vx::type::kDouble;
  return argument;
}

vx::MDATA Text(const char* text) { return Pointer(const_cast<char*>(text), vx::type::kText); }

vx::MDATA Pointer(void* pointer, vx::DataType type) {
  vx::MDATA argument = {};
  argument.pointer = pointer;
  argument.type = type;
  return argument;
}

vx::MDATA UnitRef(uint32_t unit, vx::DataType unitType) {
  vx::MDATA argument = {};
  argument.words[0] = kReaderWindowId;
  argument.words[1] = unit;
  argument.type = unitType;
  return argument;
}

vx::MDATA Omitted() { return vx::MDATA{}; }

vx::MDATA CallLibrary(int library, vx::LibraryCommand command, std::initializer_list<vx::MDATA> arguments) {
  std::vector<vx::MDATA> args(arguments);
  return runtime->callLibraryCommand(library, command, static_cast<int>(args.size()), args.data());
}

vx::MDATA CallCore(vx::LibraryCommand command, std::initializer_list<vx::MDATA> arguments) {
  std::vector<vx::MDATA> args(arguments);
  return runtime->callCoreCommand(command, static_cast<int>(args.size()), args.data());
}

vx::MDATA CallSpeech(vx::LibraryCommand method, std::initializer_list<vx::MDATA> arguments) {
  std::vector<vx::MDATA> args = {Pointer(ReaderState().speechUnit, vx::kSpeechObjectType)};
  args.insert(args.end(), arguments.begin(), arguments.end());
  return runtime->callLibraryCommand(kSpeechLibrary, method, static_cast<int>(args.size()), args.data());
}

}  // namespace voxlet
