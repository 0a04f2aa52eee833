// Fixed-offset fields of picture headers. The caller has checked that the bytes
// are there.
#pragma once

#include <cstdint>

namespace vx {

inline uint16_t Le16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

inline uint32_t Le32(const uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24; }

inline uint32_t Be32(const uint8_t* p) { return static_cast<uint32_t>(p[0]) << 24 | p[1] << 16 | p[2] << 8 | p[3]; }

inline void PutLe16(uint8_t* p, uint16_t value) {
  p[0] = static_cast<uint8_t>(value);
  p[1] = static_cast<uint8_t>(value >> 8);
}

inline void PutLe32(uint8_t* p, uint32_t value) {
  PutLe16(p, static_cast<uint16_t>(value));
  PutLe16(p + 2, static_cast<uint16_t>(value >> 16));
}

}  // namespace vx
