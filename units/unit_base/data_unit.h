// A unit object of a type with property data: the unit's window plus the type's
// property data.
#pragma once

#include "units/unit_base/unit_window.h"

namespace vx {

template <class DataType>
class DataUnit : public UnitWindow {
 public:
  using Data = DataType;
  using UnitWindow::UnitWindow;

  Data& data() { return data_; }
  const Data& data() const { return data_; }

 protected:
  Data data_;
};

}  // namespace vx
