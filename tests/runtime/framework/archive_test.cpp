#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/framework/archive_reader.h"
#include "runtime/framework/archive_writer.h"

namespace vx {
namespace {

TEST(ArchiveReader, ReadsLittleEndianPrimitives) {
  const std::vector<uint8_t> bytes = {0x78, 0x56, 0x34, 0x12, 0xFE, 0xFF, 0xFF, 0xFF, 0xFE, 0xFF,
                                      3,    0,    0,    0,    'a',  'b',  'c',  'x',  'y',  0};
  ArchiveReader in(bytes);
  EXPECT_EQ(in.U32(), 0x12345678u);
  EXPECT_EQ(in.I32(), -2);
  EXPECT_EQ(in.I16(), -2);
  EXPECT_EQ(in.Text(), "abc");
  EXPECT_EQ(in.ZText(), "xy");
  EXPECT_TRUE(in.ok());
  EXPECT_EQ(in.remaining(), 0u);
}

TEST(ArchiveReader, AReadPastTheEndFailsAndEveryLaterReadFailsToo) {
  const std::vector<uint8_t> bytes = {7, 0, 0, 0, 'a', 'b', 1, 0, 0, 0};
  ArchiveReader in(bytes);
  EXPECT_TRUE(in.Block().empty());
  EXPECT_FALSE(in.ok());
  EXPECT_EQ(in.U32(), 0u);  // the bytes after the bad block are not read any more
  EXPECT_FALSE(in.ok());
}

TEST(ArchiveReader, AZTextWithoutItsTerminatorFails) {
  const std::vector<uint8_t> bytes = {'a', 'b'};
  ArchiveReader in(bytes);
  EXPECT_EQ(in.ZText(), "");
  EXPECT_FALSE(in.ok());
  ArchiveReader empty(std::span<const uint8_t>{});
  empty.ZText();
  EXPECT_FALSE(empty.ok());
}

TEST(ArchiveReader, ATextListCountBeyondTheRemainingBytesFailsWithoutReadingOn) {
  const std::vector<uint8_t> bytes = ArchiveWriter().U16(0xFFFF).U32(0xFFFFFFFF).U32(0).Take();
  ArchiveReader in(bytes);
  EXPECT_TRUE(in.TextList().empty());
  EXPECT_FALSE(in.ok());
}

TEST(ArchiveRoundTrip, TextListsUseTheShortCountBelow0xFFFFAndTheLongFormFromThere) {
  const std::vector<std::string_view> few = {"一", "", "two"};
  std::vector<uint8_t> bytes = ArchiveWriter().TextList(few).Take();
  EXPECT_EQ(bytes[0], 3);
  EXPECT_EQ(bytes[1], 0);
  EXPECT_EQ(ArchiveReader(bytes).TextList(), few);

  const std::vector<std::string_view> many(0xFFFF, "t");
  bytes = ArchiveWriter().TextList(many).Take();
  const std::vector<uint8_t> head = {0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 1, 0, 0, 0, 't'};
  EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + head.size()), head);
  ArchiveReader in(bytes);
  EXPECT_EQ(in.TextList(), many);
  EXPECT_TRUE(in.ok());
  EXPECT_EQ(in.remaining(), 0u);
}

TEST(ArchiveReader, TheLongCountFormIsReadForSmallCountsToo) {
  const std::vector<uint8_t> bytes = ArchiveWriter().U16(0xFFFF).U32(2).Text("甲").Text("乙").Take();
  ArchiveReader in(bytes);
  EXPECT_EQ(in.TextList(), (std::vector<std::string_view>{"甲", "乙"}));
  EXPECT_EQ(in.remaining(), 0u);
}

TEST(ArchiveRoundTrip, PropertyBlockFieldsReadBackInOrder) {
  const uint8_t font[] = {1, 2, 3};
  const std::vector<uint8_t> bytes =
      ArchiveWriter().U32(2).I16(0x2A).Block(font).Block({}).Text("编辑框1").I32(-1).Take();
  ArchiveReader in(bytes);
  EXPECT_EQ(in.U32(), 2u);
  EXPECT_EQ(in.I16(), 0x2A);
  std::span<const uint8_t> block = in.Block();
  EXPECT_EQ(std::vector<uint8_t>(block.begin(), block.end()), std::vector<uint8_t>({1, 2, 3}));
  EXPECT_TRUE(in.Block().empty());
  EXPECT_EQ(in.Text(), "编辑框1");
  EXPECT_EQ(in.I32(), -1);
  EXPECT_TRUE(in.ok());
  EXPECT_EQ(in.remaining(), 0u);
}

}  // namespace
}  // namespace vx
