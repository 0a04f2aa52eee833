// A font as units store it: the 60-byte ANSI LOGFONT of the 32-bit program, the
// same bytes on every build.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vx {

#pragma pack(push, 1)
struct StoredFont {
  int32_t height;
  int32_t width;
  int32_t escapement;
  int32_t orientation;
  int32_t weight;
  uint8_t italic;
  uint8_t underline;
  uint8_t strikeOut;
  uint8_t charSet;
  uint8_t outPrecision;
  uint8_t clipPrecision;
  uint8_t quality;
  uint8_t pitchAndFamily;
  char faceName[32];  // GBK, zero-terminated
};
#pragma pack(pop)
constexpr size_t kStoredFontSize = 60;

// The weight a bold font is given, and from which a font counts as bold.
constexpr int32_t kBoldWeight = 700;
static_assert(sizeof(StoredFont) == kStoredFontSize);

// The program's view of a font (array index -1 of a font property): escapement,
// bold, italic, strike-out, underline, size in points, and the face name as a heap
// text owned by whoever holds the record.
struct FontRecord {
  int32_t escapement;
  int32_t bold;
  int32_t italic;
  int32_t strikeOut;
  int32_t underline;
  int32_t size;
  char* faceName;
};

}  // namespace vx
