// eSpeak NG keeps process-wide state and is not reentrant: it is initialised once
// per process and held by one thread at a time, for one piece of text only (see
// text_pieces.h). Threads take turns in the order they asked, so speech objects
// that synthesise at the same time go piece by piece, and none is held up by
// another's playback or pause.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vx::espeak {

constexpr int kSampleRate = 22050;

// Whether the path names a file that is not empty: how a data file counts as present.
bool FileHoldsData(const std::wstring& path);

// The data folder next to the running exe.
std::wstring DataFolderNextToExe();

// Initialises eSpeak from that data folder, once per process; later calls succeed
// for that same folder only. False when the data are missing or unusable, or the
// folder's name is too long for eSpeak; a failure may be retried. eSpeak is built
// to take UTF-8 file names, so the folder may be named in any script.
bool Initialize(const std::wstring& dataFolder);

// Speaks one piece of UTF-8 text with an eSpeak voice ("cmn", "en") at that speed
// and appends its audio to pcm, the piece's last clause followed by its pause. The
// voice is loaded only when it is not the one loaded last. False when stop was set
// before or during the piece, or eSpeak failed; std::bad_alloc when the audio
// found no memory.
bool Synthesize(std::string_view utf8, const char* voiceName, int wordsPerMinute, const std::atomic<bool>& stop,
                std::vector<int16_t>* pcm);

// How many times a voice was loaded in this process.
uint64_t VoiceLoads();

}  // namespace vx::espeak
