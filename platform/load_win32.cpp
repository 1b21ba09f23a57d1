// Load-time hook of the DLL. Nothing of the plug-in's own runs when threads
// attach or detach or when the DLL is unloaded.
#include <windows.h>

#include "platform/platform.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) PellaxoLibraryStartup();
  return TRUE;
}
