#include "units/common_dialog/common_dialogs.h"

#include <commdlg.h>

#include <string>

#include "contract/stored_font.h"
#include "runtime/framework/gbk.h"
#include "runtime/framework/screen_points.h"

namespace vx {

bool RunFontDialog(CommonDialogData& data) {
  LOGFONTW font = {};
  if (data.bold) font.lfWeight = kBoldWeight;
  font.lfItalic = data.italic ? 1 : 0;
  font.lfStrikeOut = data.strikeout ? 1 : 0;
  font.lfUnderline = data.underline ? 1 : 0;
  std::wstring face = WideFromGbk(data.fontName);
  face.copy(font.lfFaceName, LF_FACESIZE - 1);
  if (data.fontSize != 0) font.lfHeight = FontHeightFromPoints(data.fontSize);

  CHOOSEFONTW dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.lpLogFont = &font;
  // The LOGFONT above is the dialog's starting point only with CF_INITTOLOGFONTSTRUCT.
  dialog.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT;
  dialog.rgbColors = data.fontColour;
  if (!ChooseFontW(&dialog)) return false;

  data.fontColour = dialog.rgbColors;
  data.bold = font.lfWeight >= kBoldWeight ? 1 : 0;
  data.italic = font.lfItalic ? 1 : 0;
  data.strikeout = font.lfStrikeOut ? 1 : 0;
  data.underline = font.lfUnderline ? 1 : 0;
  data.fontName = GbkFromWide(font.lfFaceName);
  data.fontSize = PointsFromFontHeight(font.lfHeight);
  return true;
}

}  // namespace vx
