#include "units/unit_base/unit_operations.h"

#include <cstring>

#include "units/unit_base/unit_logfont.h"

namespace vx {

bool StoreRaw(int32_t& field, const RawPropertyValue& value, const Clamp& clamp) {
  int32_t previous = field;
  field = clamp(value.integer);
  return field != previous;
}

bool StoreRaw(uint32_t& field, const RawPropertyValue& value, const Clamp&) {
  uint32_t previous = field;
  field = value.word;
  return field != previous;
}

bool StoreRaw(std::string& field, const RawPropertyValue& value, const Clamp&) {
  std::string text = value.text ? value.text : "";
  bool changed = text != field;
  field = std::move(text);
  return changed;
}

bool StoreRaw(Bytes& field, const RawPropertyValue& value, const Clamp&) {
  Bytes bytes;
  if (value.bytes.data && value.bytes.length > 0) bytes.assign(value.bytes.data, value.bytes.data + value.bytes.length);
  bool changed = bytes != field;
  field = std::move(bytes);
  return changed;
}

// A list has no raw form of its own: its row applies it through the unit.
bool StoreRaw(TextList&, const RawPropertyValue&, const Clamp&) { return false; }

bool LoadRaw(const int32_t& field, RawPropertyValue& value) {
  value.integer = field;
  return true;
}

bool LoadRaw(const uint32_t& field, RawPropertyValue& value) {
  value.word = field;
  return true;
}

bool LoadRaw(const std::string& field, RawPropertyValue& value) {
  value.text = field.c_str();
  return true;
}

bool LoadRaw(const Bytes& field, RawPropertyValue& value) {
  value.bytes.data = field.empty() ? nullptr : field.data();
  value.bytes.length = static_cast<int32_t>(field.size());
  return true;
}

bool LoadRaw(const TextList&, RawPropertyValue&) { return false; }

void WalkText(std::string& text, TextCallback callback, intptr_t userValue) {
  const RuntimeLink& runtime = CoreLibraryLink();
  char* heapText = runtime.CopyText(text.c_str());
  callback(&heapText, 0, userValue);
  text = heapText ? heapText : "";
  runtime.Free(heapText);
}

void WalkFontFace(Bytes& font, TextCallback callback, intptr_t userValue) {
  if (font.size() != kStoredFontSize) return;
  StoredFont stored;
  std::memcpy(&stored, font.data(), kStoredFontSize);
  const RuntimeLink& runtime = CoreLibraryLink();
  char* heapText = runtime.CopyText(std::string(FaceName(stored)).c_str());
  callback(&heapText, 1, userValue);
  std::string face = heapText ? heapText : "";
  runtime.Free(heapText);
  std::memset(stored.faceName, 0, sizeof stored.faceName);
  std::memcpy(stored.faceName, face.data(), std::min(face.size(), sizeof stored.faceName - 1));
  std::memcpy(font.data(), &stored, kStoredFontSize);
}

}  // namespace vx
