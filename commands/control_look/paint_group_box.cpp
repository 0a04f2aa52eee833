// Group boxes: a one-pixel frame with rounded corners whose top edge runs at half
// the caption's height and is open behind the caption. The inside is left alone:
// the controls the box groups are painted there.
#include <algorithm>
#include <string>

#include "commands/control_look/control_text.h"
#include "commands/control_look/paint_control.h"
#include "commands/control_look/system_colours.h"
#include "runtime/framework/gdi_owners.h"
#include "runtime/framework/window_text.h"

namespace vx::look {
namespace {

constexpr int kCaptionInset = 10;  // from the left or right edge
constexpr int kCaptionGap = 2;     // frame left open on each side of the caption
// Measured when the caption is empty, to place the top edge all the same.
constexpr wchar_t kSampleText[] = L"Ag";

int CaptionLeft(DWORD style, int boxWidth, int captionWidth) {
  switch (style & BS_CENTER) {
    case BS_CENTER:
      return (boxWidth - captionWidth) / 2;
    case BS_RIGHT:
      return boxWidth - kCaptionInset - captionWidth;
    default:
      return kCaptionInset;
  }
}

}  // namespace

std::optional<PixelRect> PaintGroupBox(const PaintJob& job) {
  HWND window = job.control.window;
  HDC dc = job.picture.dc();
  SelectedObject font(dc, ControlFont(window));
  const std::wstring caption = WindowTextOf(window);
  const std::wstring measuredText = caption.empty() ? kSampleText : caption;
  RECT measured = {};
  DrawTextW(dc, measuredText.c_str(), static_cast<int>(measuredText.size()), &measured, DT_SINGLELINE | DT_CALCRECT);
  const int captionHeight = measured.bottom - measured.top, captionWidth = measured.right - measured.left;

  PixelCanvas pixels = CanvasOf(job.picture);
  const int width = pixels.width(), height = pixels.height();
  const Rgb background = FromColorRef(job.control.parent.backgroundColour);
  pixels.Fill(pixels.bounds(), background);
  const PixelRect frame = {0, captionHeight / 2, width, height};
  pixels.Frame(frame, shared::kGroupFrame);
  for (int x : {frame.left, frame.right - 1}) {
    for (int y : {frame.top, frame.bottom - 1}) pixels.Set(x, y, background);
  }

  const DWORD style = GetWindowLongW(window, GWL_STYLE);
  if (!caption.empty()) {
    const int left = CaptionLeft(style, width, captionWidth);
    pixels.Fill({left - kCaptionGap, frame.top, left + captionWidth + kCaptionGap, frame.top + 1}, background);
    RECT text = {left, 0, left + captionWidth, captionHeight};
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc,
                 (job.control.state & flag::kDisabled) ? GetSysColor(COLOR_GRAYTEXT) : job.control.parent.textColour);
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text, DT_SINGLELINE | DT_NOCLIP);
  }
  return PixelRect{1, std::max(frame.top + 1, captionHeight), width - 1, height - 1};
}

}  // namespace vx::look
