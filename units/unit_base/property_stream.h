// A unit type's stored form: its record in the window template and the block the
// runtime re-creates a unit from. A 32-bit data version comes first, then the
// fields in the type's own stored order (not always index order); a field added in
// a later version is read only from streams of that version on, and keeps its
// default otherwise. Each type's property data names its stream once:
//
//   const PropertyStream<ButtonData> ButtonData::kStream = {1, kButtonFields};
//
// Pure data handling: no platform headers.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

#include "runtime/framework/archive_reader.h"
#include "runtime/framework/archive_writer.h"

namespace vx {

using Bytes = std::vector<uint8_t>;
using TextList = std::vector<std::string>;

// Where a property's value lives in its type's property data (monostate: only in
// the control). A field's kind gives its stored encoding: u32 for numbers, a block
// for bytes, an archive text for texts, a text list for lists.
template <class Data>
using FieldRef = std::variant<std::monostate, int32_t Data::*, uint32_t Data::*, std::string Data::*, Bytes Data::*,
                              TextList Data::*>;

// Calls visit(member) for a field that lives in the property data.
template <class Data, class Visit>
constexpr void VisitField(const FieldRef<Data>& field, Visit&& visit) {
  std::visit(
      [&](auto member) {
        if constexpr (!std::is_same_v<decltype(member), std::monostate>) visit(member);
      },
      field);
}

enum class Encoding : uint8_t {
  kByKind,
  kCharCode,  // a text stored as the 16-bit code of its first byte (0: empty)
};

template <class Data>
struct StoredField {
  FieldRef<Data> field;
  uint32_t sinceVersion = 0;
  Encoding encoding = Encoding::kByKind;
};

// One field's value, by the field's kind.
void ReadStoredField(ArchiveReader& in, int32_t& value, Encoding encoding);
void ReadStoredField(ArchiveReader& in, uint32_t& value, Encoding encoding);
void ReadStoredField(ArchiveReader& in, std::string& value, Encoding encoding);
void ReadStoredField(ArchiveReader& in, Bytes& value, Encoding encoding);
void ReadStoredField(ArchiveReader& in, TextList& value, Encoding encoding);
void WriteStoredField(ArchiveWriter& out, int32_t value, Encoding encoding);
void WriteStoredField(ArchiveWriter& out, uint32_t value, Encoding encoding);
void WriteStoredField(ArchiveWriter& out, const std::string& value, Encoding encoding);
void WriteStoredField(ArchiveWriter& out, const Bytes& value, Encoding encoding);
void WriteStoredField(ArchiveWriter& out, const TextList& value, Encoding encoding);

template <class Data>
struct PropertyStream {
  uint32_t version;  // the one written, and the highest one read
  std::span<const StoredField<Data>> fields;

  // False when the version is above ours or the stream ends early.
  bool Read(ArchiveReader& in, Data& data) const {
    uint32_t stored = in.U32();
    if (!in.ok() || stored > version) return false;
    for (const StoredField<Data>& field : fields) {
      if (field.sinceVersion > stored) continue;
      VisitField(field.field, [&](auto member) { ReadStoredField(in, data.*member, field.encoding); });
    }
    return in.ok();
  }

  void Write(ArchiveWriter& out, const Data& data) const {
    out.U32(version);
    for (const StoredField<Data>& field : fields) {
      VisitField(field.field, [&](auto member) { WriteStoredField(out, data.*member, field.encoding); });
    }
  }
};

// The stored form of a type's property data.
template <class Data>
Bytes StoreProperties(const Data& data) {
  ArchiveWriter out;
  Data::kStream.Write(out, data);
  return out.Take();
}

// CreateUnit's loading step: the type's defaults, then the record when one is
// present and at least 1 byte long. False when the record cannot be read.
template <class Data>
bool LoadProperties(Data& data, std::span<const uint8_t> record) {
  data = Data{};
  if (record.empty()) return true;
  ArchiveReader in(record);
  return Data::kStream.Read(in, data);
}

}  // namespace vx
