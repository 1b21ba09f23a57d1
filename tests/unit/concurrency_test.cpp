// More threads than slots open, list and close their own images at once:
// a handle is never held by two threads, each listing is its own image's,
// and the table ends empty.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "tests/test_support.h"

using namespace pellaxo;

namespace {

class ConcurrencyTest : public PluginTest {};

TEST_F(ConcurrencyTest, ThreadsNeverShareAHandleOrAListing) {
  constexpr int kThreads = 16;
  constexpr int kRounds = 30;
  std::vector<std::string> paths;
  for (int t = 0; t < kThreads; ++t) {
    testimg::Image image = testimg::BlankDisk();
    const std::string tag = "T" + std::to_string(t);
    testimg::SetTitle(image, testimg::Padded("DISK " + tag));
    for (int slot = 0; slot < 3 + t % 5; ++slot) {
      testimg::PutEntry(image, 18, 1, slot, {0x82, tag + "F" + std::to_string(slot), 1});
    }
    paths.push_back(testimg::WriteImage(image, "thread" + std::to_string(t) + ".d64"));
  }

  std::atomic<int> holders[11] = {};
  std::atomic<int> no_free_slot{0};
  std::atomic<int> wrong{0};
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&, t] {
      const std::string tag = "T" + std::to_string(t);
      for (int round = 0; round < kRounds; ++round) {
        int32_t open_result = 0;
        const int32_t handle = OpenImage(paths[t], &open_result);
        if (handle == 0) {
          if (open_result == NoFreeSlot)
            ++no_free_slot;
          else
            ++wrong;
          std::this_thread::yield();
          continue;
        }
        if (handle < 1 || handle > 10 || holders[handle].fetch_add(1) != 0) ++wrong;
        const std::vector<Answer> answers = ReadAll(handle);
        if (answers.size() != static_cast<size_t>(3 + t % 5 + 2)) ++wrong;
        for (size_t i = 0; i + 1 < answers.size(); ++i) {
          const std::string name = answers[i].record.FileName;
          const std::string expected =
              i == 0 ? "DISK " + tag + " " : tag + "F" + std::to_string(i - 1) + " ";
          if (name.find(expected) == std::string::npos) ++wrong;
        }
        holders[handle].fetch_sub(1);
        if (Plugin().CloseArchive(handle) != Success) ++wrong;
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  EXPECT_EQ(wrong.load(), 0);
  RecordProperty("no_free_slot_answers", no_free_slot.load());
}

}  // namespace
