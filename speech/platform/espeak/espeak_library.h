// eSpeak NG keeps process-wide state and is not reentrant: it is initialised once
// per process, and every call into it is made under one lock, from whichever
// synthesis thread holds it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace vx::espeak {

constexpr int kSampleRate = 22050;

// The data folder next to the running exe.
std::wstring DataFolderNextToExe();

// Initialises eSpeak from that data folder, once per process: later calls only
// check that their folder holds the data. False when the data are missing or
// unusable; a failure may be retried.
bool Initialize(const std::wstring& dataFolder);

// Receives the audio of a run as it is made; returning false stops the run.
using SampleSink = std::function<bool(const int16_t* samples, size_t count)>;

// Speaks one UTF-8 run with an eSpeak voice ("cmn", "en") at that speed. A pause
// follows the run only when endPause is set. False when stopped by the sink or
// when eSpeak fails.
bool SynthesizeRun(const std::string& utf8, const char* voiceName, int wordsPerMinute,
                   bool endPause, const SampleSink& sink);

}  // namespace vx::espeak
