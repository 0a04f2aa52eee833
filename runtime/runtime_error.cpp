#include "runtime/runtime_error.h"

#include <cstdio>
#include <cstdlib>

namespace vx {
namespace {

RuntimeErrorReport installedReport = nullptr;

}  // namespace

void InstallRuntimeErrorReport(RuntimeErrorReport report) { installedReport = report; }

void RaiseRuntimeError(const char* message, int code) {
  if (installedReport) installedReport(message, code);
  std::fputs(FormatRuntimeErrorText(message, code).c_str(), stderr);
  std::abort();
}

void ReportRuntimeError(int code) { RaiseRuntimeError(NumberedErrorMessage(code), code); }

const char* NumberedErrorMessage(int code) {
  static const char* const messages[] = {
      "数组成员引用下标超出定义范围",
      "未得到所需要的数值型数据",
      "引用数组成员时维数不为1且不等于该数组目前所具有的维数",
      "数组成员引用下标必须大于等于1",
      "数据或数组类型不匹配",
      "调用DLL命令后发现堆栈错误",
      "子语句参数未返回数据或者返回了非系统基本类型或数组型数据",
      "被比较数据只能使用等于或不等于命令比较",
      "“多项选择”命令的索引值参数小于零或超出了所提供参数表范围",
      "“重定义数组”命令的数组维定义参数值必须大于零或单维时大于等于零",
      "所提供参数的数据类型不符合要求",
  };
  constexpr int count = sizeof messages / sizeof messages[0];
  return code >= 1 && code <= count ? messages[code - 1] : nullptr;
}

std::string FormatRuntimeErrorText(const char* message, int code) {
  std::string text = "运行时出错!\r\n\r\n";
  if (code != 0) {
    char number[16];
    std::snprintf(number, sizeof number, "%d", code);
    text += "错误代码：";
    text += number;
    text += "\r\n\r\n";
  }
  if (message && *message) {
    text += "错误信息：";
    text += message;
    text += "\r\n";
  }
  return text;
}

}  // namespace vx
