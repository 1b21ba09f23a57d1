#include "cbmdisk/geometry.h"

namespace cbmdisk {

bool IsImageSize(int64_t bytes) {
  for (int64_t size : kImageSizes) {
    if (bytes == size) return true;
  }
  return false;
}

int32_t SectorOffset(int32_t track, int32_t sector) {
  // Four zones of 21, 19, 18 and 17 sectors per track. Each rule counts from
  // the first byte of its zone, so neighbouring rules agree at tracks 18, 25
  // and 31.
  if (track >= 1 && track <= 18) return kSectorSize * (21 * (track - 1) + sector);
  if (track >= 19 && track <= 25) return 91392 + kSectorSize * (19 * (track - 18) + sector);
  if (track >= 26 && track <= 31) return 125440 + kSectorSize * (18 * (track - 25) + sector);
  if (track >= 32 && track <= 40) return 153088 + kSectorSize * (17 * (track - 31) + sector);
  return -1;
}

}  // namespace cbmdisk
