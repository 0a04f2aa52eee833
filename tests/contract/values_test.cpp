#include "contract/values.h"

#include <gtest/gtest.h>

#include <cstddef>

namespace vx {
namespace {

TEST(Values, MdataIsTwelveBytesWithTheTypeLast) {
  EXPECT_EQ(sizeof(MDATA), 12u);
  EXPECT_EQ(offsetof(MDATA, type), 8u);
  MDATA zeroed{};
  EXPECT_EQ(zeroed.raw, 0u);
  EXPECT_EQ(zeroed.type, type::kNone);
}

TEST(Values, KindsFollowTheTopTwoBits) {
  EXPECT_EQ(KindOf(0), TypeKind::kNone);
  EXPECT_EQ(KindOf(type::kText), TypeKind::kSystem);
  EXPECT_EQ(KindOf(0x40000001), TypeKind::kUser);
  EXPECT_EQ(KindOf(0x0001001F), TypeKind::kLibrary);
  EXPECT_EQ(KindOf(0xC0010001), TypeKind::kLibrary);
}

TEST(Values, LibraryCodesSplitIntoLibraryAndTypeNumber) {
  EXPECT_EQ(LibraryNumber(0x0001001F), 1);
  EXPECT_EQ(LibraryTypeNumber(0x0001001F), 31);
  EXPECT_EQ(LibraryNumber(0x00020001), 2);
  EXPECT_EQ(MakeLibraryType(1, 14), 0x0001000Eu);
}

TEST(Values, NumericTypesAreTheSixSystemNumbersButNotTheirArrays) {
  for (DataType t : {type::kByte, type::kShort, type::kInt, type::kLong, type::kFloat, type::kDouble}) {
    EXPECT_TRUE(IsNumericType(t)) << std::hex << t;
    EXPECT_FALSE(IsNumericType(t | type::kArrayBit)) << std::hex << t;
    EXPECT_EQ(BaseType(t | type::kArrayBit), t);
  }
  for (DataType t : {type::kBool, type::kDateTime, type::kText, type::kByteSet, 0x00010101u}) {
    EXPECT_FALSE(IsNumericType(t)) << std::hex << t;
  }
  EXPECT_TRUE(IsArrayType(type::kText | type::kArrayBit));
  EXPECT_FALSE(IsArrayType(0x20010001));  // a library type's bits mean nothing here
}

TEST(Values, ElementCountIsTheProductOfTheDimensions) {
  int32_t empty[] = {1, 0};
  int32_t matrix[] = {2, 3, 4};
  int32_t negative[] = {2, 3, -4};
  EXPECT_EQ(ArrayElementCount(nullptr), 0);
  EXPECT_EQ(ArrayElementCount(empty), 0);
  EXPECT_EQ(ArrayElementCount(matrix), 12);
  EXPECT_EQ(ArrayElementCount(negative), 0);
  EXPECT_EQ(ArrayHeaderBytes(matrix), 12u);
}

}  // namespace
}  // namespace vx
