#include "runtime/runtime_notify.h"

#include <gtest/gtest.h>

#include <cstring>

#include "contract/values.h"
#include "runtime/heap.h"
#include "runtime/runtime_state.h"
#include "runtime/texts.h"
#include "tests/support/raised_error.h"

namespace vx {
namespace {

template <typename T>
T* AsPointer(intptr_t value) {
  return reinterpret_cast<T*>(value);
}

TEST(RuntimeNotify, MemoryServicesAreTheRuntimeHeap) {
  auto* block = AsPointer<char>(RuntimeNotify(notify::kAllocate, 16, 0));
  ASSERT_NE(block, nullptr);
  std::strcpy(block, "语音");
  block = AsPointer<char>(RuntimeNotify(notify::kReallocate, reinterpret_cast<intptr_t>(block), 4096));
  EXPECT_STREQ(block, "语音");
  RuntimeNotify(notify::kFree, reinterpret_cast<intptr_t>(block), 0);
}

TEST(RuntimeNotify, AllocationMayAskForNullInsteadOfTheErrorBox) {
  EXPECT_EQ(RuntimeNotify(notify::kAllocate, -1, 1), 0);
  EXPECT_THROW(RuntimeNotify(notify::kAllocate, -1, 0), test::RaisedError);
}

TEST(RuntimeNotify, TextArraysAreFreedElementByElement) {
  auto* block = static_cast<int32_t*>(Allocate(8 + 2 * sizeof(char*)));
  block[0] = 1;
  block[1] = 2;
  auto** texts = reinterpret_cast<char**>(ArrayElements(block));
  texts[0] = CopyText("甲");
  texts[1] = CopyText("乙");
  // Leaks would show in a sanitizer build; here the call must simply not fault.
  EXPECT_EQ(RuntimeNotify(notify::kFreeArray, type::kText | type::kArrayBit, reinterpret_cast<intptr_t>(block)), 0);
}

TEST(RuntimeNotify, NumbersConvertToIntegers) {
  MDATA value{};
  value.type = type::kByte;
  value.byteValue = 200;
  EXPECT_EQ(RuntimeNotify(notify::kToInteger, reinterpret_cast<intptr_t>(&value), 0), 200);
  value = {};
  value.type = type::kShort;
  value.shortValue = -2;
  EXPECT_EQ(RuntimeNotify(notify::kToInteger, reinterpret_cast<intptr_t>(&value), 0), -2);
  value = {};
  value.type = type::kLong;
  value.longValue = 0x100000005LL;
  EXPECT_EQ(RuntimeNotify(notify::kToInteger, reinterpret_cast<intptr_t>(&value), 0), 5);
  value = {};
  value.type = type::kDouble;
  value.doubleValue = -7.9;
  EXPECT_EQ(RuntimeNotify(notify::kToInteger, reinterpret_cast<intptr_t>(&value), 0), -7);
  value = {};
  value.type = type::kFloat;
  value.floatValue = 2.5f;
  EXPECT_EQ(RuntimeNotify(notify::kToInteger, reinterpret_cast<intptr_t>(&value), 0), 2);
}

TEST(RuntimeNotify, NonNumbersAreAFatalError) {
  MDATA text{};
  text.type = type::kText;
  try {
    RuntimeNotify(notify::kToInteger, reinterpret_cast<intptr_t>(&text), 0);
    FAIL();
  } catch (const test::RaisedError& error) {
    EXPECT_EQ(error.message, "欲转换数据类型不是数值");
    EXPECT_EQ(error.code, 0);
  }
}

TEST(RuntimeNotify, LibrariesRaiseTheirOwnMessages) {
  try {
    RuntimeNotify(notify::kRaiseError, reinterpret_cast<intptr_t>("语音库出错"), 0);
    FAIL();
  } catch (const test::RaisedError& error) {
    EXPECT_EQ(error.message, "语音库出错");
  }
}

TEST(RuntimeNotify, ProgramIconsAreNullWithoutAnIconResource) {
  intptr_t icons[2] = {1, 1};  // the test exe carries no "DEFAULT_ICON"
  EXPECT_EQ(RuntimeNotify(notify::kProgramIcons, reinterpret_cast<intptr_t>(icons), 0), 0);
  EXPECT_EQ(icons[0], 0);
  EXPECT_EQ(icons[1], 0);
}

TEST(RuntimeNotify, ProgramFactsAndUnknownCodes) {
  Runtime().programDirectory = "C:\\程序";
  Runtime().programFileName = "voxlet.exe";
  Runtime().programMode = 3;
  char* directory = AsPointer<char>(RuntimeNotify(notify::kProgramDirectory, 0, 0));
  char* name = AsPointer<char>(RuntimeNotify(notify::kProgramFileName, 0, 0));
  EXPECT_STREQ(directory, "C:\\程序");
  EXPECT_STREQ(name, "voxlet.exe");
  Free(directory);
  Free(name);
  EXPECT_EQ(RuntimeNotify(notify::kProgramMode, 0, 0), 3);
  EXPECT_EQ(RuntimeNotify(notify::kVersion, 0, 0), 0x30005);
  EXPECT_EQ(RuntimeNotify(2040, 1, 2), 0);
  Runtime().programDirectory.clear();
  Runtime().programFileName.clear();
}

}  // namespace
}  // namespace vx
