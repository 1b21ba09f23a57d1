// The operating system's own implementation of the platform calls, one file
// per platform (posix.cpp, win32.cpp). platform.h's calls reach these through
// direct.cpp in the library, or through seam.cpp in the tests.
#pragma once

#include "platform/platform.h"

namespace platform::os {

bool OpenReadOnly(const char* path, FileHandle* file);
bool FileSize(FileHandle file, int64_t* size);
int32_t ReadAt(FileHandle file, int64_t offset, void* buffer, int32_t count);
bool CloseFile(FileHandle file);
void ShowMessageBox(void* owner, const char* text, const char* caption, uint32_t style);

}  // namespace platform::os
