// The plug-in's ten exports. In the 32-bit Windows DLL they are stdcall,
// exported by undecorated name at the ordinals of pellaxo.def.
#pragma once

#include "plugin/records.h"

#if defined(_WIN32)
#define PELLAXO_EXPORT
#else
#define PELLAXO_EXPORT __attribute__((visibility("default")))
#endif

extern "C" {

PELLAXO_EXPORT int32_t PELLAXO_CALL OpenArchive(pellaxo::OpenArchiveRecord* record);
PELLAXO_EXPORT int32_t PELLAXO_CALL CloseArchive(int32_t handle);
PELLAXO_EXPORT int32_t PELLAXO_CALL ReadHeader(int32_t handle, pellaxo::HeaderRecord* record);
PELLAXO_EXPORT int32_t PELLAXO_CALL ProcessFile(int32_t handle, int32_t operation,
                                                const char* dest_path, const char* dest_name);
PELLAXO_EXPORT void PELLAXO_CALL SetChangeVolProc(int32_t handle, pellaxo::HostCallback callback);
PELLAXO_EXPORT void PELLAXO_CALL SetProcessDataProc(int32_t handle, pellaxo::HostCallback callback);
PELLAXO_EXPORT int32_t PELLAXO_CALL PackFiles(const char* archive_name, const char* sub_path,
                                              const char* source_path, const char* add_list,
                                              int32_t flags);
PELLAXO_EXPORT int32_t PELLAXO_CALL DeleteFiles(const char* archive_name, const char* delete_list);
PELLAXO_EXPORT int32_t PELLAXO_CALL GetPackerCaps();
PELLAXO_EXPORT void PELLAXO_CALL ConfigurePacker(void* parent_window, void* module_instance);

}  // extern "C"
