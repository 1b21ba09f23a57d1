#include "plugin/records.h"

namespace pellaxo {

uint32_t PackDosDateTime(const DosDateParts& parts) {
  const uint16_t date =
      static_cast<uint16_t>((parts.Year - 1980) * 512 + parts.Month * 32 + parts.Day);
  const uint16_t time =
      static_cast<uint16_t>(parts.Hour * 2048 + parts.Minute * 32 + parts.Second / 2);
  return static_cast<uint32_t>(date) << 16 | time;
}

}  // namespace pellaxo
