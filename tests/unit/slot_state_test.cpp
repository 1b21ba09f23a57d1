// What the exports do to the SlotTable and to the file, seen from inside:
// callbacks, walk state, and the reads counted by the platform seam.
#include <gtest/gtest.h>

#include "platform/seam.h"
#include "plugin/exports.h"
#include "plugin/slots.h"
#include "tests/test_support.h"

using namespace pellaxo;
using platform::seam::GetCounts;

namespace {

class SlotStateTest : public PluginTest {
 protected:
  void SetUp() override { platform::seam::ResetCounts(); }
};

int32_t PELLAXO_CALL SomeCallback(char*, int32_t) {
  return 0;
}
int32_t PELLAXO_CALL OtherCallback(char*, int32_t) {
  return 1;
}

TEST_F(SlotStateTest, StartupClearsEveryField) {
  SlotTable[4].EntryCounter = 9;
  SlotTable[4].ChangeVolProc = &SomeCallback;
  GlobalProcessDataProc = &SomeCallback;
  PellaxoLibraryStartup();
  const auto* bytes = reinterpret_cast<const unsigned char*>(SlotTable);
  for (size_t i = 0; i < sizeof SlotTable; ++i) ASSERT_EQ(bytes[i], 0) << i;
  EXPECT_EQ(GlobalChangeVolProc, nullptr);
  EXPECT_EQ(GlobalProcessDataProc, nullptr);
}

TEST_F(SlotStateTest, CallbacksAreRecordedPerSlotOrPluginWide) {
  SetChangeVolProc(-1, &SomeCallback);
  SetProcessDataProc(-1, &OtherCallback);
  EXPECT_EQ(GlobalChangeVolProc, &SomeCallback);
  EXPECT_EQ(GlobalProcessDataProc, &OtherCallback);
  for (const ArchiveSlot& slot : SlotTable) {
    EXPECT_EQ(slot.ChangeVolProc, nullptr);
    EXPECT_EQ(slot.ProcessDataProc, nullptr);
  }
  // A free slot records too, and stays free; open and close keep it.
  SetChangeVolProc(3, &OtherCallback);
  SetProcessDataProc(3, &SomeCallback);
  EXPECT_EQ(SlotTable[2].ChangeVolProc, &OtherCallback);
  EXPECT_EQ(SlotTable[2].ProcessDataProc, &SomeCallback);
  EXPECT_EQ(SlotTable[2].InUse, kSlotFree);
  // Handles that name nothing touch nothing.
  SetChangeVolProc(0, nullptr);
  SetChangeVolProc(11, nullptr);
  SetProcessDataProc(-2, nullptr);
  EXPECT_EQ(GlobalChangeVolProc, &SomeCallback);
  EXPECT_EQ(SlotTable[2].ChangeVolProc, &OtherCallback);
  // A null callback is stored like any other.
  SetChangeVolProc(-1, nullptr);
  SetChangeVolProc(3, nullptr);
  EXPECT_EQ(GlobalChangeVolProc, nullptr);
  EXPECT_EQ(SlotTable[2].ChangeVolProc, nullptr);
  PellaxoLibraryStartup();
}

TEST_F(SlotStateTest, OpeningReadsNothingAndFailuresLeaveNoFileOpen) {
  const int64_t open_files = GetCounts().open_files;
  const int32_t handle = OpenImage(BlankImagePath());
  EXPECT_EQ(GetCounts().reads, 0);
  EXPECT_EQ(GetCounts().open_files, open_files + 1);
  EXPECT_EQ(SlotTable[handle - 1].EntryCounter, 0);
  CloseArchive(handle);
  EXPECT_EQ(GetCounts().open_files, open_files);
  OpenImage(testimg::WriteImage(testimg::Image(1000), "small.d64"));
  EXPECT_EQ(GetCounts().open_files, open_files);
  EXPECT_EQ(GetCounts().reads, 0);
}

// One 256-byte read per examined slot; the header entry reads only the BAM;
// after the end, nothing.
TEST_F(SlotStateTest, ReadsOneSectorPerExaminedSlotAndNothingAfterTheEnd) {
  testimg::Image image = testimg::BlankDisk();
  testimg::PutEntry(image, 18, 1, 0, {0x82, "ONE", 1});
  testimg::PutEntry(image, 18, 1, 5, {0x82, "SIX", 1});
  const int32_t handle = OpenImage(testimg::WriteImage(image, "reads.d64"));
  const ArchiveSlot& slot = SlotTable[handle - 1];
  const auto read_one = [&](int64_t expected_reads) {
    platform::seam::ResetCounts();
    HeaderRecord record;
    const int32_t result = ReadHeader(handle, &record);
    EXPECT_EQ(GetCounts().reads, expected_reads);
    return result;
  };
  EXPECT_EQ(read_one(1), Success);  // the BAM
  EXPECT_EQ(slot.EntryCounter, 1);
  EXPECT_EQ(slot.DirTrack, 18);
  EXPECT_EQ(slot.DirSector, 1);
  EXPECT_EQ(slot.DirOffset, 0);
  EXPECT_EQ(read_one(1), Success);  // slot 1
  EXPECT_EQ(read_one(5), Success);  // slots 2..6
  EXPECT_EQ(slot.EntryCounter, 7);
  EXPECT_EQ(slot.DirOffset, 6 * 32);
  EXPECT_EQ(read_one(2), EndOfListing);  // slots 7 and 8, then the link to track 0
  EXPECT_EQ(slot.DirTrack, 0);
  EXPECT_EQ(read_one(0), EndOfListing);
  EXPECT_EQ(read_one(0), EndOfListing);
  CloseArchive(handle);
}

TEST_F(SlotStateTest, LoopingChainReadsAtMostOneHundredFortyFourSectorsInOneCall) {
  testimg::Image image = testimg::BlankDisk();
  testimg::Link(image, 18, 1, 18, 1);
  const int32_t handle = OpenImage(testimg::WriteImage(image, "loop.d64"));
  HeaderRecord record;
  ReadHeader(handle, &record);
  platform::seam::ResetCounts();
  EXPECT_EQ(ReadHeader(handle, &record), EndOfListing);
  EXPECT_EQ(GetCounts().reads, 144);
  EXPECT_EQ(SlotTable[handle - 1].EntryCounter, 145);
  platform::seam::ResetCounts();
  EXPECT_EQ(ReadHeader(handle, &record), EndOfListing);
  EXPECT_EQ(GetCounts().reads, 0);
  CloseArchive(handle);
}

TEST_F(SlotStateTest, ProcessFileLeavesTheWalkStateAlone) {
  const int32_t handle = OpenImage(testimg::WriteImage(testimg::FullDirectory(1), "one.d64"));
  HeaderRecord record;
  ReadHeader(handle, &record);
  ReadHeader(handle, &record);
  const ArchiveSlot before = SlotTable[handle - 1];
  platform::seam::ResetCounts();
  for (int32_t operation : {Skip, pellaxo::Test, Extract, 7})
    ProcessFile(handle, operation, nullptr, nullptr);
  platform::seam::TakeBoxes();
  const ArchiveSlot& after = SlotTable[handle - 1];
  EXPECT_EQ(after.EntryCounter, before.EntryCounter);
  EXPECT_EQ(after.DirTrack, before.DirTrack);
  EXPECT_EQ(after.DirSector, before.DirSector);
  EXPECT_EQ(after.DirOffset, before.DirOffset);
  const platform::seam::Counts counts = GetCounts();
  EXPECT_EQ(counts.reads + counts.opens + counts.sizes + counts.closes, 0);
  CloseArchive(handle);
}

}  // namespace
