// The stored form every unit type's property data is written in and read from.
#include "units/unit_base/property_stream.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

// A type's property data as the real ones are declared: defaults in the struct,
// the stored order beside it, a field added in version 2.
struct SampleData {
  uint32_t number = 7;
  std::string mark = "*";
  Bytes font{};
  std::string caption = "样本";
  std::string note = "default note";
  static const PropertyStream<SampleData> kStream;
};
constexpr StoredField<SampleData> kSampleFields[] = {{&SampleData::number},
                                                     {&SampleData::mark, 0, Encoding::kCharCode},
                                                     {&SampleData::font},
                                                     {&SampleData::caption},
                                                     {&SampleData::note, 2}};
const PropertyStream<SampleData> SampleData::kStream = {2, kSampleFields};

std::vector<uint8_t> Version1Stream(uint32_t number, std::string_view caption) {
  return ArchiveWriter().U32(1).U32(number).I16('#').Block({}).Text(caption).Take();
}

bool Load(SampleData& data, const std::vector<uint8_t>& record, size_t length) {
  return LoadProperties(data, std::span<const uint8_t>(record).first(length));
}

TEST(PropertyStream, VersionThenTheFieldsInTheStoredOrder) {
  SampleData data{.number = 0x01020304, .font = {9, 8}};
  std::vector<uint8_t> expected = ArchiveWriter()
                                      .U32(2)
                                      .U32(0x01020304)
                                      .I16('*')
                                      .Block(std::vector<uint8_t>{9, 8})
                                      .Text("样本")
                                      .Text("default note")
                                      .Take();
  EXPECT_EQ(StoreProperties(data), expected);
}

TEST(PropertyStream, RoundTripsThroughItsStream) {
  SampleData written{.number = 0xFFFFFFFF, .mark = "", .font = Bytes(60, 0x41), .caption = "开始", .note = ""};
  std::vector<uint8_t> stream = StoreProperties(written);
  SampleData read;
  ASSERT_TRUE(Load(read, stream, stream.size()));
  EXPECT_EQ(read.number, 0xFFFFFFFFu);
  EXPECT_EQ(read.mark, "") << "char code 0 is the empty text";
  EXPECT_EQ(read.font, written.font);
  EXPECT_EQ(read.caption, "开始");
  EXPECT_EQ(StoreProperties(read), stream);
}

TEST(PropertyStream, AnOlderVersionLeavesLaterFieldsAtTheirDefaults) {
  SampleData data{.note = "changed before loading"};
  std::vector<uint8_t> stream = Version1Stream(42, "旧");
  ASSERT_TRUE(Load(data, stream, stream.size()));
  EXPECT_EQ(data.number, 42u);
  EXPECT_EQ(data.mark, "#");
  EXPECT_EQ(data.caption, "旧");
  EXPECT_EQ(data.note, "default note");
}

TEST(PropertyStream, AHigherVersionOrAnEarlyEndFailsAndNoRecordGivesTheDefaults) {
  std::vector<uint8_t> stream = StoreProperties(SampleData{});
  SampleData data;
  for (size_t length = 1; length < stream.size(); ++length) EXPECT_FALSE(Load(data, stream, length)) << length;
  stream[0] = 3;
  EXPECT_FALSE(Load(data, stream, stream.size()));
  stream[0] = 0;
  stream[3] = 0x80;  // a huge version, not a negative one
  EXPECT_FALSE(Load(data, stream, stream.size()));

  data.number = 99;
  EXPECT_TRUE(Load(data, stream, 0));
  EXPECT_EQ(data.number, 7u);
  EXPECT_EQ(data.caption, "样本");
}

}  // namespace
}  // namespace vx
