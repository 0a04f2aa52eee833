#include <cstdarg>
#include <cstring>

#include "runtime/dll_commands.h"
#include "runtime/file_search.h"
#include "runtime/heap.h"
#include "runtime/helper_operations.h"
#include "runtime/message_loop.h"
#include "runtime/property_access.h"
#include "runtime/runtime_error.h"
#include "runtime/runtime_state.h"
#include "runtime/window_loader.h"

namespace vx {

// Libraries are linked into the program, so the entry is called directly; the
// library index only says whose command it is.
MDATA CallLibraryCommand(int /*library*/, LibraryCommand command, int count, MDATA* args) {
  MDATA result;
  std::memset(&result, 0, sizeof result);
  command(&result, count, args);
  return result;
}

MDATA CallCoreCommand(LibraryCommand command, int count, MDATA* args) {
  return CallLibraryCommand(0, command, count, args);
}

void MakeArrayWritable(int32_t** variable, int elementSize) {
  int32_t* block = *variable;
  if (!block || !InConstantBlock(block)) return;
  size_t bytes = ArrayHeaderBytes(block) + static_cast<size_t>(ArrayElementCount(block)) * elementSize;
  void* copy = Allocate(static_cast<int32_t>(bytes));
  std::memcpy(copy, block, bytes);
  *variable = static_cast<int32_t*>(copy);
}

namespace {

int64_t OtherHelper(int number, ...) {
  va_list args;
  va_start(args, number);
  int64_t result = 0;
  switch (number) {
    case other_helper::kFindFile: {
      auto* pattern = va_arg(args, const char*);
      auto mask = va_arg(args, uint32_t);
      auto nonDirectory = va_arg(args, int);
      auto** handle = va_arg(args, void**);
      result = reinterpret_cast<intptr_t>(FindFile(pattern, mask, nonDirectory != 0, handle));
      break;
    }
    case other_helper::kCloseFileSearch:
      CloseFileSearch(va_arg(args, void*));
      break;
    case other_helper::kMakeArrayWritable: {
      auto** variable = va_arg(args, int32_t**);
      MakeArrayWritable(variable, va_arg(args, int));
      break;
    }
    case other_helper::kRegisterExitRoutine:
      RegisterExitRoutine(va_arg(args, ExitRoutine));
      break;
    case other_helper::kReadObjectProperty: {
      auto unitType = va_arg(args, DataType);
      auto* object = va_arg(args, void*);
      auto index = va_arg(args, int);
      result = static_cast<int64_t>(ReadObjectProperty(unitType, object, index, va_arg(args, int)));
      break;
    }
    case other_helper::kWriteObjectProperty: {
      auto unitType = va_arg(args, DataType);
      auto* object = va_arg(args, void*);
      auto index = va_arg(args, int);
      auto arrayIndex = va_arg(args, int);
      auto low = va_arg(args, uint32_t);
      WriteObjectProperty(unitType, object, index, arrayIndex, low, va_arg(args, uint32_t));
      break;
    }
    case other_helper::kInitRuntime:
      InitRuntime();
      break;
    default:
      break;
  }
  va_end(args);
  return result;
}

const RuntimeHelperTable kHelperTable = {
    ReportRuntimeError, ResolveDllCommand, CallLibraryCommand,
    CallCoreCommand,    ReadUnitProperty,  WriteUnitProperty,
    Allocate,           Reallocate,        Free,
    ExitProgram,        RunMessageLoop,    LoadStartupWindow,
    OtherHelper,
};

}  // namespace

const RuntimeHelperTable& HelperTable() { return kHelperTable; }

}  // namespace vx
