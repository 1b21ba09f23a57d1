// Loads the plug-in library at run time and finds its ten exports, as a host
// does: dlopen natively, LoadLibraryA on Windows.
#pragma once

#include <string>

#include "plugin/records.h"

struct PluginApi {
  int32_t(PELLAXO_CALL* OpenArchive)(pellaxo::OpenArchiveRecord*);
  int32_t(PELLAXO_CALL* CloseArchive)(int32_t);
  int32_t(PELLAXO_CALL* ReadHeader)(int32_t, pellaxo::HeaderRecord*);
  int32_t(PELLAXO_CALL* ProcessFile)(int32_t, int32_t, const char*, const char*);
  void(PELLAXO_CALL* SetChangeVolProc)(int32_t, pellaxo::HostCallback);
  void(PELLAXO_CALL* SetProcessDataProc)(int32_t, pellaxo::HostCallback);
  int32_t(PELLAXO_CALL* PackFiles)(const char*, const char*, const char*, const char*, int32_t);
  int32_t(PELLAXO_CALL* DeleteFiles)(const char*, const char*);
  int32_t(PELLAXO_CALL* GetPackerCaps)();
  void(PELLAXO_CALL* ConfigurePacker)(void*, void*);
  void* module;  // the loaded library
};

// The library's file name beside the running program: libpellaxo.so or
// pellaxo.dll.
std::string DefaultPluginPath();

// Loads the library and resolves all ten exports by name. On failure returns
// false and says why in *error.
bool LoadPlugin(const std::string& path, PluginApi* api, std::string* error);

// The name of a result code ("UnrecognisedSize"), or "unknown".
const char* ResultName(int32_t code);
