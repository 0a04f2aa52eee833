// eSpeak NG keeps process-wide state and is not reentrant: it is initialised once
// per process and held by one thread at a time, for a turn of one or a few pieces
// of text (see text_pieces.h). Threads take turns in the order they asked, so
// speech objects that synthesise at the same time go turn by turn, and none is held
// up by another's playback or pause.
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

// Pieces a turn may hold eSpeak for while another thread waits. eSpeak holds one
// voice at a time, and a thread whose voice is not loaded loads it (its dictionary
// too) when its turn comes: speech objects on different voices would reload for
// every piece, so a waiting thread makes its turns longer instead.
constexpr size_t kPiecesPerTurn = 4;

// One turn: speaks pieces of UTF-8 text, from the first on, with an eSpeak voice
// ("cmn", "en") at that speed, each piece's audio (its last clause followed by its
// pause) in an element of made. The turn ends after one piece, or after up to
// kPiecesPerTurn while another thread waits. The voice is loaded only when it is
// not the one loaded last. False when stop was set before or during a piece, or
// eSpeak failed; made then holds the pieces finished before. std::bad_alloc when
// the audio found no memory.
bool SynthesizeTurn(const std::vector<std::string>& pieces, size_t first, const char* voiceName, int wordsPerMinute,
                    const std::atomic<bool>& stop, std::vector<std::vector<int16_t>>* made);

// How many times a voice was loaded in this process.
uint64_t VoiceLoads();

}  // namespace vx::espeak
