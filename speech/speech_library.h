// The speech library as the program links it: library 2, with its LibraryNotify
// entry, its one type 机读文本 (0x00020001) and the command table of that type's
// thirteen methods.
#pragma once

#include <cstdint>

#include "contract/program.h"
#include "contract/values.h"
#include "runtime/framework/runtime_link.h"

namespace vx {

constexpr uint16_t kSpeechLibraryNumber = 2;
constexpr DataType kSpeechObjectType = 0x00020001;

// Code 1 connects the library's link to the RuntimeNotify entry given in param1
// and answers 0; every other code answers -1.
intptr_t SpeechLibraryNotify(int32_t code, intptr_t param1, intptr_t param2);

// The library's line to the runtime, connected by its start notice.
RuntimeLink& SpeechLibraryLink();

// The methods by number, as the library's command table holds them.
constexpr int kSpeechCommandCount = 13;
const LibraryCommand* SpeechCommands();

const LibraryRecord& SpeechLibrary();

}  // namespace vx
