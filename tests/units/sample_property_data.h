// A small PropertyData of the tests' own, stored like the real unit types:
// version 2 written, versions 0 to 2 read, a field added in version 2.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "units/unit_base/property_data.h"

namespace vx::test {

class SamplePropertyData : public PropertyData {
 public:
  SamplePropertyData() { ResetToDefaults(); }

  void ResetToDefaults() override {
    number = 7;
    mark = '*';
    font.clear();
    caption = "样本";
    note = "default note";
  }

  uint32_t number;
  int16_t mark;
  std::vector<uint8_t> font;
  std::string caption;
  std::string note;  // from version 2

 protected:
  uint32_t Version() const override { return 2; }

  void ReadFields(ArchiveReader& in, uint32_t version) override {
    number = in.U32();
    mark = in.I16();
    std::span<const uint8_t> block = in.Block();
    font.assign(block.begin(), block.end());
    caption = std::string(in.Text());
    if (version >= 2) note = std::string(in.Text());
  }

  void WriteFields(ArchiveWriter& out) const override {
    out.U32(number).I16(mark).Block(font).Text(caption).Text(note);
  }
};

}  // namespace vx::test
