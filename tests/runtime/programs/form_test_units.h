// Unit types for the form tests, over the system BUTTON and EDIT controls, built
// on the framework's window objects the way the real unit types are: subclassed
// controls, Click raised from the parent's reflected BN_CLICKED, GotFocus and
// LostFocus raised by the unit itself.
//   button (state flags 0x840): block version 1, default-button flag, caption
//   edit   (state flags 0x40):  block version 1, multi-line flag (wants Enter)
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "runtime/program.h"

namespace vx::test {

constexpr uint32_t kFormButtonType = 0x00010002;
// Slot 3 stays empty: the runtime gives type 0x00010003 one handler for all events.
constexpr uint32_t kFormEditType = 0x00010004;

// The library: slot 1 the real window type, slot 2 the button, slot 4 the edit.
const LibraryRecord& FormTestLibrary();

std::vector<uint8_t> FormButtonBlock(bool isDefault, const std::string& caption);
std::vector<uint8_t> FormEditBlock(bool multiline);

}  // namespace vx::test
