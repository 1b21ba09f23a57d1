// Builds small D64 images in memory for the tests, with offsets computed
// here from the zone table, independently of the plug-in's own arithmetic.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace testimg {

using Image = std::vector<uint8_t>;

constexpr size_t k35Tracks = 174848;
constexpr size_t k35TracksWithErrors = 175531;
constexpr size_t k40Tracks = 196608;
constexpr size_t k40TracksWithErrors = 197376;

// A formatted, empty disk: title "TEST DISK", ID "PX", DOS type "2A", the
// directory one sector (track 18 sector 1) linking to track 0.
Image BlankDisk(size_t size = k35Tracks);

// Byte offset of a track and sector, from the zone table.
size_t Offset(int track, int sector);

// Commodore text of exactly length bytes: the text's bytes, filled out with
// 0xA0.
std::string Padded(const std::string& text, size_t length = 16);

void SetTitle(Image& image, const std::string& sixteen_bytes);
void SetDiskId(Image& image, const std::string& five_bytes);

// Sets a directory sector's link (bytes 0 and 1).
void Link(Image& image, int track, int sector, uint8_t next_track, uint8_t next_sector);

struct Entry {
  uint8_t type;
  std::string name;  // up to 16 bytes, filled out with 0xA0
  uint16_t blocks;
};

// Writes a directory entry into slot 0..7 of a directory sector.
void PutEntry(Image& image, int track, int sector, int slot, const Entry& entry);

// A directory of `sectors` chained sectors on track 18 (sectors 1, 2, ...),
// each slot holding a file named "F<position>".
Image FullDirectory(int sectors, size_t size = k35Tracks);

// Writes the image to a fresh file in the tests' temporary folder; returns
// its path.
std::string WriteImage(const Image& image, const std::string& name);

// The tests' temporary folder, made on first use, removed at exit.
std::string TempDir();

}  // namespace testimg
