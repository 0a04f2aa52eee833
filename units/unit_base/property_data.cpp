#include "units/unit_base/property_data.h"

namespace vx {

bool PropertyData::Read(ArchiveReader& in) {
  uint32_t version = in.U32();
  if (!in.ok() || version > Version()) return false;
  ReadFields(in, version);
  return in.ok();
}

void PropertyData::Write(ArchiveWriter& out) const {
  out.U32(Version());
  WriteFields(out);
}

std::vector<uint8_t> PropertyData::Stream() const {
  ArchiveWriter out;
  Write(out);
  return out.Take();
}

bool LoadPropertyData(PropertyData& data, const uint8_t* record, int32_t recordLength) {
  data.ResetToDefaults();
  if (!record || recordLength < 1) return true;
  ArchiveReader in({record, static_cast<size_t>(recordLength)});
  return data.Read(in);
}

}  // namespace vx
