// A listing should cost what its reads cost. The full listing of a 144-file
// disk through the exports is measured beside its floor: the same open, the
// same 145 positioned 256-byte reads at the same offsets, and the same
// close, done directly with the platform's calls.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

#include "cbmdisk/geometry.h"
#include "cbmdisk/text.h"
#include "platform/platform.h"
#include "plugin/exports.h"
#include "tests/image_builder.h"

namespace {

const std::string& FullDisk() {
  static const std::string path = testimg::WriteImage(testimg::FullDirectory(18), "full.d64");
  return path;
}

const std::string& LoopingDisk() {
  static const std::string path = [] {
    testimg::Image image = testimg::BlankDisk();
    testimg::Link(image, 18, 1, 18, 1);
    return testimg::WriteImage(image, "loop.d64");
  }();
  return path;
}

int32_t Open(const std::string& path) {
  pellaxo::OpenArchiveRecord record = {path.c_str(), 0, 0};
  return OpenArchive(&record);
}

void BM_FullListing(benchmark::State& state) {
  pellaxo::HeaderRecord record;
  for (auto _ : state) {
    const int32_t handle = Open(FullDisk());
    int answers = 0;
    while (ReadHeader(handle, &record) == pellaxo::Success) ++answers;
    CloseArchive(handle);
    if (answers != 145) state.SkipWithError("the listing is not 145 entries");
  }
}
BENCHMARK(BM_FullListing);

void BM_FullListingFloor(benchmark::State& state) {
  uint8_t sector[cbmdisk::kSectorSize];
  for (auto _ : state) {
    platform::FileHandle file;
    int64_t size;
    platform::OpenReadOnly(FullDisk().c_str(), &file);
    platform::FileSize(file, &size);
    platform::ReadAt(file, cbmdisk::kBamOffset, sector, cbmdisk::kSectorSize);
    for (int32_t s = 1; s <= 18; ++s) {
      for (int slot = 0; slot < 8; ++slot) {
        platform::ReadAt(file, cbmdisk::SectorOffset(18, s), sector, cbmdisk::kSectorSize);
        benchmark::DoNotOptimize(sector);
      }
    }
    platform::CloseFile(file);
  }
}
BENCHMARK(BM_FullListingFloor);

// One call examines 144 empty slots of a directory that loops on itself.
void BM_LoopingChain(benchmark::State& state) {
  pellaxo::HeaderRecord record;
  for (auto _ : state) {
    const int32_t handle = Open(LoopingDisk());
    ReadHeader(handle, &record);
    ReadHeader(handle, &record);
    CloseArchive(handle);
  }
}
BENCHMARK(BM_LoopingChain);

void BM_OpenClose(benchmark::State& state) {
  for (auto _ : state) CloseArchive(Open(FullDisk()));
}
BENCHMARK(BM_OpenClose);

void BM_SectorOffset(benchmark::State& state) {
  int32_t track = 1;
  for (auto _ : state) {
    benchmark::DoNotOptimize(cbmdisk::SectorOffset(track, 7));
    track = track % 40 + 1;
  }
}
BENCHMARK(BM_SectorOffset);

void BM_PetsciiToText(benchmark::State& state) {
  const uint8_t name[16] = {'G',  'A',  'M',  'E',  0xC1, 0x60, ' ',  '1',
                            0xA0, 0xA0, 0xA0, 0xA0, 0xA0, 0xA0, 0xA0, 0xA0};
  char out[16];
  for (auto _ : state) {
    benchmark::DoNotOptimize(cbmdisk::PetsciiToText(name, 16, out));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_PetsciiToText);

// Prints the usual table, then the listing's cost as ratios to its floor.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    // The median of the repetitions where there are several, else the run.
    for (const Run& run : runs) {
      const std::string& name = run.run_name.function_name;
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
        times_[name] = run.GetAdjustedRealTime();
      } else if (run.run_type == Run::RT_Iteration && run.repetitions <= 1) {
        times_[name] = run.GetAdjustedRealTime();
      }
    }
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    const double floor = times_["BM_FullListingFloor"];
    if (floor <= 0) return;
    std::printf("\nfull listing / floor:       %.3f (target: within 1.15)\n",
                times_["BM_FullListing"] / floor);
    std::printf("looping chain / floor:      %.3f (144 reads instead of 145)\n",
                times_["BM_LoopingChain"] / floor);
    std::printf("open and close / floor:     %.3f\n", times_["BM_OpenClose"] / floor);
  }

 private:
  std::map<std::string, double> times_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
