// Where the program's own file is.
#pragma once

#include <string>

namespace vx {

// The full path of the program's exe.
std::wstring ModuleFileName();
// Its folder with the trailing backslash, and its file name; a path without a
// backslash is all file name.
std::wstring ModuleFolder();
std::wstring ModuleFileTitle();

}  // namespace vx
