// POSIX file access and a message "box" on standard error.
#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

#include "platform/os.h"

namespace platform::os {

bool OpenReadOnly(const char* path, FileHandle* file) {
  // O_RDONLY without O_CREAT never creates; POSIX takes no share locks.
  int fd;
  do {
    fd = ::open(path, O_RDONLY | O_CLOEXEC | O_NOCTTY);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) return false;
  *file = fd;
  return true;
}

bool FileSize(FileHandle file, int64_t* size) {
  struct stat st;
  if (::fstat(static_cast<int>(file), &st) != 0) return false;
  *size = static_cast<int64_t>(st.st_size);
  return true;
}

int32_t ReadAt(FileHandle file, int64_t offset, void* buffer, int32_t count) {
  char* out = static_cast<char*>(buffer);
  int32_t done = 0;
  // One pread brings a whole sector from a regular file; the loop only
  // carries on after a signal or a partial read.
  while (done < count) {
    const ssize_t n = ::pread(static_cast<int>(file), out + done, static_cast<size_t>(count - done),
                              static_cast<off_t>(offset + done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += static_cast<int32_t>(n);
  }
  if (done < count) std::memset(out + done, 0, static_cast<size_t>(count - done));
  return done;
}

bool CloseFile(FileHandle file) {
  return ::close(static_cast<int>(file)) == 0;
}

void ShowMessageBox(void*, const char* text, const char* caption, uint32_t) {
  // One line: the text's line breaks become blanks.
  char line[512];
  size_t n = 0;
  for (const char* p = text; *p != '\0' && n + 1 < sizeof line; ++p) {
    if (*p == '\r') continue;
    line[n++] = (*p == '\n') ? ' ' : *p;
  }
  line[n] = '\0';
  std::fprintf(stderr, "%s: %s\n", caption, line);
}

}  // namespace platform::os
