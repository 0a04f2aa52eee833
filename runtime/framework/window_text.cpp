#include "runtime/framework/window_text.h"

#include <algorithm>

#include "runtime/framework/gbk.h"

namespace vx {

// The length is an upper bound (it may count a DBCS text's bytes); the copy says
// how much there is.
std::wstring WindowTextOf(HWND window) {
  std::wstring text(static_cast<size_t>(std::max(GetWindowTextLengthW(window), 0)) + 1, L'\0');
  text.resize(static_cast<size_t>(std::max(GetWindowTextW(window, text.data(), static_cast<int>(text.size())), 0)));
  return text;
}

std::string GbkWindowTextOf(HWND window) { return GbkFromWide(WindowTextOf(window)); }

void SetGbkWindowText(HWND window, std::string_view gbk) {
  SetWindowTextW(window, WideFromGbk(std::string(gbk)).c_str());
}

}  // namespace vx
