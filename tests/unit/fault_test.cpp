// Every file call of an open-and-list sequence fails in turn, or a read
// comes back short: each export still answers one of its codes, no file is
// left open, and the next image opens and lists as usual.
#include <gtest/gtest.h>

#include "platform/seam.h"
#include "tests/test_support.h"

using namespace pellaxo;
using platform::seam::Call;

namespace {

struct Sequence {
  int32_t open_result = Success;   // OpenResult when the open failed
  std::vector<std::string> names;  // entries answered with 0
  int32_t end = 0;                 // the answer that ended the listing
  int32_t close_result = Success;
};

Sequence OpenListClose(const std::string& path) {
  Sequence run;
  const int32_t handle = OpenImage(path, &run.open_result);
  if (handle == 0) return run;
  run.open_result = Success;
  for (const Answer& answer : ReadAll(handle)) {
    if (answer.result == Success) {
      run.names.emplace_back(answer.record.FileName);
      EXPECT_EQ(Plugin().ProcessFile(handle, Skip, nullptr, nullptr), Success);
    } else {
      run.end = answer.result;
    }
  }
  run.close_result = Plugin().CloseArchive(handle);
  return run;
}

class FaultTest : public PluginTest {};

TEST_F(FaultTest, EveryFailingFileCallIsAnsweredWithACode) {
  testimg::Image image = testimg::BlankDisk();
  testimg::PutEntry(image, 18, 1, 0, {0x82, "ONE", 1});
  testimg::PutEntry(image, 18, 1, 3, {0x81, "TWO", 2});
  testimg::Link(image, 18, 1, 18, 4);
  testimg::PutEntry(image, 18, 4, 1, {0x83, "THREE", 3});
  const std::string path = testimg::WriteImage(image, "faults.d64");

  platform::seam::ResetCounts();
  const Sequence clean = OpenListClose(path);
  const platform::seam::Counts calls = platform::seam::GetCounts();
  ASSERT_EQ(clean.names.size(), 4u);
  ASSERT_EQ(calls.opens, 1);
  ASSERT_EQ(calls.sizes, 1);
  ASSERT_EQ(calls.closes, 1);
  ASSERT_EQ(calls.reads, 1 + 16);  // the BAM, then every slot of both sectors

  const struct {
    Call call;
    int64_t count;
    bool short_read;
  } kinds[] = {{Call::Open, calls.opens, false},
               {Call::Size, calls.sizes, false},
               {Call::Read, calls.reads, false},
               {Call::Read, calls.reads, true},
               {Call::Close, calls.closes, false}};
  for (const auto& kind : kinds) {
    for (int64_t nth = 1; nth <= kind.count; ++nth) {
      SCOPED_TRACE(::testing::Message() << "call kind " << static_cast<int>(kind.call) << ", #"
                                        << nth << (kind.short_read ? " short" : ""));
      platform::seam::ArmFault(kind.call, nth, kind.short_read);
      const Sequence run = OpenListClose(path);
      EXPECT_TRUE(platform::seam::FaultFired());
      platform::seam::DisarmFault();
      switch (kind.call) {
        case Call::Open:
        case Call::Size:
          EXPECT_EQ(run.open_result, OpenFailed);
          break;
        case Call::Read: {
          // The listing ends at the entry whose read failed: what came before
          // is answered as usual, then 10.
          EXPECT_EQ(run.end, EndOfListing);
          EXPECT_LE(run.names.size(), clean.names.size());
          for (size_t i = 0; i < run.names.size(); ++i) EXPECT_EQ(run.names[i], clean.names[i]);
          EXPECT_EQ(run.close_result, Success);
          break;
        }
        case Call::Close:
          EXPECT_EQ(run.names, clean.names);
          EXPECT_EQ(run.close_result, CloseFailed);
          break;
      }
      EXPECT_EQ(platform::seam::GetCounts().open_files, calls.open_files) << "a file was left open";
      const Sequence next = OpenListClose(path);
      EXPECT_EQ(next.names, clean.names);
      EXPECT_EQ(next.end, EndOfListing);
    }
  }
}

// A BAM that cannot be read ends the listing at once, and for good.
TEST_F(FaultTest, UnreadableBamEndsTheListing) {
  const int32_t handle = OpenImage(testimg::WriteImage(testimg::FullDirectory(1), "bam.d64"));
  platform::seam::ArmFault(Call::Read, 1);
  platform::seam::ResetCounts();
  const std::vector<Answer> answers = ReadAll(handle);
  platform::seam::DisarmFault();
  ASSERT_EQ(answers.size(), 1u);
  EXPECT_EQ(answers[0].result, EndOfListing);
  EXPECT_EQ(std::string(answers[0].record.FileName), "");
  EXPECT_EQ(ReadAll(handle)[0].result, EndOfListing);
  EXPECT_EQ(platform::seam::GetCounts().reads, 1);
  Plugin().CloseArchive(handle);
}

}  // namespace
