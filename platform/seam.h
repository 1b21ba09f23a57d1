// Test seam of the platform layer, linked only into the tests (never into
// the library): counts every file call, makes a chosen call fail or a read
// come back short, and records message boxes instead of showing them.
#pragma once

#include <cstdint>

#include "platform/platform.h"

namespace platform::seam {

enum class Call { Open, Size, Read, Close };

struct Counts {
  int64_t opens;       // OpenReadOnly calls
  int64_t sizes;       // FileSize calls
  int64_t reads;       // ReadAt calls
  int64_t closes;      // CloseFile calls
  int64_t open_files;  // files opened and not yet closed
};

Counts GetCounts();
void ResetCounts();  // open_files is kept: it counts real descriptors

// From now on, the nth call (1-based) of the given kind fails: an open or a
// size query reports failure, a read returns 0 bytes, a close closes the
// file but reports an error. With short_read, the nth read instead returns
// only half of what was asked. One fault at a time; it fires once.
void ArmFault(Call call, int64_t nth, bool short_read = false);
void DisarmFault();
bool FaultFired();

struct Box {
  void* owner;
  char caption[64];
  char text[256];
  uint32_t style;
};

// Boxes shown since the last TakeBoxes (at most kMaxBoxes kept; count is
// exact).
constexpr int kMaxBoxes = 8;
struct Boxes {
  int count;
  Box box[kMaxBoxes];
};
Boxes TakeBoxes();

}  // namespace platform::seam
