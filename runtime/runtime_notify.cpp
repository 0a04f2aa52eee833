#include "runtime/runtime_notify.h"

#include "commands/expression.h"
#include "runtime/heap.h"
#include "runtime/helper_table.h"
#include "runtime/runtime_error.h"
#include "runtime/runtime_state.h"
#include "runtime/texts.h"
#include "runtime/values.h"

namespace vx {
namespace {

constexpr intptr_t kRuntimeVersion = 0x30005;

// Byte zero-extended, short sign-extended, long cut to its low half, floating
// values truncated toward zero; anything else is not a number.
int32_t ToInteger(const MDATA& value) {
  switch (value.type) {
    case type::kByte: return value.byteValue;
    case type::kShort: return value.shortValue;
    case type::kInt: return value.intValue;
    case type::kLong: return static_cast<int32_t>(value.longValue);
    case type::kFloat: return static_cast<int32_t>(TruncateToInt64(value.floatValue));
    case type::kDouble: return static_cast<int32_t>(TruncateToInt64(value.doubleValue));
    default: RaiseRuntimeError("欲转换数据类型不是数值", 0);
  }
}

intptr_t Pointer(const void* p) { return reinterpret_cast<intptr_t>(p); }

}  // namespace

intptr_t RuntimeNotify(int32_t code, intptr_t param1, intptr_t param2) {
  switch (code) {
    case notify::kVersion:
      return kRuntimeVersion;
    case notify::kToInteger:
      return ToInteger(*reinterpret_cast<const MDATA*>(param1));
    case notify::kProgramDirectory:
      return Pointer(CopyText(Runtime().programDirectory.c_str()));
    case notify::kProgramFileName:
      return Pointer(CopyText(Runtime().programFileName.c_str()));
    case notify::kFreeArray:
      FreeArray(reinterpret_cast<int32_t*>(param2), static_cast<DataType>(param1));
      return 0;
    case notify::kAllocate:
      return Pointer(param2 ? AllocateOrNull(static_cast<int32_t>(param1)) : Allocate(static_cast<int32_t>(param1)));
    case notify::kFree:
      Free(reinterpret_cast<void*>(param1));
      return 0;
    case notify::kReallocate:
      return Pointer(Reallocate(reinterpret_cast<void*>(param1), static_cast<int32_t>(param2)));
    case notify::kRaiseError:
      RaiseRuntimeError(reinterpret_cast<const char*>(param1), 0);
    case notify::kExitProgram:
      ExitProgram(static_cast<int>(param1));
    case notify::kProgramMode:
      return Runtime().headerWords[0];
    default:
      return 0;
  }
}

}  // namespace vx
