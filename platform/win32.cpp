// Win32 file access (a positioned ReadFile per read) and MessageBoxA.
#include <windows.h>

#include <cstring>

#include "platform/os.h"

namespace platform::os {

namespace {
HANDLE AsHandle(FileHandle file) {
  return reinterpret_cast<HANDLE>(file);
}
}  // namespace

bool OpenReadOnly(const char* path, FileHandle* file) {
  HANDLE h = ::CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  *file = reinterpret_cast<FileHandle>(h);
  return true;
}

bool FileSize(FileHandle file, int64_t* size) {
  LARGE_INTEGER li;
  if (!::GetFileSizeEx(AsHandle(file), &li)) return false;
  *size = li.QuadPart;
  return true;
}

int32_t ReadAt(FileHandle file, int64_t offset, void* buffer, int32_t count) {
  char* out = static_cast<char*>(buffer);
  int32_t done = 0;
  while (done < count) {
    OVERLAPPED at;
    std::memset(&at, 0, sizeof at);
    const uint64_t pos = static_cast<uint64_t>(offset + done);
    at.Offset = static_cast<DWORD>(pos & 0xFFFFFFFFu);
    at.OffsetHigh = static_cast<DWORD>(pos >> 32);
    DWORD n = 0;
    if (!::ReadFile(AsHandle(file), out + done, static_cast<DWORD>(count - done), &n, &at) ||
        n == 0) {
      break;
    }
    done += static_cast<int32_t>(n);
  }
  if (done < count) std::memset(out + done, 0, static_cast<size_t>(count - done));
  return done;
}

bool CloseFile(FileHandle file) {
  return ::CloseHandle(AsHandle(file)) != 0;
}

void ShowMessageBox(void* owner, const char* text, const char* caption, uint32_t style) {
  ::MessageBoxA(static_cast<HWND>(owner), text, caption, style);
}

}  // namespace platform::os
