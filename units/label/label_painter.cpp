#include "units/label/label_painter.h"

#include <algorithm>
#include <vector>

#include "units/label/label_gradient.h"
#include "units/unit_base/background_colour.h"

namespace vx {
namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

// A solid fill without a brush: the opaque background of an empty text run.
void FillSolid(HDC dc, const RECT& rect, COLORREF colour) {
  SetBkColor(dc, colour);
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
}

PixelRect BoxOf(const RECT& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

// Ring by ring from the outer edge in, each ring one pixel wide. Rings past the
// middle of the client area would not show.
void DrawGradientFrame(HDC dc, const RECT& client, int32_t width, const std::vector<uint32_t>& stops) {
  int32_t visible = (std::min(client.right - client.left, client.bottom - client.top) + 1) / 2;
  for (int32_t ring = 0; ring < std::min(width, visible); ++ring) {
    COLORREF colour = FrameRingColour(ring, width, stops);
    RECT r = client;
    InflateRect(&r, -ring, -ring);
    FillSolid(dc, {r.left, r.top, r.right, r.top + 1}, colour);
    FillSolid(dc, {r.left, r.bottom - 1, r.right, r.bottom}, colour);
    FillSolid(dc, {r.left, r.top, r.left + 1, r.bottom}, colour);
    FillSolid(dc, {r.right - 1, r.top, r.right, r.bottom}, colour);
  }
}

// The gradient is measured over the whole area and computed for `part` only.
void DrawGradient(HDC dc, const RECT& area, const RECT& part, int32_t mode, const std::vector<uint32_t>& stops) {
  std::vector<uint32_t> pixels = GradientPixels(mode, stops, BoxOf(area), BoxOf(part));
  int width = part.right - part.left, height = part.bottom - part.top;
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // rows top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  SetDIBitsToDevice(dc, part.left, part.top, static_cast<DWORD>(width), static_cast<DWORD>(height), 0, 0, 0,
                    static_cast<UINT>(height), pixels.data(), &info, DIB_RGB_COLORS);
}

UINT CaptionFormat(const LabelData& data) {
  UINT format = DT_NOCLIP;
  if (data.alignment == 1) format |= DT_CENTER;
  if (data.alignment == 2) format |= DT_RIGHT;
  if (data.wordWrap) return format | DT_WORDBREAK;
  format |= DT_SINGLELINE;
  if (data.verticalAlignment == 1) format |= DT_VCENTER;
  if (data.verticalAlignment == 2) format |= DT_BOTTOM;
  return format;
}

// Each effect draws a shade first, then the caption in TextColour.
struct EffectPasses {
  bool shaded;
  COLORREF shade;
  POINT shadeOffset;
  POINT textOffset;
};
EffectPasses PassesOf(int32_t effect) {
  switch (effect) {
    case 1:  // raised: white below right
      return {true, kWhite, {1, 1}, {0, 0}};
    case 2:  // sunken: white in place, the caption below right
      return {true, kWhite, {0, 0}, {1, 1}};
    case 3:  // shadow: black two pixels below right
      return {true, kBlack, {2, 2}, {0, 0}};
    default:
      return {false, kBlack, {0, 0}, {0, 0}};
  }
}

void DrawCaption(HDC dc, const RECT& area, const LabelLook& look) {
  if (look.caption.empty()) return;
  HGDIOBJ previousFont = SelectObject(dc, look.font);
  int previousMode = SetBkMode(dc, TRANSPARENT);
  UINT format = CaptionFormat(look.data);
  auto draw = [&](COLORREF colour, POINT offset) {
    RECT at = area;
    OffsetRect(&at, offset.x, offset.y);
    SetTextColor(dc, colour);
    DrawTextW(dc, look.caption.c_str(), static_cast<int>(look.caption.size()), &at, format);
  };
  EffectPasses passes = PassesOf(look.data.effect);
  if (passes.shaded) draw(passes.shade, passes.shadeOffset);
  draw(static_cast<COLORREF>(look.data.textColour & 0x00FFFFFF), passes.textOffset);
  SetBkMode(dc, previousMode);
  SelectObject(dc, previousFont);
}

}  // namespace

void PaintLabel(HDC dc, const RECT& client, const RECT& update, const LabelLook& look) {
  const LabelData& data = look.data;
  RECT area = client;
  if (data.border == kGradientFrameBorder && data.frameWidth > 0) {
    std::vector<uint32_t> stops = GradientStops({data.frameColour1, data.frameColour2, data.frameColour3});
    if (stops.size() >= 2) {
      DrawGradientFrame(dc, client, data.frameWidth, stops);
      // A frame wider than the label leaves no area (and no overflow).
      int32_t inset =
          std::min<int32_t>(data.frameWidth, std::max<int32_t>(client.right - client.left, client.bottom - client.top));
      InflateRect(&area, -inset, -inset);
    }
  }

  // What is left of the area to paint: the clip region of the background.
  RECT clip;
  bool clipLeft = IntersectRect(&clip, &area, &update) != FALSE;

  // A BackPicture is drawn here by PictureMode (0 at the top-left corner, 1 tiled,
  // 2 centred and shrunk to fit), taking its rectangle out of the clip region, once
  // pictures can be decoded; until then the label shows no picture.
  if (clipLeft && data.gradientMode != 0) {
    std::vector<uint32_t> stops = GradientStops({data.gradientColour1, data.gradientColour2, data.gradientColour3});
    if (stops.size() >= 2) {
      DrawGradient(dc, area, clip, data.gradientMode, stops);
      clipLeft = false;
    }
  }
  if (clipLeft) FillSolid(dc, clip, PaintColour(data.backColour));

  DrawCaption(dc, area, look);
}

}  // namespace vx
