// The disk format's pure functions and the DOS time stamp.
#include <gtest/gtest.h>

#include <string>

#include "cbmdisk/geometry.h"
#include "cbmdisk/text.h"
#include "plugin/records.h"

namespace {

TEST(SectorOffset, ZoneBoundariesAndTracksOutsideTheDisk) {
  const struct {
    int32_t track, sector, offset;
  } cases[] = {
      {1, 0, 0},
      {17, 20, 91392 - 256},
      {18, 0, 91392},
      {18, 1, 91392 + 256},
      {18, 19, 91392 + 19 * 256},  // runs on into track 19
      {19, 0, 91392 + 19 * 256},
      {24, 18, 125440 - 256},
      {25, 0, 125440},
      {26, 0, 125440 + 18 * 256},
      {30, 17, 153088 - 256},
      {31, 0, 153088},
      {32, 0, 153088 + 17 * 256},
      {35, 16, 174848 - 256},
      {36, 0, 174848},
      {40, 16, 196608 - 256},
      {1, 21, 21 * 256},
      {0, 0, -1},
      {41, 0, -1},
      {-1, 0, -1},
      {255, 255, -1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(cbmdisk::SectorOffset(c.track, c.sector), c.offset) << c.track << "/" << c.sector;
  }
  EXPECT_EQ(cbmdisk::SectorOffset(18, 0), cbmdisk::kBamOffset);
}

TEST(ImageSize, OnlyTheFourSizes) {
  for (int64_t size : {174848, 175531, 196608, 197376}) EXPECT_TRUE(cbmdisk::IsImageSize(size));
  for (int64_t size : {0, 174847, 174849, 175530, 175532, 196607, 197377, -174848}) {
    EXPECT_FALSE(cbmdisk::IsImageSize(size)) << size;
  }
}

std::string Convert(const std::string& petscii) {
  std::string out(petscii.size() + 4, '#');
  const int32_t n = cbmdisk::PetsciiToText(reinterpret_cast<const uint8_t*>(petscii.data()),
                                           static_cast<int32_t>(petscii.size()), &out[0]);
  EXPECT_EQ(n, static_cast<int32_t>(petscii.size()));
  EXPECT_EQ(out.substr(petscii.size()), "####") << "wrote past count";
  return out.substr(0, petscii.size());
}

TEST(PetsciiToText, EveryByteGivesOneByte) {
  const struct {
    std::string in, out;
  } cases[] = {
      {std::string("HELLO") + std::string(11, '\xA0'), "HELLO" + std::string(11, ' ')},
      {std::string("AB\0CD", 5), "AB CD"},
      {"\x1F", " "},
      {"\x20", " "},
      {"\x5F", "\x5F"},
      {"\x60", "\x97"},
      {"\x9F", "\x97"},
      {"\xA0", " "},
      {"\xA1", "\x97"},
      {"\xC1", "\x97"},
      {"\xFF", "\x97"},
      {"09:;<=>?@[\\]^", "09:;<=>?@[\\]^"},
      {std::string("PX\xA0"
                   "2A"),
       "PX 2A"},
  };
  for (const auto& c : cases) EXPECT_EQ(Convert(c.in), c.out) << c.in;
  char untouched = '#';
  EXPECT_EQ(cbmdisk::PetsciiToText(reinterpret_cast<const uint8_t*>("A"), 0, &untouched), 0);
  EXPECT_EQ(cbmdisk::PetsciiToText(reinterpret_cast<const uint8_t*>("A"), -5, &untouched), 0);
  EXPECT_EQ(untouched, '#');
}

TEST(PetsciiToText, NeverGivesLowerCaseOrNul) {
  for (int c = 0; c < 256; ++c) {
    const std::string out = Convert(std::string(1, static_cast<char>(c)));
    const unsigned char o = static_cast<unsigned char>(out[0]);
    EXPECT_TRUE((o >= 0x20 && o <= 0x5F) || o == 0x97) << c;
  }
}

TEST(FileTypeSuffix, WholeByteKeysOnly) {
  const struct {
    uint8_t type;
    const char* suffix;
  } cases[] = {
      {0x01, ".*seq"}, {0x02, ".*prg"}, {0x03, ".*usr"}, {0x04, ".*rel"}, {0x80, ".del"},
      {0x81, ".seq"},  {0x82, ".prg"},  {0x83, ".usr"},  {0x84, ".rel"},  {0xC0, ".del<"},
      {0xC1, ".seq<"}, {0xC2, ".prg<"}, {0xC3, ".usr<"}, {0xC4, ".rel<"}, {0x00, ""},
      {0x05, ""},      {0x40, ""},      {0x42, ""},      {0x85, ""},      {0xC5, ""},
      {0xFF, ""},
  };
  for (const auto& c : cases)
    EXPECT_STREQ(cbmdisk::FileTypeSuffix(c.type), c.suffix) << int(c.type);
}

TEST(PackDosDateTime, FieldsAddUpWithoutMasking) {
  using pellaxo::PackDosDateTime;
  EXPECT_EQ(PackDosDateTime({1999, 7, 30, 0, 10, 0}), (19u * 512 + 7 * 32 + 30) << 16 | (10 * 32));
  EXPECT_EQ(PackDosDateTime({1980, 1, 1, 0, 0, 0}), 0x0021u << 16);
  EXPECT_EQ(PackDosDateTime({1980, 1, 1, 0, 0, 59}) & 31, 29u);
  EXPECT_EQ(PackDosDateTime({1980, 1, 1, 0, 0, 59}), PackDosDateTime({1980, 1, 1, 0, 0, 58}));
  EXPECT_EQ(PackDosDateTime({2107, 12, 31, 23, 59, 58}), 0xFF9FBF7Du);
}

}  // namespace
