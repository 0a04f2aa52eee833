// The value model shared by compiled code, the runtime and every library:
// data type codes, the 12-byte MDATA argument record and the ArrayBlock heap form.
// Pure data handling: no platform headers.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vx {

using DataType = uint32_t;

namespace type {
constexpr DataType kNone = 0;
constexpr DataType kByte = 0x80000101;
constexpr DataType kShort = 0x80000201;
constexpr DataType kInt = 0x80000301;
constexpr DataType kLong = 0x80000401;
constexpr DataType kFloat = 0x80000501;
constexpr DataType kDouble = 0x80000601;
constexpr DataType kBool = 0x80000002;
constexpr DataType kDateTime = 0x80000003;
constexpr DataType kText = 0x80000004;
constexpr DataType kByteSet = 0x80000005;
constexpr DataType kSubroutine = 0x80000006;
constexpr DataType kStatementArg = 0x80000008;
constexpr DataType kArrayBit = 0x20000000;
}  // namespace type

enum class TypeKind { kNone, kSystem, kUser, kLibrary };

// The top two bits give the kind: 10 system, 01 user, 00 or 11 library.
constexpr TypeKind KindOf(DataType t) {
  if (t == type::kNone) return TypeKind::kNone;
  switch (t >> 30) {
    case 2:
      return TypeKind::kSystem;
    case 1:
      return TypeKind::kUser;
    default:
      return TypeKind::kLibrary;
  }
}

constexpr bool IsArrayType(DataType t) { return KindOf(t) == TypeKind::kSystem && (t & type::kArrayBit) != 0; }
constexpr DataType BaseType(DataType t) { return KindOf(t) == TypeKind::kSystem ? t & ~type::kArrayBit : t; }
// Numeric exactly when a (non-array) system type's low byte is 0x01: byte .. double.
constexpr bool IsNumericType(DataType t) {
  return KindOf(t) == TypeKind::kSystem && !(t & type::kArrayBit) && (t & 0xFF) == 0x01;
}
// Element size of a base type inside an ArrayBlock; 0 for types that have no array form.
constexpr int ElementSize(DataType base) {
  switch (base) {
    case type::kByte:
      return 1;
    case type::kShort:
      return 2;
    case type::kInt:
    case type::kFloat:
      return 4;
    case type::kLong:
    case type::kDouble:
    case type::kDateTime:
      return 8;
    case type::kBool:
    case type::kSubroutine:
      return 4;
    case type::kText:
    case type::kByteSet:
      return sizeof(void*);
    default:
      return 0;
  }
}

// A library type code: library number (1 core, 2 speech) in the high 16 bits,
// type number counted from 1 in the low 16 bits.
constexpr uint16_t LibraryNumber(DataType t) { return static_cast<uint16_t>(t >> 16); }
constexpr uint16_t LibraryTypeNumber(DataType t) { return static_cast<uint16_t>(t & 0xFFFF); }
constexpr DataType MakeLibraryType(uint16_t library, uint16_t number) {
  return (static_cast<DataType>(library) << 16) | number;
}

// The argument and result record of every library command: an 8-byte value laid
// out by its type, then the type. Omitted optional arguments are all zero.
#pragma pack(push, 4)
struct MDATA {
  union {
    uint8_t byteValue;
    int16_t shortValue;
    int32_t intValue;
    int64_t longValue;
    float floatValue;
    double doubleValue;
    char* text;         // GBK, zero-terminated; null is the empty text
    int32_t* block;     // ArrayBlock of a byte set or array; null is empty
    void* pointer;      // unit instance blocks, subroutines, by-reference arguments
    uint32_t words[2];  // UnitRef: window id low, unit id high
    uint64_t raw;
  };
  DataType type;
};
#pragma pack(pop)
static_assert(sizeof(MDATA) == 12, "MDATA is the 12-byte record compiled code lays out");

// Every library command, core command and unit method has this signature; the
// caller zeroes the result record before the call.
using LibraryCommand = void (*)(MDATA* result, int count, MDATA* args);

// Present means passed and of a non-zero type.
inline bool HasArgument(int count, const MDATA* args, int index) {
  return index < count && args[index].type != type::kNone;
}

// ---- ArrayBlock: dimension count, one size per dimension, then the elements ----

inline int32_t ArrayDimensionCount(const int32_t* block) { return block ? block[0] : 0; }
// Product of the dimension sizes (0 for a null block).
int64_t ArrayElementCount(const int32_t* block);
inline size_t ArrayHeaderBytes(const int32_t* block) {
  return sizeof(int32_t) * (1 + static_cast<size_t>(block[0] > 0 ? block[0] : 0));
}
inline uint8_t* ArrayElements(int32_t* block) { return reinterpret_cast<uint8_t*>(block) + ArrayHeaderBytes(block); }
inline const uint8_t* ArrayElements(const int32_t* block) {
  return reinterpret_cast<const uint8_t*>(block) + ArrayHeaderBytes(block);
}

}  // namespace vx
