// What the private PulseAudio sink of the audio-device tests (audio_sink.sh) has
// recorded: 22050 Hz, 16-bit mono, in real time, in capture.raw beside its socket.
#pragma once

#include <windows.h>
// waveOutGetNumDevs (not in the lean windows.h)
#include <mmsystem.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace vx::test {

class SinkRecording {
 public:
  // The recording of the sink named by PULSE_SERVER, reached through Wine's Z:
  // drive; not usable when no such sink or no audio device is there.
  SinkRecording() {
    const char* server = std::getenv("PULSE_SERVER");
    std::string folder = server && std::strncmp(server, "unix:/", 6) == 0 ? server + 5 : "";
    folder = folder.substr(0, folder.find_last_of('/') + 1);
    if (!folder.empty() && waveOutGetNumDevs() > 0) {
      capture_ = L"Z:" + std::wstring(folder.begin(), folder.end()) + L"capture.raw";
    }
  }
  bool usable() const { return !capture_.empty(); }

  // Where the recording stands, in samples.
  size_t Mark() const {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(capture_.c_str(), GetFileExInfoStandard, &data)) return 0;
    return data.nFileSizeLow / 2;
  }

  // What was recorded between two marks.
  std::vector<int16_t> SamplesBetween(size_t from, size_t to) const {
    if (to <= from) return {};
    HANDLE file = CreateFileW(capture_.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    std::vector<int16_t> samples(to - from);
    LARGE_INTEGER at;
    at.QuadPart = static_cast<LONGLONG>(from) * 2;
    SetFilePointerEx(file, at, nullptr, FILE_BEGIN);
    DWORD read = 0;
    ReadFile(file, samples.data(), static_cast<DWORD>(samples.size() * 2), &read, nullptr);
    CloseHandle(file);
    samples.resize(read / 2);
    return samples;
  }

  // The RMS of what was recorded between two marks.
  double RmsBetween(size_t from, size_t to) const {
    const std::vector<int16_t> samples = SamplesBetween(from, to);
    double sum = 0;
    for (int16_t sample : samples) sum += double(sample) * sample;
    return samples.empty() ? 0 : std::sqrt(sum / samples.size());
  }

 private:
  std::wstring capture_;
};

// Clearly speech, and clearly nothing, at the sink.
constexpr double kHeardRms = 300;
constexpr double kSilentRms = 50;

}  // namespace vx::test
