#include "tests/test_support.h"

const std::string& BlankImagePath() {
  static const std::string path = testimg::WriteImage(testimg::BlankDisk(), "blank.d64");
  return path;
}

void ExpectAllSlotsFree() {
  int32_t handles[10];
  for (int32_t expected = 10; expected >= 1; --expected) {
    handles[10 - expected] = OpenImage(BlankImagePath());
    EXPECT_EQ(handles[10 - expected], expected) << "a slot was left open";
  }
  int32_t open_result = 0;
  EXPECT_EQ(OpenImage(BlankImagePath(), &open_result), 0);
  EXPECT_EQ(open_result, pellaxo::NoFreeSlot);
  for (int32_t handle : handles) {
    if (handle != 0) Plugin().CloseArchive(handle);
  }
}
