#include "runtime/property_conversion.h"

#include <windows.h>

#include <cstring>

#include "contract/values.h"
#include "runtime/framework/gbk.h"
#include "runtime/framework/screen_points.h"
#include "runtime/heap.h"
#include "runtime/texts.h"

namespace vx {
namespace {

constexpr char kDefaultFace[] = "宋体";

// The unit's 60-byte font, or DEFAULT_GUI_FONT described in the same form.
StoredFont FontOf(const RawPropertyValue* raw) {
  StoredFont font = {};
  if (raw && raw->bytes.data && raw->bytes.length == sizeof(StoredFont)) {
    std::memcpy(&font, raw->bytes.data, sizeof font);
    font.faceName[sizeof font.faceName - 1] = '\0';
    return font;
  }
  LOGFONTW system = {};
  GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof system, &system);
  font.height = system.lfHeight;
  font.width = system.lfWidth;
  font.escapement = system.lfEscapement;
  font.orientation = system.lfOrientation;
  font.weight = system.lfWeight;
  font.italic = system.lfItalic;
  font.underline = system.lfUnderline;
  font.strikeOut = system.lfStrikeOut;
  font.charSet = system.lfCharSet;
  std::string face = GbkFromWide(system.lfFaceName);
  std::strncpy(font.faceName, face.c_str(), sizeof font.faceName - 1);
  return font;
}

// Face names of 1 to 31 bytes are taken; anything else becomes 宋体.
void SetFace(StoredFont& font, const char* face) {
  size_t length = face ? std::strlen(face) : 0;
  if (length == 0 || length >= sizeof font.faceName) face = kDefaultFace;
  std::memset(font.faceName, 0, sizeof font.faceName);
  std::strncpy(font.faceName, face, sizeof font.faceName - 1);
}

uint64_t FontMember(const StoredFont& font, int32_t arrayIndex) {
  switch (arrayIndex) {
    case -1: {
      auto* record = static_cast<FontRecord*>(Allocate(sizeof(FontRecord)));
      *record = {font.escapement,     font.weight >= kBoldWeight,        font.italic != 0,       font.strikeOut != 0,
                 font.underline != 0, PointsFromFontHeight(font.height), CopyText(font.faceName)};
      return reinterpret_cast<uintptr_t>(record);
    }
    case 0:
      return static_cast<uint32_t>(font.escapement);
    case 1:
      return font.weight >= kBoldWeight;
    case 2:
      return font.italic != 0;
    case 3:
      return font.strikeOut != 0;
    case 4:
      return font.underline != 0;
    case 5:
      return static_cast<uint32_t>(PointsFromFontHeight(font.height));
    case 6:
      return reinterpret_cast<uintptr_t>(CopyText(font.faceName));
    default:
      return 0;
  }
}

void SetFontMember(StoredFont& font, uint64_t value, int32_t arrayIndex) {
  auto number = static_cast<int32_t>(value);
  switch (arrayIndex) {
    case -1: {
      const auto* record = reinterpret_cast<const FontRecord*>(static_cast<uintptr_t>(value));
      if (!record) return;
      SetFontMember(font, static_cast<uint32_t>(record->escapement), 0);
      font.weight = record->bold ? kBoldWeight : 0;
      font.italic = record->italic != 0;
      font.strikeOut = record->strikeOut != 0;
      font.underline = record->underline != 0;
      font.height = FontHeightFromPoints(record->size);
      SetFace(font, record->faceName);
      return;
    }
    case 0: {
      int32_t angle = number % 3600;
      font.escapement = font.orientation = angle < 0 ? angle + 3600 : angle;
      return;
    }
    case 1:
      font.weight = number ? kBoldWeight : 0;
      return;
    case 2:
      font.italic = number != 0;
      return;
    case 3:
      font.strikeOut = number != 0;
      return;
    case 4:
      font.underline = number != 0;
      return;
    case 5:
      font.height = FontHeightFromPoints(number);
      return;
    case 6:
      SetFace(font, reinterpret_cast<const char*>(static_cast<uintptr_t>(value)));
      return;
    default:
      return;
  }
}

bool IsByteBlock(uint16_t typeCode) {
  switch (typeCode) {
    case property_type::kPicture:
    case property_type::kIcon:
    case property_type::kMousePointer:
    case property_type::kSound:
    case property_type::kBytes:
    case property_type::kCustom:
      return true;
    default:
      return false;
  }
}

}  // namespace

uint64_t ProgramValueOf(uint16_t typeCode, const RawPropertyValue& raw, int32_t arrayIndex) {
  switch (typeCode) {
    case property_type::kInteger32:
    case property_type::kInteger:
    case property_type::kPickList:
    case property_type::kColour:
    case property_type::kColourWithAlpha:
    case property_type::kBackgroundColour:
      return raw.word;
    case property_type::kLong:
    case property_type::kDouble:
      return static_cast<uint64_t>(raw.longValue);
    case property_type::kLogical:
      return raw.integer == 1 ? 1 : 0;
    case property_type::kFont:
      return FontMember(FontOf(&raw), arrayIndex);
    default:
      break;
  }
  if (IsByteBlock(typeCode)) {
    return reinterpret_cast<uintptr_t>(MakeByteSet(raw.bytes.data, raw.bytes.data ? raw.bytes.length : 0));
  }
  return reinterpret_cast<uintptr_t>(CopyText(raw.text));
}

RawPropertyValue RawValueOf(uint16_t typeCode, uint64_t value, int32_t arrayIndex, const RawPropertyValue* current,
                            StoredFont& fontBuffer) {
  RawPropertyValue raw;
  std::memset(&raw, 0, sizeof raw);
  auto number = static_cast<int32_t>(value);
  switch (typeCode) {
    case property_type::kLong:
    case property_type::kDouble:
      raw.longValue = static_cast<int64_t>(value);
      return raw;
    case property_type::kLogical:
      raw.integer = number != 0;
      return raw;
    case property_type::kPickList:
      raw.integer = number < 0 ? 0 : number;
      return raw;
    case property_type::kInteger32:
    case property_type::kInteger:
    case property_type::kColour:
    case property_type::kColourWithAlpha:
    case property_type::kBackgroundColour:
      raw.integer = number;
      return raw;
    case property_type::kFont:
      fontBuffer = FontOf(current);
      SetFontMember(fontBuffer, value, arrayIndex);
      raw.bytes = {reinterpret_cast<const uint8_t*>(&fontBuffer), sizeof fontBuffer};
      return raw;
    default:
      break;
  }
  if (IsByteBlock(typeCode)) {
    const auto* set = reinterpret_cast<const int32_t*>(static_cast<uintptr_t>(value));
    if (set && ByteSetLength(set) > 0) raw.bytes = {ArrayElements(set), ByteSetLength(set)};
    return raw;
  }
  const auto* text = reinterpret_cast<const char*>(static_cast<uintptr_t>(value));
  raw.text = text ? text : "";
  return raw;
}

}  // namespace vx
