// The EDIT control's text as the program sees it: GBK, with selections counted in
// bytes. The control itself counts UTF-16 units.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace vx {

// A selection in GBK bytes.
struct ByteSelection {
  int32_t start = 0;
  int32_t length = 0;
};

// Bytes the first `units` UTF-16 units of the text take in GBK.
int32_t GbkLengthOf(const std::wstring& text, size_t units);
// The UTF-16 position of a byte offset; an offset inside a character or past
// the end moves back to the character's start or the end.
size_t UnitsAtByte(const std::wstring& text, int32_t byteOffset);

ByteSelection SelectionOf(HWND control);
// Selects from start for length bytes (clamped to the text) and scrolls the
// caret into view.
void SelectBytes(HWND control, int32_t start, int32_t length);
// The selected part of the text, in GBK.
std::string SelectedTextOf(HWND control);

}  // namespace vx
