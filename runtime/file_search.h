// File search for compiled code: one name per call, the search handle kept in a
// variable of the program's.
#pragma once

#include <cstdint>

namespace vx {

// A non-empty pattern starts a new search (closing the previous handle); an empty
// one continues it. Returns a new text with the next accepted name, or null when
// the search is exhausted (the handle is then closed and stored as null).
char* FindFile(const char* pattern, uint32_t attributeMask, bool nonDirectoriesOnly, void** handle);
void CloseFileSearch(void* handle);

}  // namespace vx
