// The commands a read-only plug-in refuses, or answers without work.
#include "tests/test_support.h"

using namespace pellaxo;

namespace {

class RefusalTest : public PluginTest {
 protected:
  void SetUp() override { StartBoxCapture(); }
  void TearDown() override {
    StopBoxCapture();
    PluginTest::TearDown();
  }
};

constexpr char kWarningText[] = "This function is not supported in this version of Pellaxo";

void ExpectWarnings(const std::vector<ShownBox>& boxes, size_t count) {
  ASSERT_EQ(boxes.size(), count);
  for (const ShownBox& box : boxes) {
    EXPECT_EQ(box.caption, "Pellaxo error");
    EXPECT_EQ(box.text, kWarningText);
    if (BoxOwnerAndStyleSeen()) {
      EXPECT_EQ(box.owner, nullptr);
      EXPECT_EQ(box.style, 0x30u);
    }
  }
}

testimg::Image TwoFiles() {
  testimg::Image image = testimg::BlankDisk();
  testimg::PutEntry(image, 18, 1, 0, {0x82, "ONE", 1});
  testimg::PutEntry(image, 18, 1, 1, {0x82, "TWO", 1});
  return image;
}

TEST_F(RefusalTest, TestAndExtractAreRefusedOncePerCallAndTheWalkGoesOn) {
  const int32_t handle = OpenImage(testimg::WriteImage(TwoFiles(), "two.d64"));
  ASSERT_EQ(ReadAll(handle, 1)[0].result, Success);
  EXPECT_EQ(Plugin().ProcessFile(handle, pellaxo::Test, nullptr, nullptr), NotSupported);
  ExpectWarnings(StopBoxCapture(), 1);
  ASSERT_EQ(ReadAll(handle, 1)[0].record.FileName, std::string("001.ONE             .prg"));
  StartBoxCapture();
  EXPECT_EQ(Plugin().ProcessFile(handle, Extract, "C:\\out", "one.prg"), NotSupported);
  EXPECT_EQ(Plugin().ProcessFile(handle, Extract, nullptr, nullptr), NotSupported);
  ExpectWarnings(StopBoxCapture(), 2);
  ASSERT_EQ(ReadAll(handle, 1)[0].record.FileName, std::string("002.TWO             .prg"));
  Plugin().CloseArchive(handle);
}

TEST_F(RefusalTest, SkipAndUnknownOperationsSucceedWithoutABox) {
  const int32_t handle = OpenImage(testimg::WriteImage(TwoFiles(), "two.d64"));
  ReadAll(handle, 1);
  for (int32_t operation : {0, 3, -1, 100, INT32_MIN}) {
    for (int32_t h : {handle, 0, 5, 11, -1}) {
      EXPECT_EQ(Plugin().ProcessFile(h, operation, nullptr, nullptr), Success) << operation;
    }
  }
  ASSERT_EQ(ReadAll(handle, 1)[0].record.FileName, std::string("001.ONE             .prg"));
  Plugin().CloseArchive(handle);
  EXPECT_TRUE(StopBoxCapture().empty());
}

TEST_F(RefusalTest, TestAndExtractOnAHandleWithNoImageSucceedWithoutABox) {
  const int32_t handle = OpenImage(BlankImagePath());
  Plugin().CloseArchive(handle);
  for (int32_t h : {handle, 1, 0, 11, -1, INT32_MAX}) {
    EXPECT_EQ(Plugin().ProcessFile(h, pellaxo::Test, nullptr, nullptr), Success);
    EXPECT_EQ(Plugin().ProcessFile(h, Extract, nullptr, nullptr), Success);
  }
  EXPECT_TRUE(StopBoxCapture().empty());
}

TEST_F(RefusalTest, PackAndDeleteAlwaysShowTheWarning) {
  EXPECT_EQ(Plugin().PackFiles(nullptr, nullptr, nullptr, nullptr, 0), NotSupported);
  EXPECT_EQ(Plugin().DeleteFiles(nullptr, nullptr), NotSupported);
  EXPECT_EQ(Plugin().PackFiles("a.d64", "", "C:\\", "x\0\0", 1), NotSupported);
  EXPECT_EQ(Plugin().DeleteFiles("a.d64", "001.HELLO\0\0"), NotSupported);
  ExpectWarnings(StopBoxCapture(), 4);
}

TEST_F(RefusalTest, CapabilityIsConfigureOnlyWhateverIsOpen) {
  EXPECT_EQ(Plugin().GetPackerCaps(), 16);
  const int32_t handle = OpenImage(BlankImagePath());
  EXPECT_EQ(Plugin().GetPackerCaps(), 16);
  Plugin().CloseArchive(handle);
  EXPECT_EQ(Plugin().GetPackerCaps(), 16);
  EXPECT_TRUE(StopBoxCapture().empty());
}

TEST_F(RefusalTest, ConfigureShowsTheAboutBoxOwnedByTheParentWindow) {
  int window = 0;
  Plugin().ConfigurePacker(&window, nullptr);
  Plugin().ConfigurePacker(nullptr, &window);
  const std::vector<ShownBox> boxes = StopBoxCapture();
  ASSERT_EQ(boxes.size(), 2u);
  for (const ShownBox& box : boxes) {
    EXPECT_EQ(box.caption, "About Pellaxo");
    EXPECT_EQ(box.text.rfind("Pellaxo plugin 0.10", 0), 0u) << box.text;
    EXPECT_NE(box.text.find("by the Pellaxo authors"), std::string::npos);
  }
  if (BoxOwnerAndStyleSeen()) {
    EXPECT_EQ(boxes[0].owner, &window);
    EXPECT_EQ(boxes[1].owner, nullptr);
    EXPECT_EQ(boxes[0].style, 0x40u);
    EXPECT_EQ(boxes[0].text.find('\n'), boxes[0].text.find('\r') + 1) << "lines end in CR LF";
  }
}

}  // namespace
