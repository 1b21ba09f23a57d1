// Load-time hook of the shared library: runs once when it is loaded.
#include "platform/platform.h"

__attribute__((constructor)) static void OnLibraryLoad() {
  PellaxoLibraryStartup();
}
