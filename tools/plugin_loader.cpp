#include "tools/plugin_loader.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#include <unistd.h>
#endif

namespace {

#ifdef _WIN32
constexpr char kLibraryName[] = "pellaxo.dll";

std::string ProgramDirectory() {
  char path[MAX_PATH];
  const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string dir(path, n);
  const size_t slash = dir.find_last_of("\\/");
  return slash == std::string::npos ? std::string() : dir.substr(0, slash + 1);
}

void* OpenLibrary(const std::string& path, std::string* error) {
  HMODULE module = LoadLibraryA(path.c_str());
  if (module == nullptr) *error = "LoadLibraryA failed, error " + std::to_string(GetLastError());
  return reinterpret_cast<void*>(module);
}

void* FindSymbol(void* module, const char* name) {
  return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(module), name));
}
#else
constexpr char kLibraryName[] = "libpellaxo.so";

std::string ProgramDirectory() {
  char path[4096];
  const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
  if (n <= 0) return std::string();
  std::string dir(path, static_cast<size_t>(n));
  return dir.substr(0, dir.find_last_of('/') + 1);
}

void* OpenLibrary(const std::string& path, std::string* error) {
  void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (module == nullptr) *error = dlerror();
  return module;
}

void* FindSymbol(void* module, const char* name) {
  return dlsym(module, name);
}
#endif

template <typename Fn>
bool Resolve(void* module, const char* name, Fn* fn, std::string* error) {
  void* symbol = FindSymbol(module, name);
  if (symbol == nullptr) {
    *error = std::string("export ") + name + " not found";
    return false;
  }
  *fn = reinterpret_cast<Fn>(symbol);
  return true;
}

}  // namespace

std::string DefaultPluginPath() {
  return ProgramDirectory() + kLibraryName;
}

bool LoadPlugin(const std::string& path, PluginApi* api, std::string* error) {
  void* module = OpenLibrary(path, error);
  if (module == nullptr) return false;
  api->module = module;
  return Resolve(module, "OpenArchive", &api->OpenArchive, error) &&
         Resolve(module, "CloseArchive", &api->CloseArchive, error) &&
         Resolve(module, "ReadHeader", &api->ReadHeader, error) &&
         Resolve(module, "ProcessFile", &api->ProcessFile, error) &&
         Resolve(module, "SetChangeVolProc", &api->SetChangeVolProc, error) &&
         Resolve(module, "SetProcessDataProc", &api->SetProcessDataProc, error) &&
         Resolve(module, "PackFiles", &api->PackFiles, error) &&
         Resolve(module, "DeleteFiles", &api->DeleteFiles, error) &&
         Resolve(module, "GetPackerCaps", &api->GetPackerCaps, error) &&
         Resolve(module, "ConfigurePacker", &api->ConfigurePacker, error);
}

const char* ResultName(int32_t code) {
  switch (code) {
    case pellaxo::Success:
      return "Success";
    case pellaxo::EndOfListing:
      return "EndOfListing";
    case pellaxo::NoFreeSlot:
      return "NoFreeSlot";
    case pellaxo::NotOpen:
      return "NotOpen";
    case pellaxo::UnrecognisedSize:
      return "UnrecognisedSize";
    case pellaxo::OpenFailed:
      return "OpenFailed";
    case pellaxo::CloseFailed:
      return "CloseFailed";
    case pellaxo::NotSupported:
      return "NotSupported";
    default:
      return "unknown";
  }
}
