// Builds RIFF/WAVE images chunk by chunk and MIDI files track by track, for the
// tests and the fuzzers' seeds.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vx::test {

struct RiffChunk {
  std::string id;  // four characters
  std::vector<uint8_t> body;
  // The size the chunk header claims, when it is not the body's: a chunk cut off
  // by the end of the image (not padded).
  std::optional<uint32_t> claimedSize = std::nullopt;
};

// "RIFF", the RIFF size (the image's, unless given), "WAVE", then the chunks, each
// odd-sized body padded with a zero byte.
std::vector<uint8_t> RiffWave(const std::vector<RiffChunk>& chunks, std::optional<uint32_t> riffSize = std::nullopt);

// The body of a PCM fmt chunk (16 bytes).
std::vector<uint8_t> PcmFormat(uint16_t channels, uint32_t rate, uint16_t bits);

std::vector<uint8_t> SampleBytes(const std::vector<int16_t>& samples);

// An image of 16-bit PCM samples: fmt, then data.
std::vector<uint8_t> PcmWave(const std::vector<int16_t>& samples, uint32_t rate, uint16_t channels = 1);

// "MThd" with length 6, format, track count and division, then each track's
// event bytes (delta times and events as they are stored) in an "MTrk" chunk.
std::vector<uint8_t> MidiImage(uint16_t format, uint16_t division, const std::vector<std::vector<uint8_t>>& tracks);

// The events of a track of count notes, each held for ticks (below 128): note on,
// then note off as a note on of velocity 0 in running status; a tempo change
// after every sixteenth note; an end-of-track event.
std::vector<uint8_t> MidiNotes(size_t count, uint8_t channel, uint8_t ticks);

}  // namespace vx::test
