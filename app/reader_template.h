// The reader's window template as the program header hands it to the runtime.
#pragma once

#include <cstdint>
#include <vector>

namespace voxlet {

// Encoded from ReaderWindow() on first use and kept for the life of the process, so
// the bytes stay valid wherever the header points at them.
const std::vector<uint8_t>& ReaderTemplate();

}  // namespace voxlet
