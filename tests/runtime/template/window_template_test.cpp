#include "runtime/template/window_template.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/framework/archive_reader.h"
#include "runtime/framework/archive_writer.h"
#include "runtime/template/template_ids.h"
#include "tests/runtime/template/sample_template.h"

namespace vx {
namespace {

using test::SampleWindows;

alignas(16) const uint8_t kCode[16] = {};
const void* const kCodeBase = kCode;

uintptr_t At(int32_t offset) { return reinterpret_cast<uintptr_t>(kCodeBase) + offset; }
uintptr_t Address(const void* handler) { return reinterpret_cast<uintptr_t>(handler); }

std::vector<uint8_t> Bytes(std::span<const uint8_t> bytes) { return {bytes.begin(), bytes.end()}; }

// Reading must fail as a whole, leaving nothing half read.
void ExpectTemplateError(const std::vector<uint8_t>& bytes) {
  EXPECT_FALSE(WindowTable::Read(bytes, kCodeBase)) << "read " << bytes.size() << " bytes without an error";
}

// A template of one window whose item count and unit blob are given as they are.
std::vector<uint8_t> OneWindowWithBlob(uint32_t itemCount, const std::vector<uint8_t>& blob) {
  const std::vector<uint8_t> table = ArchiveWriter().U32(test::kMainWindow).U32(0).Take();
  return ArchiveWriter().Block(table).U32(0).U32(0).Text("").Text("").U32(itemCount).Block(blob).Take();
}

// A blob of one item with the given record bytes.
std::vector<uint8_t> OneItemBlob(uint32_t id, const std::vector<uint8_t>& record) {
  return ArchiveWriter().U32(id).U32(0).Block(record).Take();
}

TEST(WindowTemplate, EveryDescribedValueReadsBack) {
  const std::vector<WindowDescription> described = SampleWindows();
  const WindowTable table = *WindowTable::Read(WriteWindowTemplate(described), kCodeBase);

  ASSERT_EQ(table.size(), described.size());
  for (size_t w = 0; w < described.size(); ++w) {
    const WindowDescription& expected = described[w];
    const WindowRecord& window = table.Window(w);
    EXPECT_EQ(window.id, expected.id);
    EXPECT_EQ(window.slotValue, expected.slotValue);
    EXPECT_EQ(window.secondValue, expected.secondValue);
    EXPECT_EQ(window.firstText, expected.firstText);
    EXPECT_EQ(window.secondText, expected.secondText);
    ASSERT_EQ(window.units.size(), expected.items.size());
    for (size_t i = 0; i < expected.items.size(); ++i) {
      const UnitEntry& item = window.units.Item(i);
      if (const auto* unit = std::get_if<UnitDescription>(&expected.items[i])) {
        EXPECT_EQ(item.id(), unit->id);
        EXPECT_FALSE(item.isMenuItem());
        ASSERT_NE(item.unit(), nullptr);
        EXPECT_EQ(*item.unit(), unit->stored) << "item " << i;
        EXPECT_EQ(Bytes(window.units.PropertyBlock(item)), unit->propertyBlock);
      } else {
        const auto& menu = std::get<MenuItemDescription>(expected.items[i]);
        EXPECT_EQ(item.id(), menu.id);
        EXPECT_TRUE(item.isMenuItem());
        ASSERT_NE(item.menuItem(), nullptr);
        EXPECT_EQ(*item.menuItem(), menu.stored);
        EXPECT_TRUE(window.units.PropertyBlock(item).empty());
      }
      EXPECT_EQ(item.object(), nullptr);
      EXPECT_EQ(item.cursor(), nullptr);
    }
  }
}

TEST(WindowTemplate, TheWindowTableBlockHoldsTheIdsThenTheSlots) {
  const std::vector<uint8_t> bytes = WriteWindowTemplate(SampleWindows());
  ArchiveReader in(bytes);
  EXPECT_EQ(in.U32(), 16u);
  EXPECT_EQ(in.U32(), test::kMainWindow);
  EXPECT_EQ(in.U32(), test::kSecondWindow);
  EXPECT_EQ(in.U32(), 0u);
  EXPECT_EQ(in.U32(), 0u);
  EXPECT_EQ(in.U32(), 0x11223344u);  // the first window record's slot value
}

TEST(WindowTemplate, HandlerOffsetZeroIsTheCodeBaseAndMinusOneIsNone) {
  const WindowTable table = *WindowTable::Read(WriteWindowTemplate(SampleWindows()), kCodeBase);
  const UnitTable& units = table.Find(test::kMainWindow)->units;

  EXPECT_EQ(units.Item(0).FindHandler(0), kCodeBase);
  const UnitEntry& slider = *units.Find(test::kSlider);
  ASSERT_EQ(slider.handlers().size(), 3u);
  EXPECT_EQ(Address(slider.FindHandler(0)), At(0x1234));
  EXPECT_EQ(slider.handlers()[1].event, -7);
  EXPECT_EQ(slider.handlers()[1].address, nullptr);
  EXPECT_EQ(slider.FindHandler(-7), nullptr);
  EXPECT_EQ(Address(slider.FindHandler(-8)), At(0x20));
  EXPECT_EQ(slider.FindHandler(1), nullptr);  // not bound
  // The blob keeps the offsets as stored.
  EXPECT_EQ(slider.unit()->bindings[0].handlerOffset, 0x1234);

  EXPECT_EQ(Address(units.Find(test::kFileMenu)->FindHandler(0)), At(0x80));
  EXPECT_EQ(Address(units.Find(test::kFileMenu)->FindHandler(5)), At(0x80));
  EXPECT_EQ(units.Find(test::kQuitMenu)->FindHandler(0), nullptr);

  const UnitEntry& button = table.Find(test::kSecondWindow)->units.Item(1);
  EXPECT_EQ(button.FindHandler(0), kCodeBase);
  EXPECT_EQ(Address(button.FindHandler(1)), At(0x7FFFFFFF));
}

TEST(WindowTemplate, AnEmptyTypeBlockIsFoundWithLengthZero) {
  const WindowTable table = *WindowTable::Read(WriteWindowTemplate(SampleWindows()), kCodeBase);
  const UnitTable& units = table.Find(test::kMainWindow)->units;
  const UnitEntry& combo = *units.Find(test::kComboBox);
  EXPECT_EQ(units.PropertyBlock(combo).size(), 0u);
  // It ends the record: nothing of the record is lost to it.
  EXPECT_EQ(units.PropertyBlock(combo).data(), units.Record(combo).data() + units.Record(combo).size());
}

TEST(WindowTemplate, TheTypeBlockFollowsTheTwentyBytesAfterTheBindings) {
  const WindowTable table = *WindowTable::Read(WriteWindowTemplate(SampleWindows()), kCodeBase);
  const UnitTable& units = table.Find(test::kMainWindow)->units;
  const UnitEntry& slider = *units.Find(test::kSlider);
  const StoredUnit& stored = *slider.unit();
  // Head, names, slot to child count, children, pointer block, tag, three words,
  // bindings, the five words.
  const size_t offset = 24 + stored.name.size() + 1 + stored.secondName.size() + 1 + 32 + 4 * stored.children.size() +
                        4 + stored.mousePointer.size() + stored.tag.size() + 1 + 12 + 4 + 8 * stored.bindings.size() +
                        20;
  std::span<const uint8_t> record = units.Record(slider);
  std::span<const uint8_t> block = units.PropertyBlock(slider);
  EXPECT_EQ(block.data(), record.data() + offset);
  EXPECT_EQ(block.size(), record.size() - offset);
  ArchiveReader in(block);
  EXPECT_EQ(in.U32(), 1u);
  in.Skip(8);
  EXPECT_EQ(in.I16(), -2);
  EXPECT_EQ(in.remaining(), 0u);
}

TEST(WindowTemplate, ItemRecordsAreConsultedInTheBlobAsRead) {
  const std::vector<WindowDescription> described = SampleWindows();
  const WindowTable table = *WindowTable::Read(WriteWindowTemplate(described), kCodeBase);
  const UnitTable& units = table.Window(0).units;
  std::span<const uint8_t> blob = units.blob();
  ArchiveReader in(blob);
  for (size_t i = 0; i < units.size(); ++i) EXPECT_EQ(in.U32(), units.Item(i).id());

  // Record i sits behind its length word, at its offset from the record area.
  const size_t recordArea = 8 * units.size();
  for (size_t i = 0; i < units.size(); ++i) {
    const uint32_t offset = in.U32();
    std::span<const uint8_t> record = units.Record(units.Item(i));
    EXPECT_EQ(record.data(), blob.data() + recordArea + offset + 4);
    ArchiveReader length(blob.subspan(recordArea + offset, 4));
    EXPECT_EQ(length.U32(), record.size());
  }
}

TEST(WindowTemplate, FindsWindowsAndItemsByIdAndTellsMenuItems) {
  WindowTable table = *WindowTable::Read(WriteWindowTemplate(SampleWindows()), kCodeBase);
  EXPECT_EQ(table.Find(0x52010003), nullptr);
  ASSERT_NE(table.Find(test::kSecondWindow), nullptr);
  EXPECT_EQ(table.Find(test::kSecondWindow)->firstText, "第二");

  UnitTable& units = table.Find(test::kMainWindow)->units;
  EXPECT_EQ(units.Find(test::kLabel)->unit()->name, "标签2");
  EXPECT_EQ(units.Find(test::kLabel)->unit()->tag, "音量标签");
  EXPECT_EQ(units.Find(0x16010099), nullptr);
  EXPECT_TRUE(IsMenuItemId(test::kFileMenu));
  EXPECT_FALSE(IsMenuItemId(test::kLabel));
  EXPECT_FALSE(IsMenuItemId(test::kMainOwnUnit));
  EXPECT_FALSE(IsMenuItemId(0x22010001));  // kind 2 but not a list item
  EXPECT_TRUE(units.Find(test::kFileMenu)->isMenuItem());
  EXPECT_EQ(units.Find(test::kFileMenu)->unit(), nullptr);
}

TEST(WindowTemplate, RunTimeSlotsAreKeptPerEntryAndACopyOfTheTableHasItsOwn) {
  WindowTable table = *WindowTable::Read(WriteWindowTemplate(SampleWindows()), kCodeBase);
  UnitTable& units = table.Find(test::kMainWindow)->units;
  int object = 0, cursor = 0;
  const UnitTable loadCopy = units;
  units.Find(test::kSlider)->SetObject(&object);
  units.Find(test::kSlider)->SetCursor(&cursor);
  units.Find(test::kSlider)->unit()->left = 99;

  EXPECT_EQ(units.Find(test::kSlider)->object(), &object);
  EXPECT_EQ(units.Find(test::kSlider)->cursor(), &cursor);
  EXPECT_EQ(loadCopy.Find(test::kSlider)->object(), nullptr);
  EXPECT_EQ(loadCopy.Find(test::kSlider)->unit()->left, 8);
  // The blob stays as read, and the copy's records point into its own blob.
  EXPECT_EQ(Bytes(loadCopy.blob()), Bytes(units.blob()));
  const auto recordStart = units.Record(units.Item(1)).data() - units.blob().data();
  EXPECT_EQ(loadCopy.Record(loadCopy.Item(1)).data(), loadCopy.blob().data() + recordStart);
}

TEST(WindowTemplate, LengthZeroMeansNoWindows) { EXPECT_EQ(WindowTable::Read({}, kCodeBase)->size(), 0u); }

TEST(WindowTemplate, NoWindowsAtAllIsAnEmptyTable) {
  EXPECT_EQ(WindowTable::Read(WriteWindowTemplate({}), kCodeBase)->size(), 0u);
}

TEST(WindowTemplate, EveryTruncationOfAValidStreamIsTheTemplateError) {
  const std::vector<uint8_t> bytes = WriteWindowTemplate(SampleWindows());
  for (size_t length = 1; length < bytes.size(); ++length) {
    SCOPED_TRACE(length);
    ExpectTemplateError(std::vector<uint8_t>(bytes.begin(), bytes.begin() + length));
  }
}

TEST(WindowTemplate, BytesAfterTheLastWindowRecordAreTheTemplateError) {
  std::vector<uint8_t> bytes = WriteWindowTemplate(SampleWindows());
  bytes.push_back(0);
  ExpectTemplateError(bytes);
  ExpectTemplateError(ArchiveWriter().U32(0).U32(0).Take());
}

TEST(WindowTemplate, AWindowTableNotMadeOfWholeEntriesIsTheTemplateError) {
  std::vector<uint8_t> bytes = WriteWindowTemplate(SampleWindows());
  bytes[0] = 12;  // the second window's id read as half an entry
  ExpectTemplateError(bytes);
}

TEST(WindowTemplate, MoreWindowsThanRecordsIsTheTemplateError) {
  std::vector<WindowDescription> windows = SampleWindows();
  std::vector<uint8_t> bytes = WriteWindowTemplate(windows);
  const std::vector<uint8_t> bigTable(8 * 1000, 0);
  std::vector<uint8_t> stream = ArchiveWriter().Block(bigTable).Take();
  stream.insert(stream.end(), bytes.begin() + 4 + 16, bytes.end());
  ExpectTemplateError(stream);
}

TEST(WindowTemplate, AnItemCountTheBlobCannotHoldIsTheTemplateError) {
  const std::vector<uint8_t> record = ArchiveWriter().ZText("x").Take();
  ExpectTemplateError(OneWindowWithBlob(2, OneItemBlob(0x06010000, record)));
  ExpectTemplateError(OneWindowWithBlob(0x20000000, OneItemBlob(0x06010000, record)));
  ExpectTemplateError(OneWindowWithBlob(0xFFFFFFFF, {}));
}

TEST(WindowTemplate, RecordOffsetsOrLengthsLeavingTheBlobAreTheTemplateError) {
  ArchiveWriter record;
  WriteUnitRecord(record, StoredUnit{}, {});
  std::vector<uint8_t> blob = OneItemBlob(0x06010000, record.bytes());
  EXPECT_EQ(WindowTable::Read(OneWindowWithBlob(1, blob), kCodeBase)->size(), 1u);

  std::vector<uint8_t> badOffset = blob;
  badOffset[4] = 1;  // the length word would reach one byte past the blob
  ExpectTemplateError(OneWindowWithBlob(1, badOffset));
  badOffset[4] = 0;
  badOffset[7] = 0x80;  // far outside
  ExpectTemplateError(OneWindowWithBlob(1, badOffset));

  std::vector<uint8_t> badLength = blob;
  badLength[8] += 1;
  ExpectTemplateError(OneWindowWithBlob(1, badLength));
  badLength[8] -= 1;
  badLength[11] = 0xFF;
  ExpectTemplateError(OneWindowWithBlob(1, badLength));
}

TEST(WindowTemplate, ARecordWalkRunningPastItsRecordIsTheTemplateError) {
  ArchiveWriter whole;
  WriteUnitRecord(whole, StoredUnit{}, {});
  const std::vector<uint8_t> record = whole.bytes();
  // The walk needs every fixed byte up to the property block; cut anywhere before
  // and the record (not the blob, which has room to spare) ends too early.
  for (size_t length = 0; length < record.size(); ++length) {
    SCOPED_TRACE(length);
    std::vector<uint8_t> blob = OneItemBlob(0x06010000, {record.begin(), record.begin() + length});
    blob.insert(blob.end(), record.begin() + length, record.end());
    ExpectTemplateError(OneWindowWithBlob(1, blob));
  }

  ArchiveWriter menu;
  WriteMenuItemRecord(menu, StoredMenuItem{});
  std::vector<uint8_t> shortMenu = menu.bytes();
  shortMenu.pop_back();
  ExpectTemplateError(OneWindowWithBlob(1, OneItemBlob(test::kFileMenu, shortMenu)));
  // The same bytes walked as a unit record would run out too: the id decides.
  std::optional<WindowTable> table =
      WindowTable::Read(OneWindowWithBlob(1, OneItemBlob(test::kFileMenu, menu.bytes())), kCodeBase);
  ASSERT_TRUE(table);
  EXPECT_EQ(table->Window(0).units.Item(0).menuItem()->handlerOffset, kNoHandler);
  ExpectTemplateError(OneWindowWithBlob(1, OneItemBlob(0x16010001, menu.bytes())));
}

TEST(WindowTemplate, HugeChildOrBindingCountsAreTheTemplateError) {
  StoredUnit unit;
  unit.children = {0x16010002};
  unit.bindings = {{0, 0}};
  ArchiveWriter record;
  WriteUnitRecord(record, unit, {});
  std::vector<uint8_t> bytes = record.Take();
  const size_t childCount = 24 + 2 + 28;  // head, two empty names, slot, geometry, slot, parent
  const size_t bindingCount = childCount + 8 + 4 + 0 + 1 + 12;

  std::vector<uint8_t> children = bytes;
  ASSERT_EQ(children[childCount], 1);
  children[childCount + 3] = 0x40;
  ExpectTemplateError(OneWindowWithBlob(1, OneItemBlob(0x06010000, children)));
  std::vector<uint8_t> bindings = bytes;
  ASSERT_EQ(bindings[bindingCount], 1);
  bindings[bindingCount + 3] = 0x20;
  ExpectTemplateError(OneWindowWithBlob(1, OneItemBlob(0x06010000, bindings)));
}

}  // namespace
}  // namespace vx
