// The file dialogs' filter as the system reads it, from the Filter property's
// "name|pattern|name|pattern..." form. Pure: no platform headers.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vx {

// Trailing white space removed; unless then empty or already ending in "||", "||"
// appended; every "|" a string end. Empty when there is no filter. Done on the
// wide text: in GBK the byte of "|" can be the second byte of a character.
std::wstring DialogFilter(std::wstring_view filter);

// The dialog's initial filter, counted from 1: FilterIndex + 1, 1 for a negative
// index; 0 without a filter.
uint32_t InitialFilterIndex(int32_t filterIndex, bool hasFilter);

}  // namespace vx
