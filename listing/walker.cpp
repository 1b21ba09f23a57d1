#include "listing/walker.h"

#include <cstring>

#include "cbmdisk/geometry.h"
#include "cbmdisk/text.h"
#include "platform/platform.h"

namespace listing {

namespace {

using cbmdisk::kSectorSize;
using pellaxo::ArchiveSlot;
using pellaxo::HeaderRecord;

using Sector = uint8_t[kSectorSize];

// The stamp the disk header entry carries: 30 July 1999, 00:10:00.
constexpr pellaxo::DosDateParts kDiskHeaderTime = {1999, 7, 30, 0, 10, 0};

// A file entry's FileTime is this minus its position: no calendar stamp.
constexpr uint32_t kFileTimeBase = 512;

// Reads the 256 bytes of one sector; false when the sector does not exist
// (offset -1) or its bytes cannot all be read.
bool ReadSector(const ArchiveSlot& slot, int32_t offset, Sector& sector) {
  if (offset < 0) return false;
  return platform::ReadAt(slot.ImageFile, offset, sector, kSectorSize) == kSectorSize;
}

// A directory track of 0 marks a walk that has ended.
void EndWalk(ArchiveSlot& slot) {
  slot.DirTrack = 0;
}

char* AppendText(char* out, const char* text) {
  const size_t length = std::strlen(text);
  std::memcpy(out, text, length);
  return out + length;
}

char* AppendPetscii(char* out, const uint8_t* bytes, int32_t count) {
  return out + cbmdisk::PetsciiToText(bytes, count, out);
}

// The position in at least three digits; positions never pass 144.
char* AppendPosition(char* out, int32_t position) {
  *out++ = static_cast<char>('0' + position / 100 % 10);
  *out++ = static_cast<char>('0' + position / 10 % 10);
  *out++ = static_cast<char>('0' + position % 10);
  return out;
}

// Title, ".", ID text and banner. The walk always enters the directory at
// track 18 sector 1; the BAM's link bytes are not trusted.
int32_t AnswerDiskHeader(ArchiveSlot& slot, HeaderRecord& record) {
  slot.DirTrack = cbmdisk::kDirTrack;
  slot.DirSector = cbmdisk::kFirstDirSector;
  slot.DirOffset = 0;
  Sector bam;
  if (!ReadSector(slot, cbmdisk::kBamOffset, bam)) {
    EndWalk(slot);
    slot.EntryCounter = 1;
    return pellaxo::EndOfListing;
  }
  char* out = record.FileName;
  out = AppendPetscii(out, bam + cbmdisk::kDiskTitleOffset, cbmdisk::kDiskTitleLength);
  *out++ = '.';
  out = AppendPetscii(out, bam + cbmdisk::kDiskIdOffset, cbmdisk::kDiskIdLength);
  AppendText(out, kBanner);
  record.UnpackedSize = -1;
  record.FileTime = pellaxo::PackDosDateTime(kDiskHeaderTime);
  record.FileAttributes = pellaxo::DirectoryAttribute;
  return pellaxo::Success;
}

void FillFileEntry(HeaderRecord& record, int32_t position, const uint8_t* entry) {
  char* out = AppendPosition(record.FileName, position);
  *out++ = '.';
  out = AppendPetscii(out, entry + cbmdisk::kEntryNameOffset, cbmdisk::kEntryNameLength);
  AppendText(out, cbmdisk::FileTypeSuffix(entry[cbmdisk::kFileTypeOffset]));
  const int32_t blocks =
      entry[cbmdisk::kBlockCountOffset] + 256 * entry[cbmdisk::kBlockCountOffset + 1];
  record.UnpackedSize = blocks * 1000;
  record.FileTime = kFileTimeBase - static_cast<uint32_t>(position);
}

// Steps past the slot just examined; after a sector's last slot, follows the
// sector's link as it stands (a track of 0 ends the chain).
void AdvanceSlot(ArchiveSlot& slot, const Sector& sector) {
  slot.DirOffset += cbmdisk::kEntrySize;
  if (slot.DirOffset < kSectorSize) return;
  slot.DirTrack = sector[cbmdisk::kNextTrackOffset];
  if (slot.DirTrack == 0) return;
  slot.DirSector = sector[cbmdisk::kNextSectorOffset];
  slot.DirOffset = 0;
}

// Examines slots until one holds a file. Every examined slot reads its
// sector afresh; nothing carries over between slots or calls.
int32_t AnswerNextFile(ArchiveSlot& slot, HeaderRecord& record) {
  Sector sector;
  for (;;) {
    if (slot.DirTrack == 0 || slot.EntryCounter > cbmdisk::kMaxEntryPositions) {
      return pellaxo::EndOfListing;
    }
    if (!ReadSector(slot, cbmdisk::SectorOffset(slot.DirTrack, slot.DirSector), sector)) {
      EndWalk(slot);
      return pellaxo::EndOfListing;
    }
    const uint8_t* entry = sector + slot.DirOffset;
    const bool holds_file = entry[cbmdisk::kFileTypeOffset] != 0;
    if (holds_file) FillFileEntry(record, slot.EntryCounter, entry);
    AdvanceSlot(slot, sector);
    if (holds_file) return pellaxo::Success;
    ++slot.EntryCounter;
  }
}

}  // namespace

int32_t ReadNextEntry(ArchiveSlot& slot, HeaderRecord& record) {
  std::memset(static_cast<void*>(&record), 0, pellaxo::kHeaderClearedBytes);
  std::memcpy(record.ArchiveName, slot.ArchivePath,
              strnlen(slot.ArchivePath, pellaxo::kHostTextField - 1));
  const int32_t result =
      slot.EntryCounter == 0 ? AnswerDiskHeader(slot, record) : AnswerNextFile(slot, record);
  if (result == pellaxo::Success) ++slot.EntryCounter;
  return result;
}

}  // namespace listing
