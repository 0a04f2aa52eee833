#include "speech/platform/espeak/spoken_text.h"

#include <algorithm>
#include <new>
#include <vector>

#include "speech/platform/espeak/markup_text.h"
#include "speech/platform/speech_platform.h"

namespace vx::espeak {
namespace {

constexpr UINT kGbkCodePage = 936;

std::wstring WideFromCodePage(UINT codePage, DWORD flags, const char* bytes, size_t size, bool* ok) {
  *ok = true;
  if (size == 0) return {};
  int length = MultiByteToWideChar(codePage, flags, bytes, static_cast<int>(size), nullptr, 0);
  if (length <= 0) {
    *ok = false;
    return {};
  }
  std::wstring wide(length, L'\0');
  MultiByteToWideChar(codePage, flags, bytes, static_cast<int>(size), wide.data(), length);
  return wide;
}

// UTF-16 code units from bytes in either order.
std::wstring WideFromUtf16(const char* bytes, size_t size, bool bigEndian) {
  std::wstring wide(size / 2, L'\0');
  for (size_t i = 0; i < wide.size(); ++i) {
    auto first = static_cast<unsigned char>(bytes[2 * i]), second = static_cast<unsigned char>(bytes[2 * i + 1]);
    wide[i] = static_cast<wchar_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
  }
  return wide;
}

// A text file: UTF-16 by its byte-order mark, either way round; UTF-8, with or
// without its mark, when it is valid UTF-8; else GBK (code page 936), the
// program's own text encoding, whatever the system's ANSI code page.
HRESULT ReadTextFile(const wchar_t* path, std::wstring* text) {
  HANDLE file =
      CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return HRESULT_FROM_WIN32(GetLastError());
  LARGE_INTEGER size{};
  HRESULT sized = S_OK;
  if (!GetFileSizeEx(file, &size))
    sized = HRESULT_FROM_WIN32(GetLastError());
  else if (static_cast<uint64_t>(size.QuadPart) > kLargestTextFile)
    sized = HRESULT_FROM_WIN32(ERROR_FILE_TOO_LARGE);
  if (FAILED(sized)) {
    CloseHandle(file);
    return sized;
  }
  std::vector<char> bytes(static_cast<size_t>(size.QuadPart));
  DWORD read = 0;
  bool ok = bytes.empty() ||
            (ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) && read == bytes.size());
  CloseHandle(file);
  if (!ok) return E_FAIL;
  const char* data = bytes.data();
  size_t length = bytes.size();
  std::string_view mark(data, std::min<size_t>(length, 3));
  if (mark.substr(0, 2) == "\xFF\xFE" || mark.substr(0, 2) == "\xFE\xFF") {
    *text = WideFromUtf16(data + 2, length - 2, mark[0] == '\xFE');
    return S_OK;
  }
  if (mark == "\xEF\xBB\xBF") {
    data += 3;
    length -= 3;
  }
  bool valid = false;
  *text = WideFromCodePage(CP_UTF8, MB_ERR_INVALID_CHARS, data, length, &valid);
  if (!valid) *text = WideFromCodePage(kGbkCodePage, 0, data, length, &valid);
  return valid ? S_OK : E_FAIL;
}

}  // namespace

HRESULT SpokenText(const wchar_t* text, DWORD flags, std::wstring* spoken) {
  if (!text) return E_POINTER;
  try {
    if (flags & kSpeakIsFilename) {
      HRESULT result = ReadTextFile(text, spoken);
      if (FAILED(result)) return result;
    } else {
      *spoken = text;
    }
    if (flags & kSpeakIsXml) *spoken = PlainTextFromMarkup(*spoken);
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  }
  return S_OK;
}

std::string Utf8FromWide(std::wstring_view text) {
  if (text.empty()) return {};
  int length =
      WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string utf8(length > 0 ? length : 0, '\0');
  if (length > 0) {
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), length, nullptr, nullptr);
  }
  return utf8;
}

}  // namespace vx::espeak
