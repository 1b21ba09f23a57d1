// The SlotTable: one fixed, process-wide table of ten ArchiveSlots. A handle
// is the number (1..10) of a slot; nothing is allocated per image.
#pragma once

#include <cstdint>

#include "platform/platform.h"
#include "plugin/records.h"

namespace pellaxo {

constexpr int32_t kSlotCount = 10;

// InUse values. A slot is claimed while OpenArchive opens its file, so two
// overlapping opens never take the same slot; ImageFile is open exactly
// while InUse is kSlotOpen.
constexpr uint8_t kSlotFree = 0;
constexpr uint8_t kSlotClaimed = 1;
constexpr uint8_t kSlotOpen = 2;

struct ArchiveSlot {
  char ArchivePath[kHostTextField];  // the path the image was opened by
  platform::FileHandle ImageFile;
  uint8_t InUse;  // only through the atomic helpers below
  HostCallback ChangeVolProc;
  HostCallback ProcessDataProc;
  // Walk state: 0 until the first ReadHeader, then the position of the next
  // directory slot to examine; the directory sector that holds it; and the
  // slot's byte offset within that sector.
  int32_t EntryCounter;
  int32_t DirTrack;
  int32_t DirSector;
  int32_t DirOffset;
};

extern ArchiveSlot SlotTable[kSlotCount];
extern HostCallback GlobalChangeVolProc;
extern HostCallback GlobalProcessDataProc;

// Sets every field of every slot, and the plug-in-wide callbacks, to zero.
void ClearSlotTable();

// The slot a handle names, or null for a handle outside 1..10.
ArchiveSlot* SlotOf(int32_t handle);

// The slot a handle names if it holds an open image, else null.
ArchiveSlot* OpenSlotOf(int32_t handle);

// Opens path into the highest-numbered free slot. Returns the handle, or 0
// with the reason (NoFreeSlot, UnrecognisedSize, OpenFailed) in *failure; a
// failed open leaves the slot free and no file open.
int32_t OpenImage(const char* path, int32_t* failure);

// Closes an open handle's file and frees its slot: Success or CloseFailed.
// A free slot, or a handle outside 1..10, is left alone: Success.
int32_t CloseImage(int32_t handle);

enum class CallbackKind { ChangeVol, ProcessData };

// Records a host callback for one slot (open or free) or, for handle -1,
// for the plug-in as a whole. Any other handle does nothing.
void RecordCallback(int32_t handle, CallbackKind kind, HostCallback callback);

}  // namespace pellaxo
