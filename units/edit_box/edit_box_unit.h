// The edit box unit (type 0x00010005) over the system "EDIT" control: its text in
// GBK with selections in bytes, its input modes (typing filter, rewriting on
// leaving the focus), its colours, the vertical centring of a single-line box, and
// the spin control beside a single-line box.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "contract/unit_type.h"
#include "units/edit_box/edit_box_data.h"
#include "units/unit_base/background_colour.h"
#include "units/unit_base/data_unit.h"
#include "units/unit_base/unit_font.h"

namespace vx {

// The edit box's own events.
namespace edit_box_event {
constexpr int32_t kContentChanged = 0;
constexpr int32_t kSpinPressed = 1;  // argument: 1 up, -1 down
}  // namespace edit_box_event

class EditBoxUnit : public DataUnit<EditBoxData> {
 public:
  using DataUnit::DataUnit;

  // Makes the control from the styles and the text; the type's rows do the rest.
  // False when the control cannot be made.
  bool Create(const UnitPlacement& placement);
  UnitFont& font() { return font_; }
  UnitBrush& brush() { return brush_; }

  // What applying a property does beyond the common effects (the type's rows call
  // these with the value as stored).
  static int32_t ApplyContent(EditBoxUnit& unit, const RawPropertyValue& value);
  static int32_t ApplySpinEdge(EditBoxUnit& unit, const RawPropertyValue& value);
  static int32_t FitFont(EditBoxUnit& unit, const RawPropertyValue& value);
  static int32_t ApplyMaxLength(EditBoxUnit& unit, const RawPropertyValue& value);
  static int32_t ApplyInputMode(EditBoxUnit& unit, const RawPropertyValue& value);
  static int32_t ApplyPasswordChar(EditBoxUnit& unit, const RawPropertyValue& value);
  static int32_t ApplySpinRange(EditBoxUnit& unit, const RawPropertyValue& value);
  static int32_t ApplySelStart(EditBoxUnit& unit, const RawPropertyValue& value);
  static int32_t ApplySelLength(EditBoxUnit& unit, const RawPropertyValue& value);
  static int32_t ApplySelectedText(EditBoxUnit& unit, const RawPropertyValue& value);
  // What the control holds now: its text, its selection in bytes, the selected text.
  static bool ReadContent(EditBoxUnit& unit, RawPropertyValue& value);
  static bool ReadSelStart(EditBoxUnit& unit, RawPropertyValue& value);
  static bool ReadSelLength(EditBoxUnit& unit, RawPropertyValue& value);
  static bool ReadSelectedText(EditBoxUnit& unit, RawPropertyValue& value);

  // A multi-line box that can be written to keeps Enter for its line breaks.
  static int32_t WantsKey(UnitInstance instance, uint32_t key);

  // The control's text into the property data, before it is written out for a
  // re-creation.
  void SaveControlState();

  // An arrow of the spin control was pressed (edit_box_messages.cpp).
  void OnSpinArrow(bool up);

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  bool OnReflectedMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

 private:
  bool IsSingleLine() const;
  // Properties the control keeps itself are read from it while running.
  bool ReadsControl() const { return designFlag() == 0; }
  void SetControlText(const std::string& text);
  void ApplyPasswordMask(int32_t inputMode);

  // Input modes (edit_box_messages.cpp).
  bool TakesCharacter(uint32_t character);
  void NormaliseText();

  // Single-line layout (edit_box_frame.cpp): the height rule, and the text line
  // centred by making the strips above and below it non-client area.
  void FitHeight();
  void RefreshFrame();
  LRESULT OnNcCalcSize(WPARAM wParam, LPARAM lParam);
  void PaintStrips();
  LRESULT OnNcHitTest(LPARAM lParam);
  void EraseClient(HDC dc);

  UnitBrush brush_;
  UnitFont font_;
  HWND spin_ = nullptr;          // the spin control's window, while there is one
  bool settingContent_ = false;  // ContentChanged is raised once by ApplyContent itself
  std::string selectedText_;     // the last SelectedText read, until the runtime copied it
};

}  // namespace vx
