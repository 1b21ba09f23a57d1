// Writes the fuzz target's seed inputs made by the tests' image builder into
// a folder: a shape byte, then track 18 of each disk (see listing_harness).
#include <cstdio>
#include <string>

#include "tests/image_builder.h"

namespace {

void Seed(const std::string& dir, const std::string& name, uint8_t shape,
          const testimg::Image& image) {
  const size_t at = testimg::Offset(18, 0);
  std::FILE* f = std::fopen((dir + "/" + name).c_str(), "wb");
  if (f == nullptr) return;
  std::fputc(shape, f);
  std::fwrite(image.data() + at, 1, 19 * 256, f);
  std::fclose(f);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_seeds DIR\n");
    return 2;
  }
  const std::string dir = argv[1];
  Seed(dir, "blank", 0, testimg::BlankDisk());
  Seed(dir, "full", 1, testimg::FullDirectory(18));
  Seed(dir, "two-sectors", 2, testimg::FullDirectory(2, testimg::k40Tracks));
  testimg::Image loop = testimg::FullDirectory(3);
  testimg::Link(loop, 18, 3, 18, 1);
  Seed(dir, "loop", 3, loop);
  testimg::Image far = testimg::FullDirectory(1);
  testimg::Link(far, 18, 1, 36, 0);
  Seed(dir, "link-36", 0, far);
  testimg::Link(far, 18, 1, 41, 0);
  Seed(dir, "link-41", 0, far);
  testimg::Image types = testimg::BlankDisk();
  const uint8_t kinds[] = {0x01, 0x02, 0x42, 0x80, 0x85, 0xC2, 0xC4, 0xFF};
  for (int slot = 0; slot < 8; ++slot) {
    testimg::PutEntry(
        types, 18, 1, slot,
        {kinds[slot], std::string("N\xA0\x00\xC1", 4), static_cast<uint16_t>(slot * 300)});
  }
  Seed(dir, "types", 0, types);
  std::FILE* odd = std::fopen((dir + "/odd-size").c_str(), "wb");
  if (odd != nullptr) {
    std::fputs("\x04not a disk", odd);
    std::fclose(odd);
  }
  return 0;
}
