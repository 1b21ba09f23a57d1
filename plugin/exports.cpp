// The ten exports: argument checks, records in and out, result codes. The
// work is done one level down, in slots, refusals and the walker.
#include "plugin/exports.h"

#include "listing/walker.h"
#include "plugin/refusals.h"
#include "plugin/slots.h"

using namespace pellaxo;

void PellaxoLibraryStartup() {
  ClearSlotTable();
}

int32_t PELLAXO_CALL OpenArchive(OpenArchiveRecord* record) {
  if (record == nullptr) return 0;
  int32_t failure = Success;
  const int32_t handle = OpenImage(record->ArchiveName, &failure);
  if (handle == 0) record->OpenResult = failure;
  return handle;
}

int32_t PELLAXO_CALL CloseArchive(int32_t handle) {
  return CloseImage(handle);
}

int32_t PELLAXO_CALL ReadHeader(int32_t handle, HeaderRecord* record) {
  ArchiveSlot* slot = OpenSlotOf(handle);
  // A null record gets no entry, and the walk does not move.
  if (slot == nullptr || record == nullptr) return NotOpen;
  return listing::ReadNextEntry(*slot, *record);
}

int32_t PELLAXO_CALL ProcessFile(int32_t handle, int32_t operation, const char*, const char*) {
  return AnswerEntryOperation(handle, operation);
}

void PELLAXO_CALL SetChangeVolProc(int32_t handle, HostCallback callback) {
  RecordCallback(handle, CallbackKind::ChangeVol, callback);
}

void PELLAXO_CALL SetProcessDataProc(int32_t handle, HostCallback callback) {
  RecordCallback(handle, CallbackKind::ProcessData, callback);
}

int32_t PELLAXO_CALL PackFiles(const char*, const char*, const char*, const char*, int32_t) {
  ShowNotSupported();
  return NotSupported;
}

int32_t PELLAXO_CALL DeleteFiles(const char*, const char*) {
  ShowNotSupported();
  return NotSupported;
}

int32_t PELLAXO_CALL GetPackerCaps() {
  return ConfigureCapability;
}

void PELLAXO_CALL ConfigurePacker(void* parent_window, void*) {
  ShowAbout(parent_window);
}
