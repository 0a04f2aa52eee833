// A window's text in and out: as the system holds it (UTF-16) and as the program
// holds it (GBK), converted here at the platform boundary.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace vx {

std::wstring WindowTextOf(HWND window);
std::string GbkWindowTextOf(HWND window);
void SetGbkWindowText(HWND window, std::string_view gbk);

}  // namespace vx
