#include "units/common_dialog/common_dialogs.h"

#include <string>

#include "runtime/framework/gbk.h"
#include "runtime/framework/module_path.h"

namespace vx {
namespace {

namespace help_command {
constexpr int32_t kTopic = 1;
constexpr int32_t kTopicPopup = 2;
constexpr int32_t kForceFile = 3;
constexpr int32_t kHelpOnHelp = 4;
constexpr int32_t kClose = 5;
}  // namespace help_command

// HelpFile, or the program's own path with the extension "hlp".
std::wstring HelpFileOf(const CommonDialogData& data) {
  if (!data.helpFile.empty()) return WideFromGbk(data.helpFile);
  std::wstring file = ModuleFileName();
  size_t dot = file.rfind(L'.');
  if (dot != std::wstring::npos && (file.rfind(L'\\') == std::wstring::npos || dot > file.rfind(L'\\'))) {
    file.resize(dot);
  }
  return file + L".hlp";
}

}  // namespace

bool RunHelp(const CommonDialogData& data, HWND holder) {
  if (!holder || !IsWindow(holder)) return false;
  if (data.helpCommand == help_command::kHelpOnHelp) return WinHelpW(holder, nullptr, HELP_HELPONHELP, 0) != 0;
  if (data.helpCommand == help_command::kClose) return WinHelpW(holder, nullptr, HELP_QUIT, 0) != 0;

  std::wstring file = HelpFileOf(data);
  if (GetFileAttributesW(file.c_str()) == INVALID_FILE_ATTRIBUTES) return false;
  UINT command = HELP_FINDER;
  ULONG_PTR topic = 0;
  if (data.helpCommand == help_command::kForceFile) command = HELP_FORCEFILE;
  if ((data.helpCommand == help_command::kTopic || data.helpCommand == help_command::kTopicPopup) &&
      data.helpTopic != 0) {
    command = data.helpCommand == help_command::kTopic ? HELP_CONTEXT : HELP_CONTEXTPOPUP;
    topic = static_cast<ULONG_PTR>(data.helpTopic);
  }
  return WinHelpW(holder, file.c_str(), command, topic) != 0;
}

}  // namespace vx
