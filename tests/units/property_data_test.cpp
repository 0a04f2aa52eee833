#include "units/unit_base/property_data.h"

#include <gtest/gtest.h>

#include "tests/units/sample_property_data.h"

namespace vx {
namespace {

using test::SamplePropertyData;

std::vector<uint8_t> Version1Stream(uint32_t number, std::string_view caption) {
  ArchiveWriter out;
  out.U32(1).U32(number).I16('#').Block({}).Text(caption);
  return out.Take();
}

TEST(PropertyData, StreamStartsWithTheVersionThenTheFields) {
  SamplePropertyData data;
  data.number = 0x01020304;
  data.font = {9, 8};
  std::vector<uint8_t> expected = ArchiveWriter()
                                      .U32(2)
                                      .U32(0x01020304)
                                      .I16('*')
                                      .Block(std::vector<uint8_t>{9, 8})
                                      .Text("样本")
                                      .Text("default note")
                                      .Take();
  EXPECT_EQ(data.Stream(), expected);
}

TEST(PropertyData, RoundTripsThroughItsStream) {
  SamplePropertyData written;
  written.number = 0xFFFFFFFF;
  written.mark = -2;
  written.font.assign(60, 0x41);
  written.caption = "开始";
  written.note = "";
  std::vector<uint8_t> stream = written.Stream();

  SamplePropertyData read;
  ASSERT_TRUE(LoadPropertyData(read, stream.data(), static_cast<int32_t>(stream.size())));
  EXPECT_EQ(read.number, 0xFFFFFFFFu);
  EXPECT_EQ(read.mark, -2);
  EXPECT_EQ(read.font, written.font);
  EXPECT_EQ(read.caption, "开始");
  EXPECT_EQ(read.note, "");
  EXPECT_EQ(read.Stream(), stream);
}

TEST(PropertyData, OlderVersionLeavesLaterFieldsAtTheirDefaults) {
  SamplePropertyData data;
  data.note = "changed before loading";
  std::vector<uint8_t> stream = Version1Stream(42, "旧");
  ASSERT_TRUE(LoadPropertyData(data, stream.data(), static_cast<int32_t>(stream.size())));
  EXPECT_EQ(data.number, 42u);
  EXPECT_EQ(data.mark, '#');
  EXPECT_EQ(data.caption, "旧");
  EXPECT_EQ(data.note, "default note");
}

TEST(PropertyData, VersionAboveTheTypesFailsTheLoad) {
  SamplePropertyData data;
  std::vector<uint8_t> stream = data.Stream();
  stream[0] = 3;
  EXPECT_FALSE(LoadPropertyData(data, stream.data(), static_cast<int32_t>(stream.size())));
  stream[0] = 0;
  stream[3] = 0x80;  // a huge version, not a negative one
  EXPECT_FALSE(LoadPropertyData(data, stream.data(), static_cast<int32_t>(stream.size())));
}

TEST(PropertyData, StreamEndingEarlyFailsTheLoad) {
  std::vector<uint8_t> stream = SamplePropertyData().Stream();
  for (size_t length = 1; length < stream.size(); ++length) {
    SamplePropertyData data;
    EXPECT_FALSE(LoadPropertyData(data, stream.data(), static_cast<int32_t>(length))) << length;
  }
}

TEST(PropertyData, AbsentOrEmptyRecordGivesTheDefaults) {
  SamplePropertyData data;
  data.number = 99;
  data.caption = "x";
  EXPECT_TRUE(LoadPropertyData(data, nullptr, 10));
  EXPECT_EQ(data.number, 7u);
  EXPECT_EQ(data.caption, "样本");

  data.number = 99;
  const uint8_t unread[] = {0xFF, 0xFF, 0xFF, 0xFF};
  EXPECT_TRUE(LoadPropertyData(data, unread, 0));
  EXPECT_EQ(data.number, 7u);
  EXPECT_TRUE(LoadPropertyData(data, unread, -4));
}

TEST(PropertyData, ReadsFromAStreamPosition) {
  std::vector<uint8_t> bytes = ArchiveWriter().U32(0xABCDEF).Take();
  std::vector<uint8_t> stream = Version1Stream(5, "a");
  bytes.insert(bytes.end(), stream.begin(), stream.end());
  ArchiveReader in(bytes);
  in.U32();
  SamplePropertyData data;
  EXPECT_TRUE(data.Read(in));
  EXPECT_EQ(data.number, 5u);
  EXPECT_EQ(in.remaining(), 0u);
}

}  // namespace
}  // namespace vx
