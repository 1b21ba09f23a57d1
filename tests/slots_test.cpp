// Opening and closing images: the SlotTable as the host sees it.
#include <filesystem>

#include "tests/test_support.h"

using namespace pellaxo;

namespace {

class SlotTest : public PluginTest {};

TEST_F(SlotTest, HandsOutTheHighestFreeSlotAndReusesAFreedOne) {
  const int32_t first = OpenImage(BlankImagePath());
  const int32_t second = OpenImage(BlankImagePath());
  EXPECT_EQ(first, 10);
  EXPECT_EQ(second, 9);
  EXPECT_EQ(Plugin().CloseArchive(first), Success);
  const int32_t again = OpenImage(BlankImagePath());
  EXPECT_EQ(again, 10);
  Plugin().CloseArchive(again);
  Plugin().CloseArchive(second);
}

TEST_F(SlotTest, EleventhOpenFindsNoSlotAndLeavesTheTenUntouched) {
  int32_t handles[10];
  for (int i = 0; i < 10; ++i) {
    handles[i] = OpenImage(BlankImagePath());
    ASSERT_EQ(handles[i], 10 - i);
  }
  int32_t open_result = 0;
  EXPECT_EQ(OpenImage(BlankImagePath(), &open_result), 0);
  EXPECT_EQ(open_result, NoFreeSlot);
  for (int32_t handle : handles) {
    const std::vector<Answer> answers = ReadAll(handle);
    ASSERT_EQ(answers.size(), 2u);
    EXPECT_EQ(answers[0].result, Success);
    EXPECT_EQ(answers[1].result, EndOfListing);
    EXPECT_EQ(Plugin().CloseArchive(handle), Success);
  }
}

TEST_F(SlotTest, MissingFileFailsAndFreesTheChosenSlot) {
  int32_t open_result = 0;
  EXPECT_EQ(OpenImage(testimg::TempDir() + "/no-such-disk.d64", &open_result), 0);
  EXPECT_EQ(open_result, OpenFailed);
  const int32_t handle = OpenImage(BlankImagePath());
  EXPECT_EQ(handle, 10);
  Plugin().CloseArchive(handle);
}

TEST_F(SlotTest, AcceptsExactlyTheFourImageSizes) {
  const struct {
    size_t size;
    bool accepted;
  } cases[] = {{0, false},     {174847, false}, {174848, true},  {174849, false}, {175531, true},
               {196608, true}, {197376, true},  {197377, false}, {1024, false}};
  for (const auto& c : cases) {
    const std::string path =
        testimg::WriteImage(testimg::Image(c.size, 0), "size-" + std::to_string(c.size) + ".d64");
    int32_t open_result = -7;
    const int32_t handle = OpenImage(path, &open_result);
    if (c.accepted) {
      EXPECT_EQ(handle, 10) << c.size;
      EXPECT_EQ(open_result, -7) << "OpenResult is left alone on success, size " << c.size;
      Plugin().CloseArchive(handle);
    } else {
      EXPECT_EQ(handle, 0) << c.size;
      EXPECT_EQ(open_result, UnrecognisedSize) << c.size;
    }
  }
}

TEST_F(SlotTest, OpenModeChangesNothing) {
  for (int32_t mode : {0, 1, 2, -1, 0x7FFFFFFF}) {
    OpenArchiveRecord record = {BlankImagePath().c_str(), mode, 0};
    const int32_t handle = Plugin().OpenArchive(&record);
    EXPECT_EQ(handle, 10) << mode;
    Plugin().CloseArchive(handle);
    OpenArchiveRecord missing = {"no-such-file.d64", mode, 0};
    EXPECT_EQ(Plugin().OpenArchive(&missing), 0);
    EXPECT_EQ(missing.OpenResult, OpenFailed);
  }
}

TEST_F(SlotTest, NullOrEmptyPathsAndNullRecordsAreRefused) {
  EXPECT_EQ(Plugin().OpenArchive(nullptr), 0);
  for (const char* path : {static_cast<const char*>(nullptr), ""}) {
    OpenArchiveRecord record = {path, 0, 0};
    EXPECT_EQ(Plugin().OpenArchive(&record), 0);
    EXPECT_EQ(record.OpenResult, OpenFailed);
  }
}

// A path that does not fit the 259 characters of ArchivePath is refused: cut
// short, it could name another file. One that fits is opened and reported.
TEST_F(SlotTest, PathOfTwoHundredFiftyNineCharactersOpensAndALongerOneIsRefused) {
  const std::string dir = testimg::TempDir() + "/";
  const std::string folder(259 - dir.size() - 6, 'd');
  std::filesystem::create_directories(dir + folder);
  testimg::WriteImage(testimg::BlankDisk(), folder + "/x.d64");
  const std::string fitting = dir + folder + "/x.d64";
  ASSERT_EQ(fitting.size(), 259u);

  const int32_t handle = OpenImage(fitting);
  ASSERT_EQ(handle, 10);
  EXPECT_EQ(std::string(ReadAll(handle)[0].record.ArchiveName), fitting);
  Plugin().CloseArchive(handle);

  // The same file through a longer path, and 300 characters whose first 259
  // name that file: both refused.
  for (const std::string& too_long : {dir + folder + "/./x.d64", fitting + std::string(41, 'z')}) {
    int32_t open_result = 0;
    EXPECT_EQ(OpenImage(too_long, &open_result), 0) << too_long.size();
    EXPECT_EQ(open_result, OpenFailed);
  }
}

TEST_F(SlotTest, ClosingTwiceOrClosingNoSlotChangesNothing) {
  const int32_t handle = OpenImage(BlankImagePath());
  EXPECT_EQ(Plugin().CloseArchive(handle), Success);
  EXPECT_EQ(Plugin().CloseArchive(handle), Success);
  for (int32_t outside : {0, 11, -1, 1000, INT32_MIN}) {
    EXPECT_EQ(Plugin().CloseArchive(outside), Success) << outside;
  }
}

TEST_F(SlotTest, ReopeningStartsTheListingAfresh) {
  int32_t handle = OpenImage(BlankImagePath());
  ASSERT_EQ(ReadAll(handle).size(), 2u);
  Plugin().CloseArchive(handle);
  handle = OpenImage(BlankImagePath());
  const std::vector<Answer> answers = ReadAll(handle, 1);
  EXPECT_EQ(answers[0].record.FileAttributes, DirectoryAttribute);
  Plugin().CloseArchive(handle);
}

TEST_F(SlotTest, CallbackSettersAcceptAnyHandleAndTouchNoListing) {
  const int32_t handle = OpenImage(BlankImagePath());
  for (int32_t h : {-1, 0, 3, handle, 11, INT32_MIN}) {
    Plugin().SetChangeVolProc(h, nullptr);
    Plugin().SetProcessDataProc(h, nullptr);
  }
  EXPECT_EQ(ReadAll(handle).size(), 2u);
  Plugin().CloseArchive(handle);
}

}  // namespace
