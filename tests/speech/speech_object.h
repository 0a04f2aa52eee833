// A speech object as the compiled program holds one: its zero-filled 8-byte
// instance block, and its methods called through the command table with MDATA
// argument arrays, the object first.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "contract/values.h"
#include "runtime/heap.h"
#include "runtime/helper_operations.h"
#include "speech/speech_library.h"
#include "speech/speech_unit.h"
#include "tests/support/arguments.h"

namespace vx::test {

class SpeechObject {
 public:
  SpeechObject() { std::memset(block_, 0, sizeof block_); }
  ~SpeechObject() { Call(speech_method::kDestroy); }

  MDATA Call(int method, std::vector<MDATA> arguments = {}) {
    MDATA self = {};
    self.pointer = block_;
    self.type = kSpeechObjectType;
    arguments.insert(arguments.begin(), self);
    return CallLibraryCommand(kSpeechLibraryNumber, SpeechCommands()[method], static_cast<int>(arguments.size()),
                              arguments.data());
  }
  bool Logical(int method, std::vector<MDATA> arguments = {}) {
    MDATA result = Call(method, std::move(arguments));
    EXPECT_EQ(result.type, type::kBool);
    return result.intValue != 0;
  }
  // The voice list as texts (an element's null shown as "(null)"); frees the list.
  std::vector<std::string> Voices() {
    MDATA result = Call(speech_method::kListVoices);
    std::vector<std::string> texts;
    int32_t* list = result.block;
    if (!list) return {"(no list)"};
    EXPECT_EQ(list[0], 1);
    auto** elements = reinterpret_cast<char**>(ArrayElements(list));
    for (int32_t i = 0; i < list[1]; ++i) {
      texts.push_back(elements[i] ? elements[i] : "(null)");
      Free(elements[i]);
    }
    Free(list);
    return texts;
  }

  SpeechState* state() const {
    SpeechState* state;
    std::memcpy(&state, block_, sizeof state);
    return state;
  }
  const uint32_t* words() const { return block_; }

 private:
  alignas(8) uint32_t block_[2];
};

}  // namespace vx::test
