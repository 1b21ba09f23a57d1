// Layout of a D64 image: the sector-by-sector copy of a 1541 floppy disk.
// Pure: no state, no file access.
#pragma once

#include <cstdint>

namespace cbmdisk {

constexpr int32_t kSectorSize = 256;

// The four file sizes that are images: 35 or 40 tracks, each with or without
// one trailing error byte per sector. The size moves no sector.
constexpr int64_t kImageSizes[] = {174848, 175531, 196608, 197376};

bool IsImageSize(int64_t bytes);

// Byte offset of a sector in the image, or -1 for a track outside 1..40.
// The sector is never compared with the track's sector count: a sector past
// the end of its track addresses the following track.
int32_t SectorOffset(int32_t track, int32_t sector);

// The BAM sector lies at track 18 sector 0 in every accepted size.
constexpr int32_t kBamOffset = 91392;
constexpr int32_t kDiskTitleOffset = 0x90;
constexpr int32_t kDiskTitleLength = 16;
constexpr int32_t kDiskIdOffset = 0xA2;
constexpr int32_t kDiskIdLength = 5;

// The directory is always entered at track 18 sector 1; the BAM's link bytes
// are not trusted.
constexpr int32_t kDirTrack = 18;
constexpr int32_t kFirstDirSector = 1;

// A directory sector: its link in bytes 0 and 1, then eight 32-byte entries
// (the first entry's bytes 0 and 1 are that link).
constexpr int32_t kNextTrackOffset = 0x00;
constexpr int32_t kNextSectorOffset = 0x01;
constexpr int32_t kEntrySize = 32;
constexpr int32_t kEntriesPerSector = kSectorSize / kEntrySize;

// Fields of a directory entry, from the entry's first byte.
constexpr int32_t kFileTypeOffset = 0x02;
constexpr int32_t kEntryNameOffset = 0x05;
constexpr int32_t kEntryNameLength = 16;
constexpr int32_t kBlockCountOffset = 0x1E;  // unsigned 16-bit, low byte first

// Track 18 holds 18 directory sectors after the BAM: the walk never examines
// more slot positions than that, whatever the chain says.
constexpr int32_t kMaxEntryPositions = 144;

}  // namespace cbmdisk
