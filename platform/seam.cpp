#include "platform/seam.h"

#include <atomic>
#include <cstring>
#include <mutex>

#include "platform/os.h"

namespace platform::seam {

namespace {

std::atomic<int64_t> g_calls[4];
std::atomic<int64_t> g_open_files{0};

std::mutex g_fault_mutex;
bool g_fault_armed = false;
bool g_fault_fired = false;
Call g_fault_call = Call::Open;
int64_t g_fault_nth = 0;
bool g_fault_short = false;
int64_t g_fault_seen = 0;

std::mutex g_box_mutex;
Boxes g_boxes;

int64_t Count(Call call) {
  return g_calls[static_cast<int>(call)].load();
}

enum class Outcome { Normal, Fail, Short };

Outcome Intercept(Call call) {
  g_calls[static_cast<int>(call)].fetch_add(1);
  std::lock_guard<std::mutex> lock(g_fault_mutex);
  if (!g_fault_armed || g_fault_call != call) return Outcome::Normal;
  if (++g_fault_seen != g_fault_nth) return Outcome::Normal;
  g_fault_armed = false;
  g_fault_fired = true;
  return g_fault_short ? Outcome::Short : Outcome::Fail;
}

void CopyText(char* to, size_t size, const char* from) {
  std::strncpy(to, from != nullptr ? from : "", size - 1);
  to[size - 1] = '\0';
}

}  // namespace

Counts GetCounts() {
  return Counts{Count(Call::Open), Count(Call::Size), Count(Call::Read), Count(Call::Close),
                g_open_files.load()};
}

void ResetCounts() {
  for (auto& c : g_calls) c.store(0);
}

void ArmFault(Call call, int64_t nth, bool short_read) {
  std::lock_guard<std::mutex> lock(g_fault_mutex);
  g_fault_armed = true;
  g_fault_fired = false;
  g_fault_call = call;
  g_fault_nth = nth;
  g_fault_short = short_read;
  g_fault_seen = 0;
}

void DisarmFault() {
  std::lock_guard<std::mutex> lock(g_fault_mutex);
  g_fault_armed = false;
}

bool FaultFired() {
  std::lock_guard<std::mutex> lock(g_fault_mutex);
  return g_fault_fired;
}

Boxes TakeBoxes() {
  std::lock_guard<std::mutex> lock(g_box_mutex);
  Boxes taken = g_boxes;
  g_boxes.count = 0;
  return taken;
}

}  // namespace platform::seam

namespace platform {

using seam::Call;

bool OpenReadOnly(const char* path, FileHandle* file) {
  if (seam::Intercept(Call::Open) != seam::Outcome::Normal) return false;
  if (!os::OpenReadOnly(path, file)) return false;
  seam::g_open_files.fetch_add(1);
  return true;
}

bool FileSize(FileHandle file, int64_t* size) {
  if (seam::Intercept(Call::Size) != seam::Outcome::Normal) return false;
  return os::FileSize(file, size);
}

int32_t ReadAt(FileHandle file, int64_t offset, void* buffer, int32_t count) {
  switch (seam::Intercept(Call::Read)) {
    case seam::Outcome::Fail:
      std::memset(buffer, 0, static_cast<size_t>(count));
      return 0;
    case seam::Outcome::Short: {
      const int32_t got = os::ReadAt(file, offset, buffer, count / 2);
      std::memset(static_cast<char*>(buffer) + got, 0, static_cast<size_t>(count - got));
      return got;
    }
    case seam::Outcome::Normal:
      break;
  }
  return os::ReadAt(file, offset, buffer, count);
}

bool CloseFile(FileHandle file) {
  const bool fail = seam::Intercept(Call::Close) != seam::Outcome::Normal;
  const bool closed = os::CloseFile(file);
  seam::g_open_files.fetch_sub(1);
  return closed && !fail;
}

void ShowMessageBox(void* owner, const char* text, const char* caption, uint32_t style) {
  std::lock_guard<std::mutex> lock(seam::g_box_mutex);
  seam::Boxes& boxes = seam::g_boxes;
  if (boxes.count < seam::kMaxBoxes) {
    seam::Box& box = boxes.box[boxes.count];
    box.owner = owner;
    seam::CopyText(box.caption, sizeof box.caption, caption);
    seam::CopyText(box.text, sizeof box.text, text);
    box.style = style;
  }
  ++boxes.count;
}

}  // namespace platform
