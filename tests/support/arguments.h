// Argument records as compiled code builds them, and a library command called with
// them as compiled code calls one.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "contract/values.h"

namespace vx::test {

inline MDATA Argument(DataType type, uint64_t raw) {
  MDATA value = {};
  value.raw = raw;
  value.type = type;
  return value;
}
inline MDATA Int(int32_t number) { return Argument(type::kInt, static_cast<uint32_t>(number)); }
inline MDATA Text(const char* gbk) {
  MDATA value = {};
  value.text = const_cast<char*>(gbk);
  value.type = type::kText;
  return value;
}
inline MDATA Omitted() { return MDATA{}; }
inline MDATA UnitRef(uint32_t window, uint32_t unit, DataType unitType) {
  MDATA value = {};
  value.words[0] = window;
  value.words[1] = unit;
  value.type = unitType;
  return value;
}

inline MDATA Call(LibraryCommand command, std::initializer_list<MDATA> arguments) {
  MDATA result = {};
  std::vector<MDATA> args(arguments);
  command(&result, static_cast<int>(args.size()), args.data());
  return result;
}

}  // namespace vx::test
