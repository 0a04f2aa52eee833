// The core library's commands the reader calls, each a library command: the
// result record, the argument count and the arguments. Texts handed back are
// new runtime heap texts the caller owns; an empty result is the null text.
#pragma once

#include "contract/values.h"

namespace vx {

// (any basic value) -> text: numbers, logicals (真/假), date-times, texts, byte sets.
void ToTextCommand(MDATA* result, int count, MDATA* args);
// (text) -> the text without ASCII and full-width spaces.
void RemoveAllSpacesCommand(MDATA* result, int count, MDATA* args);
// () -> the program's directory, without a trailing backslash.
void ProgramDirectoryCommand(MDATA* result, int count, MDATA* args);

}  // namespace vx
