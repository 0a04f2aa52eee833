#include "tests/support/wav_reader.h"

#include <cmath>
#include <cstring>

#include <windows.h>

namespace vx::test {
namespace {

uint32_t Get32(const unsigned char* at) { return at[0] | at[1] << 8 | at[2] << 16 | uint32_t(at[3]) << 24; }
uint16_t Get16(const unsigned char* at) { return static_cast<uint16_t>(at[0] | at[1] << 8); }

}  // namespace

double WavFile::Rms() const {
  if (samples.empty()) return 0;
  double sum = 0;
  for (int16_t s : samples) sum += double(s) * s;
  return std::sqrt(sum / samples.size());
}

WavFile ReadWav(const std::wstring& path) {
  WavFile wav;
  HANDLE file =
      CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return wav;
  std::vector<unsigned char> bytes(GetFileSize(file, nullptr));
  DWORD read = 0;
  if (!bytes.empty()) ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
  CloseHandle(file);
  if (read != bytes.size() || bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) ||
      std::memcmp(bytes.data() + 8, "WAVE", 4) || Get32(bytes.data() + 4) != bytes.size() - 8) {
    return wav;
  }
  bool haveFormat = false;
  for (size_t at = 12; at + 8 <= bytes.size();) {
    uint32_t size = Get32(bytes.data() + at + 4);
    const unsigned char* body = bytes.data() + at + 8;
    if (size > bytes.size() - at - 8) return wav;
    if (!std::memcmp(bytes.data() + at, "fmt ", 4) && size >= 16 && Get16(body) == 1) {
      wav.channels = Get16(body + 2);
      wav.sampleRate = Get32(body + 4);
      wav.bitsPerSample = Get16(body + 14);
      haveFormat = true;
    } else if (!std::memcmp(bytes.data() + at, "data", 4) && haveFormat) {
      if (wav.bitsPerSample == 16) {
        wav.samples.resize(size / 2);
        std::memcpy(wav.samples.data(), body, wav.samples.size() * 2);
      }
      wav.valid = true;
      return wav;
    }
    at += 8 + size + (size & 1);
  }
  return wav;
}

}  // namespace vx::test
