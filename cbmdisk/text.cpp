#include "cbmdisk/text.h"

namespace cbmdisk {

int32_t PetsciiToText(const uint8_t* in, int32_t count, char* out) {
  if (count <= 0) return 0;
  for (int32_t i = 0; i < count; ++i) {
    const uint8_t c = in[i];
    if (c < 0x20 || c == 0xA0) {
      out[i] = ' ';
    } else if (c > 0x5F) {
      out[i] = kUnshownChar;
    } else {
      out[i] = static_cast<char>(c);
    }
  }
  return count;
}

namespace {

struct SuffixRow {
  uint8_t file_type;
  const char* suffix;
};

constexpr SuffixRow kSuffixes[] = {
    {0x01, ".*seq"}, {0x02, ".*prg"}, {0x03, ".*usr"}, {0x04, ".*rel"}, {0x80, ".del"},
    {0x81, ".seq"},  {0x82, ".prg"},  {0x83, ".usr"},  {0x84, ".rel"},  {0xC0, ".del<"},
    {0xC1, ".seq<"}, {0xC2, ".prg<"}, {0xC3, ".usr<"}, {0xC4, ".rel<"},
};

}  // namespace

const char* FileTypeSuffix(uint8_t file_type) {
  for (const SuffixRow& row : kSuffixes) {
    if (row.file_type == file_type) return row.suffix;
  }
  return "";
}

}  // namespace cbmdisk
