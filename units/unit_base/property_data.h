// The current values of a unit's own properties, and their stored form: the
// unit's record in the window template, a 32-bit data version first, then the
// fields in the order the unit type defines.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "runtime/template/archive_reader.h"
#include "runtime/template/archive_writer.h"

namespace vx {

class PropertyData {
 public:
  virtual ~PropertyData() = default;

  // Every property back to the type's default value.
  virtual void ResetToDefaults() = 0;

  // Reads version and fields; false when the version is above the one this type
  // writes or the stream ends early. Fields an older version lacks keep their
  // values, so reset first.
  bool Read(ArchiveReader& in);
  // Writes the current version, then the fields.
  void Write(ArchiveWriter& out) const;
  std::vector<uint8_t> Stream() const;

 protected:
  // The version written, and the highest one that can be read.
  virtual uint32_t Version() const = 0;
  // The fields after the version word, as stored by that version.
  virtual void ReadFields(ArchiveReader& in, uint32_t version) = 0;
  virtual void WriteFields(ArchiveWriter& out) const = 0;
};

// CreateUnit's loading step: defaults, then the template record when one is
// present and at least 1 byte long. False when the record cannot be read.
bool LoadPropertyData(PropertyData& data, const uint8_t* record, int32_t recordLength);

}  // namespace vx
