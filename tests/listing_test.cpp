// Listing a disk through ReadHeader: the disk header entry, the file entries
// in chain order, the end, and damaged directories.
#include <cstring>

#include "tests/test_support.h"

using namespace pellaxo;
using testimg::Entry;
using testimg::Image;

namespace {

class ListingTest : public PluginTest {};

std::string Bytes(const char* text) {
  return std::string(text);
}

constexpr uint32_t kHeaderStamp = (19u * 512 + 7 * 32 + 30) << 16 | (10 * 32);

TEST_F(ListingTest, FirstAnswerIsTheDiskHeaderEntry) {
  Image image = testimg::BlankDisk();
  testimg::SetTitle(image, testimg::Padded("MY DISK"));
  const std::string path = testimg::WriteImage(image, "header.d64");
  const int32_t handle = OpenImage(path);

  HeaderRecord record;
  std::memset(&record, 0x5A, sizeof record);
  ASSERT_EQ(Plugin().ReadHeader(handle, &record), Success);
  EXPECT_EQ(Bytes(record.ArchiveName), path);
  EXPECT_EQ(Bytes(record.FileName), "MY DISK         .PX 2A\\Pellaxo 0.10 by the Pellaxo authors");
  EXPECT_EQ(record.UnpackedSize, -1);
  EXPECT_EQ(record.FileTime, kHeaderStamp);
  EXPECT_EQ(record.FileAttributes, DirectoryAttribute);
  for (int32_t zero : {record.EntryFlags, record.PackedSize, record.HostSystem, record.FileChecksum,
                       record.PackerVersion, record.PackMethod}) {
    EXPECT_EQ(zero, 0);
  }
  // Everything after the NULs of the two text fields is cleared; the host's
  // comment fields keep what it put there.
  const auto* bytes = reinterpret_cast<const unsigned char*>(&record);
  for (size_t i = path.size(); i < 260; ++i) ASSERT_EQ(bytes[i], 0) << i;
  for (size_t i = 260 + std::strlen(record.FileName); i < 520; ++i) ASSERT_EQ(bytes[i], 0) << i;
  for (size_t i = offsetof(HeaderRecord, CommentBuffer); i < sizeof record; ++i) {
    ASSERT_EQ(bytes[i], 0x5A) << i;
  }
  Plugin().CloseArchive(handle);
}

TEST_F(ListingTest, EightFilesInOneSectorThenTheEnd) {
  Image image = testimg::BlankDisk();
  for (int slot = 0; slot < 8; ++slot) {
    testimg::PutEntry(image, 18, 1, slot, {0x82, "FILE" + std::to_string(slot + 1), 1});
  }
  const std::string path = testimg::WriteImage(image, "eight.d64");
  const int32_t handle = OpenImage(path);
  const std::vector<Answer> answers = ReadAll(handle);
  ASSERT_EQ(answers.size(), 10u);
  for (int i = 1; i <= 8; ++i) {
    EXPECT_EQ(answers[i].result, Success);
    EXPECT_EQ(Bytes(answers[i].record.FileName),
              "00" + std::to_string(i) + ".FILE" + std::to_string(i) + "           .prg");
    EXPECT_EQ(answers[i].record.FileAttributes, 0);
    EXPECT_EQ(answers[i].record.FileTime, 512u - i);
  }
  const HeaderRecord& end = answers[9].record;
  EXPECT_EQ(answers[9].result, EndOfListing);
  EXPECT_EQ(Bytes(end.ArchiveName), path);
  EXPECT_EQ(Bytes(end.FileName), "");
  EXPECT_EQ(end.UnpackedSize, 0);
  EXPECT_EQ(end.FileTime, 0u);
  EXPECT_EQ(end.FileAttributes, 0);
  // The end stays the end.
  for (int i = 0; i < 3; ++i) EXPECT_EQ(ReadAll(handle)[0].result, EndOfListing);
  Plugin().CloseArchive(handle);
}

TEST_F(ListingTest, PositionsCountEmptySlotsAndContinueIntoTheNextSector) {
  Image image = testimg::BlankDisk();
  testimg::PutEntry(image, 18, 1, 0, {0x82, "ONE", 1});
  testimg::PutEntry(image, 18, 1, 2, {0x82, "THREE", 1});
  testimg::Link(image, 18, 1, 18, 4);
  testimg::PutEntry(image, 18, 4, 0, {0x81, "NINE", 1});
  testimg::PutEntry(image, 18, 4, 7, {0x81, "SIXTEEN", 1});
  const std::vector<std::string> names = ListNames(testimg::WriteImage(image, "gaps.d64"));
  const std::vector<std::string> expected = {names[0],
                                             "001.ONE             .prg",
                                             "003.THREE           .prg",
                                             "009.NINE            .seq",
                                             "016.SIXTEEN         .seq",
                                             "<end 10>"};
  EXPECT_EQ(names, expected);
}

TEST_F(ListingTest, FullDirectoryOfOneHundredFortyFourFiles) {
  const std::string path = testimg::WriteImage(testimg::FullDirectory(18), "full.d64");
  const int32_t handle = OpenImage(path);
  const std::vector<Answer> answers = ReadAll(handle);
  ASSERT_EQ(answers.size(), 146u);
  for (size_t i = 0; i < 145; ++i) ASSERT_EQ(answers[i].result, Success) << i;
  EXPECT_EQ(answers[145].result, EndOfListing);
  EXPECT_EQ(Bytes(answers[1].record.FileName).substr(0, 7), "001.F1 ");
  EXPECT_EQ(Bytes(answers[144].record.FileName).substr(0, 9), "144.F144 ");
  EXPECT_EQ(answers[1].record.FileTime, 511u);
  EXPECT_EQ(answers[144].record.FileTime, 368u);
  Plugin().CloseArchive(handle);
}

// A chain that runs on ends after 144 positions: a loop with no files, a
// loop full of files, and a chain of more than 18 sectors.
TEST_F(ListingTest, LoopingAndOverlongChainsEndAfterOneHundredFortyFourPositions) {
  Image empty_loop = testimg::BlankDisk();
  testimg::Link(empty_loop, 18, 1, 18, 1);
  const int32_t handle = OpenImage(testimg::WriteImage(empty_loop, "empty-loop.d64"));
  const std::vector<Answer> answers = ReadAll(handle);
  ASSERT_EQ(answers.size(), 2u);
  EXPECT_EQ(answers[1].result, EndOfListing);
  Plugin().CloseArchive(handle);

  Image full_loop = testimg::FullDirectory(2);
  testimg::Link(full_loop, 18, 2, 18, 1);
  std::vector<std::string> names = ListNames(testimg::WriteImage(full_loop, "full-loop.d64"));
  ASSERT_EQ(names.size(), 146u);
  EXPECT_EQ(names[144].substr(0, 7), "144.F16");
  EXPECT_EQ(names[145], "<end 10>");

  Image overlong = testimg::FullDirectory(18);
  testimg::Link(overlong, 18, 18, 18, 1);
  names = ListNames(testimg::WriteImage(overlong, "overlong.d64"));
  ASSERT_EQ(names.size(), 146u);
  EXPECT_EQ(names[145], "<end 10>");
}

// A link that names no readable sector ends the listing after the entries
// read so far; the end stays the end.
TEST_F(ListingTest, UnreadableLinksEndTheListing) {
  const struct {
    uint8_t track;
    uint8_t sector;
    size_t size;
  } cases[] = {
      {0, 0xFF, testimg::k35Tracks},  // the regular end of the chain
      {41, 0, testimg::k35Tracks},    // no such track
      {255, 255, testimg::k35Tracks},
      {36, 0, testimg::k35Tracks},    // past the end of a 35-track file
      {40, 17, testimg::k40Tracks},   // runs past the end of a 40-track file
      {18, 255, testimg::k35Tracks},  // sector far past the track's count
  };
  for (const auto& c : cases) {
    Image image = testimg::BlankDisk(c.size);
    testimg::PutEntry(image, 18, 1, 7, {0x82, "LAST", 2});
    testimg::Link(image, 18, 1, c.track, c.sector);
    const std::string path = testimg::WriteImage(image, "link.d64");
    const int32_t handle = OpenImage(path);
    const std::vector<Answer> answers = ReadAll(handle);
    ASSERT_GE(answers.size(), 3u) << int(c.track);
    EXPECT_EQ(Bytes(answers[1].record.FileName), "008.LAST            .prg");
    EXPECT_EQ(answers.back().result, EndOfListing) << int(c.track) << "/" << int(c.sector);
    EXPECT_EQ(ReadAll(handle)[0].result, EndOfListing);
    Plugin().CloseArchive(handle);
  }
}

TEST_F(ListingTest, EveryImageSizeListsTheSameAndFortyTrackDisksReachTrackForty) {
  std::vector<std::string> lists[4];
  const size_t sizes[] = {testimg::k35Tracks, testimg::k35TracksWithErrors, testimg::k40Tracks,
                          testimg::k40TracksWithErrors};
  for (int i = 0; i < 4; ++i) {
    Image image = testimg::BlankDisk(sizes[i]);
    testimg::PutEntry(image, 18, 1, 0, {0x82, "HELLO", 3});
    // The error bytes of the larger files are set, and never read.
    for (size_t at = sizes[i] / 257 * 256; at < sizes[i] && sizes[i] % 256 != 0; ++at) {
      image[at] = 0xEE;
    }
    lists[i] = ListNames(testimg::WriteImage(image, "size" + std::to_string(i) + ".d64"));
  }
  for (int i = 1; i < 4; ++i) EXPECT_EQ(lists[i], lists[0]);

  Image image = testimg::BlankDisk(testimg::k40Tracks);
  testimg::Link(image, 18, 1, 40, 16);  // the very last sector of the image
  testimg::PutEntry(image, 40, 16, 0, {0x82, "FAR AWAY", 1});
  const std::vector<std::string> names = ListNames(testimg::WriteImage(image, "track40.d64"));
  ASSERT_EQ(names.size(), 3u);
  EXPECT_EQ(names[1], "009.FAR AWAY        .prg");
}

TEST_F(ListingTest, NamesTypesAndSizes) {
  const struct {
    Entry entry;
    const char* file_name;
    int32_t size;
  } cases[] = {
      {{0x82, "HELLO", 1}, "001.HELLO           .prg", 1000},
      {{0xC2, "LOCKED", 0}, "001.LOCKED          .prg<", 0},
      {{0x02, "SPLAT", 258}, "001.SPLAT           .*prg", 258000},
      {{0x42, "ODD", 65535}, "001.ODD             ", 65535000},
      {{0x85, "ODD", 1}, "001.ODD             ", 1000},
      {{0x80, "GONE", 1}, "001.GONE            .del", 1000},
      {{0xC4, "RECORDS", 1}, "001.RECORDS         .rel<", 1000},
      {{0xFF, "ALL", 1}, "001.ALL             ", 1000},
      // A NUL does not end the name; control codes and 0xA0 become blanks;
      // 0x20..0x5F stay; everything else becomes 0x97.
      {{0x82, std::string("A\0B\x1F\x5C\x60\x9F\xA0\xA1\xFF\x20\x5F\x40\xC1Z!", 16), 1},
       "001.A B \\\x97\x97 \x97\x97 _@\x97Z!.prg",
       1000},
  };
  for (const auto& c : cases) {
    Image image = testimg::BlankDisk();
    testimg::PutEntry(image, 18, 1, 0, c.entry);
    const int32_t handle = OpenImage(testimg::WriteImage(image, "names.d64"));
    const std::vector<Answer> answers = ReadAll(handle);
    ASSERT_EQ(answers.size(), 3u);
    EXPECT_EQ(Bytes(answers[1].record.FileName), c.file_name);
    EXPECT_EQ(answers[1].record.UnpackedSize, c.size);
    Plugin().CloseArchive(handle);
  }
}

TEST_F(ListingTest, TitleAndIdKeepEveryByteConverted) {
  Image image = testimg::BlankDisk();
  testimg::SetTitle(image, std::string("\x01GAMES\xA0\xC1\x60 DISK!!!!", 16));
  testimg::SetDiskId(image, std::string("\0"
                                        "9\xA0"
                                        "2A",
                                        5));
  const std::vector<std::string> names = ListNames(testimg::WriteImage(image, "title.d64"));
  EXPECT_EQ(names[0], " GAMES \x97\x97 DISK!!. 9 2A\\Pellaxo 0.10 by the Pellaxo authors");
}

TEST_F(ListingTest, NoFreeSlotHandlesAnswerNotOpenAndLeaveTheRecordAlone) {
  const int32_t handle = OpenImage(BlankImagePath());
  Plugin().CloseArchive(handle);
  for (int32_t h : {handle, 0, 11, -1, INT32_MAX}) {
    HeaderRecord record;
    std::memset(&record, 0x5A, sizeof record);
    EXPECT_EQ(Plugin().ReadHeader(h, &record), NotOpen) << h;
    const auto* bytes = reinterpret_cast<const unsigned char*>(&record);
    for (size_t i = 0; i < sizeof record; ++i) ASSERT_EQ(bytes[i], 0x5A) << i;
  }
}

TEST_F(ListingTest, NullRecordGetsNoEntryAndDoesNotMoveTheWalk) {
  const int32_t handle = OpenImage(BlankImagePath());
  EXPECT_EQ(Plugin().ReadHeader(handle, nullptr), NotOpen);
  const std::vector<Answer> answers = ReadAll(handle);
  ASSERT_EQ(answers.size(), 2u);
  EXPECT_EQ(answers[0].record.FileAttributes, DirectoryAttribute);
  Plugin().CloseArchive(handle);
}

}  // namespace
