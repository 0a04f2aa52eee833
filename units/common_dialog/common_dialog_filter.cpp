#include "units/common_dialog/common_dialog_filter.h"

#include <algorithm>

namespace vx {
namespace {

bool IsWhiteSpace(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n' || c == L'\v' || c == L'\f'; }

}  // namespace

std::wstring DialogFilter(std::wstring_view filter) {
  while (!filter.empty() && IsWhiteSpace(filter.back())) filter.remove_suffix(1);
  if (filter.empty()) return {};
  std::wstring pairs(filter);
  if (!pairs.ends_with(L"||")) pairs += L"||";
  std::replace(pairs.begin(), pairs.end(), L'|', L'\0');
  return pairs;
}

uint32_t InitialFilterIndex(int32_t filterIndex, bool hasFilter) {
  if (!hasFilter) return 0;
  return filterIndex < 0 ? 1 : static_cast<uint32_t>(filterIndex) + 1;
}

}  // namespace vx
