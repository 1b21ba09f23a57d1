// What the plug-in takes from the operating system: read-only access to the
// image file, a modal message box, and the load-time hook. The core calls
// only these; each platform implements them in its own file.
#pragma once

#include <cstdint>

namespace platform {

// An open file: a POSIX descriptor or a Win32 HANDLE, held as an integer.
using FileHandle = std::intptr_t;

// Opens an existing file by path for reading only; never creates it, and
// lets other openers read and write it. False when it cannot be opened.
bool OpenReadOnly(const char* path, FileHandle* file);

// The file's size in bytes. False when the size cannot be taken.
bool FileSize(FileHandle file, int64_t* size);

// Reads up to count bytes at the absolute byte offset, in one positioned
// read (no separate seek). Returns how many bytes were read; past the end of
// the file, or on an error, that is fewer than count (possibly 0), and the
// rest of the buffer is zeroed. A short read is never passed off as a full
// one.
int32_t ReadAt(FileHandle file, int64_t offset, void* buffer, int32_t count);

// Closes the file. False when the close reported an error.
bool CloseFile(FileHandle file);

// Box styles: the single OK button with a warning or an information icon.
constexpr uint32_t kBoxWarning = 0x30;
constexpr uint32_t kBoxInformation = 0x40;

// Shows a modal box owned by owner (which may be null) and returns when it
// is closed. Where no box can be shown, the text goes to standard error as
// one line "caption: text".
void ShowMessageBox(void* owner, const char* text, const char* caption, uint32_t style);

}  // namespace platform

// Defined by the plug-in, called by the platform's load-time hook once each
// time the library is loaded into a process, before any export.
void PellaxoLibraryStartup();
