// A type's UnitTypeInfo record, for every library that offers types: its names,
// state flags, property table and GetInterface, and the methods of an object type.
// Events and elements are not described in the record.
#pragma once

#include <cstdint>
#include <span>

#include "contract/unit_type.h"

namespace vx {

struct UnitTypeNames {
  const char* chinese;
  const char* english;
  const char* description = nullptr;
};

constexpr UnitTypeInfo UnitTypeRecord(const UnitTypeNames& names, uint32_t stateFlags,
                                      std::span<const UnitPropertyInfo> properties, GetInterfaceFn getInterface,
                                      std::span<const int32_t> methods = {}) {
  return {names.chinese,
          names.english,
          names.description,
          static_cast<uint32_t>(methods.size()),
          methods.empty() ? nullptr : methods.data(),
          stateFlags,
          0,
          0,
          nullptr,
          static_cast<uint32_t>(properties.size()),
          properties.empty() ? nullptr : properties.data(),
          getInterface,
          0,
          nullptr};
}

}  // namespace vx
