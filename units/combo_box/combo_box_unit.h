// The combo box: a unit over the system "COMBOBOX" control, a list of text items
// each with a 32-bit value and, except in the drop-down-list kind, an edit field.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "contract/unit_type.h"
#include "units/combo_box/combo_box_data.h"
#include "units/unit_base/background_colour.h"
#include "units/unit_base/data_unit.h"
#include "units/unit_base/unit_font.h"

namespace vx {

namespace combo_event {
constexpr int32_t kSelectionChanged = 0;
constexpr int32_t kEditChanged = 1;
constexpr int32_t kDropDown = 2;
constexpr int32_t kCloseUp = 3;
constexpr int32_t kDoubleClick = 4;
}  // namespace combo_event

// Posted to the control on CBN_SELENDOK; SelectionChanged is raised when it
// arrives, once the control has settled its selection and edit text.
constexpr UINT kDeferredSelectionMessage = 0xA711;

class ComboBoxUnit : public DataUnit<ComboBoxData> {
 public:
  using DataUnit::DataUnit;

  // Makes the control with its styles, text, list and current item; the type's
  // rows do the rest.
  bool Create(const UnitPlacement& placement);

  // The methods' work (combo_box_methods.cpp): the new item's index or -1; an
  // item's text, empty for an index outside the list.
  int32_t AddItem(const char* text, int32_t value);
  std::string ItemText(int32_t index) const;

  UnitBrush& brush() { return brush_; }

  // What applying a property does beyond the common effects (the type's rows call
  // these with the value as stored).
  static int32_t ApplyComboType(ComboBoxUnit& unit, const RawPropertyValue& value);
  static int32_t ApplyContent(ComboBoxUnit& unit, const RawPropertyValue& value);
  static int32_t ApplyMaxLength(ComboBoxUnit& unit, const RawPropertyValue& value);
  static int32_t ApplySelStart(ComboBoxUnit& unit, const RawPropertyValue& value);
  static int32_t ApplySelLength(ComboBoxUnit& unit, const RawPropertyValue& value);
  static int32_t ApplySelectedText(ComboBoxUnit& unit, const RawPropertyValue& value);
  static int32_t ApplyItemSpacing(ComboBoxUnit& unit, const RawPropertyValue& value);
  static int32_t ApplyFont(ComboBoxUnit& unit, const RawPropertyValue& value);
  static int32_t ApplyCurrentSelection(ComboBoxUnit& unit, const RawPropertyValue& value);
  static int32_t StoreItems(ComboBoxUnit& unit, const RawPropertyValue& value);

  // Reading what the control keeps itself.
  static bool ReadContent(ComboBoxUnit& unit, RawPropertyValue& value);
  static bool ReadSelStart(ComboBoxUnit& unit, RawPropertyValue& value);
  static bool ReadSelLength(ComboBoxUnit& unit, RawPropertyValue& value);
  static bool ReadSelectedText(ComboBoxUnit& unit, RawPropertyValue& value);
  static bool ReadCurrentSelection(ComboBoxUnit& unit, RawPropertyValue& value);
  static bool ReadItems(ComboBoxUnit& unit, RawPropertyValue& value);

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  bool OnReflectedMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

 private:
  // The live control's kind: the stored one may already name the next.
  int32_t LiveType() const;
  bool HasEdit() const;
  // The edit field's selection in characters; 0, 0 without an edit field.
  void EditSelection(int32_t& start, int32_t& end) const;
  void ApplyEditSelection();
  int32_t ItemCount() const;
  HWND ListBox() const;
  // The list's item height, spacing included.
  int32_t ListItemHeight() const;
  // The standard height plus the spacing, within the 1..255 pixels a list takes.
  void SetListItemHeight(int32_t standard, int32_t spacing);
  void LoadStoredItems();
  // CurrentSelection clamped to the list (-1 for none), stored and shown.
  void SelectStored();
  LRESULT Colours(HDC dc) const;

  UnitBrush brush_;
  UnitFont font_;
  int32_t standardItemHeight_ = 0;  // the list's item height for the font, without spacing
  std::string textRead_;            // SelectedText as last read
  Bytes itemsRead_;                 // Items as last read
};

}  // namespace vx
