#include "plugin/slots.h"

#include <cstring>

#include "cbmdisk/geometry.h"

namespace pellaxo {

ArchiveSlot SlotTable[kSlotCount];
HostCallback GlobalChangeVolProc;
HostCallback GlobalProcessDataProc;

namespace {

uint8_t LoadInUse(const ArchiveSlot& slot) {
  return __atomic_load_n(&slot.InUse, __ATOMIC_ACQUIRE);
}

void StoreInUse(ArchiveSlot& slot, uint8_t value) {
  __atomic_store_n(&slot.InUse, value, __ATOMIC_RELEASE);
}

bool TryClaim(ArchiveSlot& slot) {
  uint8_t expected = kSlotFree;
  return __atomic_compare_exchange_n(&slot.InUse, &expected, kSlotClaimed, false, __ATOMIC_ACQ_REL,
                                     __ATOMIC_ACQUIRE);
}

// Claims the highest-numbered free slot; 0 when all ten are taken.
int32_t ClaimFreeSlot() {
  for (int32_t handle = kSlotCount; handle >= 1; --handle) {
    if (TryClaim(SlotTable[handle - 1])) return handle;
  }
  return 0;
}

// A path that does not fit ArchivePath is refused rather than cut: the cut
// path could name another file and would be reported under the wrong name.
bool CopyPath(char (&to)[kHostTextField], const char* path) {
  if (path == nullptr || path[0] == '\0') return false;
  const size_t length = strnlen(path, kHostTextField);
  if (length >= static_cast<size_t>(kHostTextField)) return false;
  std::memcpy(to, path, length + 1);
  return true;
}

int32_t OpenIntoSlot(ArchiveSlot& slot, const char* path) {
  if (!CopyPath(slot.ArchivePath, path)) return OpenFailed;
  platform::FileHandle file;
  if (!platform::OpenReadOnly(slot.ArchivePath, &file)) return OpenFailed;
  int64_t size = 0;
  if (!platform::FileSize(file, &size)) {
    platform::CloseFile(file);
    return OpenFailed;
  }
  if (!cbmdisk::IsImageSize(size)) {
    platform::CloseFile(file);
    return UnrecognisedSize;
  }
  slot.ImageFile = file;
  return Success;
}

}  // namespace

void ClearSlotTable() {
  std::memset(static_cast<void*>(SlotTable), 0, sizeof SlotTable);
  GlobalChangeVolProc = nullptr;
  GlobalProcessDataProc = nullptr;
}

ArchiveSlot* SlotOf(int32_t handle) {
  if (handle < 1 || handle > kSlotCount) return nullptr;
  return &SlotTable[handle - 1];
}

ArchiveSlot* OpenSlotOf(int32_t handle) {
  ArchiveSlot* slot = SlotOf(handle);
  return (slot != nullptr && LoadInUse(*slot) == kSlotOpen) ? slot : nullptr;
}

int32_t OpenImage(const char* path, int32_t* failure) {
  const int32_t handle = ClaimFreeSlot();
  if (handle == 0) {
    *failure = NoFreeSlot;
    return 0;
  }
  ArchiveSlot& slot = SlotTable[handle - 1];
  const int32_t result = OpenIntoSlot(slot, path);
  if (result != Success) {
    StoreInUse(slot, kSlotFree);
    *failure = result;
    return 0;
  }
  // The walk fields are set by the first ReadHeader, which finds
  // EntryCounter at 0; recorded callbacks stay as they are.
  slot.EntryCounter = 0;
  StoreInUse(slot, kSlotOpen);
  return handle;
}

int32_t CloseImage(int32_t handle) {
  ArchiveSlot* slot = OpenSlotOf(handle);
  if (slot == nullptr) return Success;
  const bool closed = platform::CloseFile(slot->ImageFile);
  StoreInUse(*slot, kSlotFree);
  return closed ? Success : CloseFailed;
}

void RecordCallback(int32_t handle, CallbackKind kind, HostCallback callback) {
  const bool change_vol = kind == CallbackKind::ChangeVol;
  if (handle == kPluginHandle) {
    (change_vol ? GlobalChangeVolProc : GlobalProcessDataProc) = callback;
    return;
  }
  ArchiveSlot* slot = SlotOf(handle);
  if (slot == nullptr) return;
  (change_vol ? slot->ChangeVolProc : slot->ProcessDataProc) = callback;
}

}  // namespace pellaxo
