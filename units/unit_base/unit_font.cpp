#include "units/unit_base/unit_font.h"

#include <algorithm>
#include <string>

#include "runtime/framework/gbk.h"
#include "units/unit_base/unit_logfont.h"

namespace vx {
namespace {

// The stored LOGFONT for the wide API: the same numbers, the face name from GBK.
LOGFONTW WideLogFont(const StoredFont& stored) {
  LOGFONTW font{};
  font.lfHeight = stored.height;
  font.lfWidth = stored.width;
  font.lfEscapement = stored.escapement;
  font.lfOrientation = stored.orientation;
  font.lfWeight = stored.weight;
  font.lfItalic = stored.italic;
  font.lfUnderline = stored.underline;
  font.lfStrikeOut = stored.strikeOut;
  font.lfCharSet = stored.charSet;
  font.lfOutPrecision = stored.outPrecision;
  font.lfClipPrecision = stored.clipPrecision;
  font.lfQuality = stored.quality;
  font.lfPitchAndFamily = stored.pitchAndFamily;
  std::wstring face = WideFromGbk(std::string(FaceName(stored)));
  size_t length = std::min<size_t>(face.size(), LF_FACESIZE - 1);
  std::copy_n(face.begin(), length, font.lfFaceName);
  return font;
}

}  // namespace

UnitFont::~UnitFont() {
  if (owned_) DeleteObject(owned_);
}

HFONT UnitFont::Make(std::span<const uint8_t> fontValue) {
  if (owned_) {
    DeleteObject(owned_);
    owned_ = nullptr;
  }
  if (std::optional<StoredFont> stored = UnitLogFont(fontValue)) {
    LOGFONTW font = WideLogFont(*stored);
    owned_ = CreateFontIndirectW(&font);
  }
  return handle();
}

void UnitFont::Apply(HWND control, std::span<const uint8_t> fontValue) {
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(Make(fontValue)), TRUE);
}

HFONT UnitFont::handle() const { return owned_ ? owned_ : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

}  // namespace vx
