#include "speech/platform/espeak/spoken_text.h"

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

// A text file: UTF-16 by its byte-order mark; UTF-8, with or without its mark, when
// it is valid UTF-8; else GBK (code page 936), the program's own text encoding,
// whatever the system's ANSI code page.
HRESULT ReadTextFile(const wchar_t* path, std::wstring* text) {
  HANDLE file =
      CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return HRESULT_FROM_WIN32(GetLastError());
  LARGE_INTEGER size{};
  std::vector<char> bytes;
  bool ok = GetFileSizeEx(file, &size) && size.QuadPart < 0x40000000;
  if (ok) {
    bytes.resize(static_cast<size_t>(size.QuadPart));
    DWORD read = 0;
    ok = bytes.empty() ||
         (ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) && read == bytes.size());
  }
  CloseHandle(file);
  if (!ok) return E_FAIL;
  const char* data = bytes.data();
  size_t length = bytes.size();
  if (length >= 2 && static_cast<unsigned char>(data[0]) == 0xFF && static_cast<unsigned char>(data[1]) == 0xFE) {
    text->assign(reinterpret_cast<const wchar_t*>(data + 2), (length - 2) / 2);
    return S_OK;
  }
  if (length >= 3 && std::string_view(data, 3) == "\xEF\xBB\xBF") {
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
  if (flags & kSpeakIsFilename) {
    HRESULT result = ReadTextFile(text, spoken);
    if (FAILED(result)) return result;
  } else {
    *spoken = text;
  }
  if (flags & kSpeakIsXml) *spoken = PlainTextFromMarkup(*spoken);
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
