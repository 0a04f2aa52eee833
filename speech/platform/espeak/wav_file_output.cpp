#include "speech/platform/espeak/wav_file_output.h"

#include <cstring>

namespace vx::espeak {
namespace {

void Put32(unsigned char* at, uint32_t value) {
  for (int i = 0; i < 4; ++i) at[i] = static_cast<unsigned char>(value >> (8 * i));
}
void Put16(unsigned char* at, uint16_t value) {
  at[0] = static_cast<unsigned char>(value);
  at[1] = static_cast<unsigned char>(value >> 8);
}

constexpr uint32_t kHeaderBytes = 44;
// The data size that keeps the RIFF size within 32 bits.
constexpr uint32_t kMaximumDataBytes = 0xFFFFFFFFu - kHeaderBytes;

}  // namespace

HRESULT WavFileOutput::Create(const wchar_t* path, int fileMode, const WAVEFORMATEX& format,
                              std::shared_ptr<WavFileOutput>* output) {
  if (!path || !output) return E_POINTER;
  output->reset();
  if (format.wFormatTag != WAVE_FORMAT_PCM || format.nBlockAlign == 0) return kSpeechUnsupportedFormat;
  DWORD disposition;
  if (fileMode == kFileModeCreateAlways)
    disposition = CREATE_ALWAYS;
  else if (fileMode == kFileModeCreate)
    disposition = CREATE_NEW;
  else
    return E_INVALIDARG;
  HANDLE file = CreateFileW(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr, disposition,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return HRESULT_FROM_WIN32(GetLastError());
  std::shared_ptr<WavFileOutput> created(new WavFileOutput(file, format));
  if (!created->WriteHeader()) return E_FAIL;
  *output = std::move(created);
  return S_OK;
}

WavFileOutput::WavFileOutput(HANDLE file, const WAVEFORMATEX& format) : AudioOutput(format), file_(file) {}

WavFileOutput::~WavFileOutput() {
  WriteHeader();
  CloseHandle(file_);
}

bool WavFileOutput::WriteHeader() {
  const WAVEFORMATEX& format = Format();
  unsigned char header[kHeaderBytes];
  std::memcpy(header, "RIFF", 4);
  Put32(header + 4, 36 + dataBytes_);
  std::memcpy(header + 8, "WAVEfmt ", 8);
  Put32(header + 16, 16);
  Put16(header + 20, format.wFormatTag);
  Put16(header + 22, format.nChannels);
  Put32(header + 24, format.nSamplesPerSec);
  Put32(header + 28, format.nAvgBytesPerSec);
  Put16(header + 32, format.nBlockAlign);
  Put16(header + 34, format.wBitsPerSample);
  std::memcpy(header + 36, "data", 4);
  Put32(header + 40, dataBytes_);
  LARGE_INTEGER start{};
  DWORD written = 0;
  bool ok = SetFilePointerEx(file_, start, nullptr, FILE_BEGIN) &&
            WriteFile(file_, header, kHeaderBytes, &written, nullptr) && written == kHeaderBytes;
  LARGE_INTEGER end{};
  end.QuadPart = kHeaderBytes + static_cast<LONGLONG>(dataBytes_);
  return SetFilePointerEx(file_, end, nullptr, FILE_BEGIN) && ok;
}

bool WavFileOutput::Write(const int16_t* samples, size_t count, const std::atomic<bool>& stop) {
  if (failed_ || stop) return false;
  size_t bytes = count * sizeof(int16_t);
  if (bytes > kMaximumDataBytes - dataBytes_) {
    failed_ = true;
    return false;
  }
  DWORD written = 0;
  if (!WriteFile(file_, samples, static_cast<DWORD>(bytes), &written, nullptr) || written != bytes) {
    failed_ = true;
    return false;
  }
  dataBytes_ += static_cast<uint32_t>(bytes);
  return true;
}

bool WavFileOutput::Finish(const std::atomic<bool>&) {
  if (!failed_ && !WriteHeader()) failed_ = true;
  return !failed_;
}

}  // namespace vx::espeak
