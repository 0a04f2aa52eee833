#include "tools/voxlet-say/text_file.h"

#include <windows.h>

#include <fstream>
#include <iterator>

#include "runtime/framework/gbk.h"

namespace voxlet_say {
namespace {

std::wstring WideFromUtf8(const std::string& utf8) {
  int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(length, L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), length);
  return wide;
}

bool IsUtf8WithMultiByteSequences(const std::string& bytes) {
  bool multiByte = false;
  for (char c : bytes) multiByte = multiByte || (static_cast<unsigned char>(c) & 0x80);
  return multiByte && MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()),
                                          nullptr, 0) > 0;
}

}  // namespace

bool ReadTextFileAsGbk(const std::wstring& path, std::string* gbk) {
  std::ifstream file(path.c_str(), std::ios::binary);
  if (!file) return false;
  std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) {
    *gbk = vx::GbkFromWide(WideFromUtf8(bytes.substr(3)));
  } else if (IsUtf8WithMultiByteSequences(bytes)) {
    *gbk = vx::GbkFromWide(WideFromUtf8(bytes));
  } else {
    *gbk = bytes;
  }
  return true;
}

std::string Utf8FromGbk(const std::string& gbk) {
  std::wstring wide = vx::WideFromGbk(gbk);
  int length =
      WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  std::string utf8(length, '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), length, nullptr, nullptr);
  return utf8;
}

}  // namespace voxlet_say
