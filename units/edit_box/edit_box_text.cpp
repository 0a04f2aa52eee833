#include "units/edit_box/edit_box_text.h"

#include <algorithm>

#include "runtime/framework/gbk.h"
#include "runtime/framework/window_text.h"

namespace vx {
namespace {

// A surrogate pair is one character.
size_t CharacterUnits(const std::wstring& text, size_t at) {
  bool pair = at + 1 < text.size() && IS_HIGH_SURROGATE(text[at]) && IS_LOW_SURROGATE(text[at + 1]);
  return pair ? 2 : 1;
}

int32_t GbkBytes(const wchar_t* units, size_t count) {
  if (count == 0) return 0;
  return WideCharToMultiByte(kGbkCodePage, 0, units, static_cast<int>(count), nullptr, 0, nullptr, nullptr);
}

struct UnitSelection {
  DWORD start = 0;
  DWORD end = 0;
};

UnitSelection UnitSelectionOf(HWND control) {
  UnitSelection selection;
  SendMessageW(control, EM_GETSEL, reinterpret_cast<WPARAM>(&selection.start),
               reinterpret_cast<LPARAM>(&selection.end));
  return selection;
}

}  // namespace

int32_t GbkLengthOf(const std::wstring& text, size_t units) {
  return GbkBytes(text.data(), std::min(units, text.size()));
}

size_t UnitsAtByte(const std::wstring& text, int32_t byteOffset) {
  size_t at = 0;
  int32_t bytes = 0;
  while (at < text.size()) {
    size_t units = CharacterUnits(text, at);
    int32_t characterBytes = GbkBytes(text.data() + at, units);
    if (bytes + characterBytes > byteOffset) break;
    bytes += characterBytes;
    at += units;
  }
  return at;
}

ByteSelection SelectionOf(HWND control) {
  UnitSelection selection = UnitSelectionOf(control);
  std::wstring text = WindowTextOf(control);
  int32_t start = GbkLengthOf(text, selection.start);
  return {start, GbkLengthOf(text, selection.end) - start};
}

void SelectBytes(HWND control, int32_t start, int32_t length) {
  std::wstring text = WindowTextOf(control);
  size_t from = UnitsAtByte(text, std::max(start, 0));
  size_t to = UnitsAtByte(text, static_cast<int32_t>(std::min<int64_t>(int64_t{start} + length, INT32_MAX)));
  SendMessageW(control, EM_SETSEL, from, std::max(from, to));
  SendMessageW(control, EM_SCROLLCARET, 0, 0);
}

std::string SelectedTextOf(HWND control) {
  UnitSelection selection = UnitSelectionOf(control);
  std::wstring text = WindowTextOf(control);
  size_t from = std::min<size_t>(selection.start, text.size());
  size_t to = std::clamp<size_t>(selection.end, from, text.size());
  return GbkFromWide(text.substr(from, to - from));
}

}  // namespace vx
