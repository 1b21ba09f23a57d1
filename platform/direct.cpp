// The library's platform calls: straight through to the operating system.
#include "platform/os.h"

namespace platform {

bool OpenReadOnly(const char* path, FileHandle* file) {
  return os::OpenReadOnly(path, file);
}
bool FileSize(FileHandle file, int64_t* size) {
  return os::FileSize(file, size);
}
int32_t ReadAt(FileHandle file, int64_t offset, void* buffer, int32_t count) {
  return os::ReadAt(file, offset, buffer, count);
}
bool CloseFile(FileHandle file) {
  return os::CloseFile(file);
}
void ShowMessageBox(void* owner, const char* text, const char* caption, uint32_t style) {
  os::ShowMessageBox(owner, text, caption, style);
}

}  // namespace platform
