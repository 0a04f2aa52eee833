// Unit types for the form tests, over the system BUTTON and EDIT controls, built
// on the framework's window objects the way the real unit types are: subclassed
// controls, Click raised from the parent's reflected BN_CLICKED, GotFocus and
// LostFocus raised by the unit itself.
//   button (state flags 0x840): block version 1, default-button flag, caption
//   edit   (state flags 0x40):  block version 1, multi-line flag (wants Enter)
//   label  (state flags 0x04002040): block version 1, unused flag, caption; a
//          press on it may drag the window
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "runtime/program.h"

namespace vx::test {

constexpr uint32_t kFormButtonType = 0x00010002;
// Slot 3 stays empty: the runtime gives type 0x00010003 one handler for all events.
constexpr uint32_t kFormEditType = 0x00010004;
constexpr uint32_t kFormLabelType = 0x00010005;

// The library: slot 1 the real window type, slot 2 the button, slot 4 the edit,
// slot 5 the label.
const LibraryRecord& FormTestLibrary();

std::vector<uint8_t> FormButtonBlock(bool isDefault, const std::string& caption);
std::vector<uint8_t> FormEditBlock(bool multiline);
std::vector<uint8_t> FormLabelBlock(const std::string& caption);

}  // namespace vx::test
