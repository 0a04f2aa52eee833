#include <gtest/gtest.h>

#include "runtime/runtime_error.h"

namespace vx {
namespace {

TEST(RuntimeErrorText, NumberedErrorShowsCodeAndMessage) {
  EXPECT_EQ(FormatRuntimeErrorText(NumberedErrorMessage(4), 4),
            "运行时出错!\r\n\r\n错误代码：4\r\n\r\n错误信息：数组成员引用下标必须大于等于1\r\n");
}

TEST(RuntimeErrorText, CodeZeroHasNoCodeLine) {
  EXPECT_EQ(FormatRuntimeErrorText("分配 100 字节内存失败!", 0),
            "运行时出错!\r\n\r\n错误信息：分配 100 字节内存失败!\r\n");
  EXPECT_EQ(FormatRuntimeErrorText("", 0), "运行时出错!\r\n\r\n");
  EXPECT_EQ(FormatRuntimeErrorText(nullptr, 0), "运行时出错!\r\n\r\n");
}

TEST(RuntimeErrorText, TableCoversOneToEleven) {
  EXPECT_STREQ(NumberedErrorMessage(1), "数组成员引用下标超出定义范围");
  EXPECT_STREQ(NumberedErrorMessage(11), "所提供参数的数据类型不符合要求");
  EXPECT_EQ(NumberedErrorMessage(0), nullptr);
  EXPECT_EQ(NumberedErrorMessage(12), nullptr);
  // An unknown code still reports its number.
  EXPECT_EQ(FormatRuntimeErrorText(NumberedErrorMessage(99), 99), "运行时出错!\r\n\r\n错误代码：99\r\n\r\n");
}

TEST(RuntimeErrorText, MessagesAreGbk) {
  // 运 is 0xD4 0xCB in GBK; a UTF-8 build would start with 0xE8.
  std::string text = FormatRuntimeErrorText(nullptr, 0);
  EXPECT_EQ(static_cast<unsigned char>(text[0]), 0xD4);
  EXPECT_EQ(static_cast<unsigned char>(text[1]), 0xCB);
}

}  // namespace
}  // namespace vx
