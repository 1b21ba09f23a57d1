// What listing costs and leaves behind: no heap allocation in any export,
// no byte written to the image, and a read-only open.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#ifndef _WIN32
#include <fcntl.h>
#endif

#include "plugin/slots.h"
#include "tests/test_support.h"

// Heap allocations of this program so far, or -1 where they cannot be
// counted (allocation_counter.cpp).
long AllocationCount();

using namespace pellaxo;

namespace {

class ResourcesTest : public PluginTest {};

TEST_F(ResourcesTest, OpenListAndCloseAllocateNothing) {
  if (AllocationCount() < 0) GTEST_SKIP() << "allocations are not counted in this build";
  const std::string path = testimg::WriteImage(testimg::FullDirectory(18), "full.d64");
  OpenArchiveRecord open = {path.c_str(), 0, 0};
  OpenArchiveRecord missing = {"no-such-disk.d64", 0, 0};
  HeaderRecord record;
  int answers = 0;

  const long before = AllocationCount();
  const int32_t handle = Plugin().OpenArchive(&open);
  while (Plugin().ReadHeader(handle, &record) == Success) ++answers;
  Plugin().ReadHeader(handle, &record);
  Plugin().ProcessFile(handle, Skip, nullptr, nullptr);
  Plugin().CloseArchive(handle);
  Plugin().OpenArchive(&missing);
  Plugin().GetPackerCaps();
  const long allocations = AllocationCount() - before;

  EXPECT_EQ(answers, 145);
  EXPECT_EQ(allocations, 0);
}

TEST_F(ResourcesTest, ListingWritesNothingAndOpensReadOnly) {
  const std::string path = testimg::WriteImage(testimg::FullDirectory(3), "readonly.d64");
  std::filesystem::permissions(path, std::filesystem::perms::owner_read |
                                         std::filesystem::perms::group_read |
                                         std::filesystem::perms::others_read);
  const auto read_bytes = [&] {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  };
  const std::string bytes_before = read_bytes();
  const auto time_before = std::filesystem::last_write_time(path);

  const int32_t handle = OpenImage(path);
  ASSERT_NE(handle, 0);
#ifndef _WIN32
  const int flags = fcntl(static_cast<int>(SlotTable[handle - 1].ImageFile), F_GETFL);
  EXPECT_EQ(flags & O_ACCMODE, O_RDONLY);
#endif
  EXPECT_EQ(ReadAll(handle).size(), 1u + 24 + 1);
  Plugin().ProcessFile(handle, Extract, nullptr, nullptr);
  Plugin().CloseArchive(handle);

  EXPECT_EQ(read_bytes(), bytes_before);
  EXPECT_EQ(std::filesystem::last_write_time(path), time_before);
  std::filesystem::permissions(path, std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::add);
}

}  // namespace
