#include "runtime/file_search.h"

#include <windows.h>

#include "runtime/framework/gbk.h"
#include "runtime/texts.h"

namespace vx {
namespace {

// With the flag, every non-directory. Otherwise the entry must share an attribute
// bit with the mask's (read-only, hidden, system, directory, archive) bits; a mask
// without those bits asks for entries with no attributes (NORMAL counts as none).
bool Accepted(DWORD attributes, uint32_t mask, bool nonDirectoriesOnly) {
  if (nonDirectoriesOnly) return !(attributes & FILE_ATTRIBUTE_DIRECTORY);
  uint32_t wanted = mask & 0x37;
  if (wanted) return (attributes & wanted) != 0;
  return (attributes & ~FILE_ATTRIBUTE_NORMAL) == 0;
}

}  // namespace

char* FindFile(const char* pattern, uint32_t attributeMask, bool nonDirectoriesOnly, void** handle) {
  WIN32_FIND_DATAW entry;
  bool found;
  if (pattern && *pattern) {
    CloseFileSearch(*handle);
    HANDLE search = FindFirstFileW(WideFromGbk(pattern).c_str(), &entry);
    *handle = search == INVALID_HANDLE_VALUE ? nullptr : search;
    found = *handle != nullptr;
  } else {
    found = *handle && FindNextFileW(*handle, &entry);
  }
  while (found) {
    if (Accepted(entry.dwFileAttributes, attributeMask, nonDirectoriesOnly)) {
      return CopyText(GbkFromWide(entry.cFileName).c_str());
    }
    found = FindNextFileW(*handle, &entry);
  }
  CloseFileSearch(*handle);
  *handle = nullptr;
  return nullptr;
}

void CloseFileSearch(void* handle) {
  if (handle) FindClose(handle);
}

}  // namespace vx
