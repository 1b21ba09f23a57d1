// What crosses the boundary between the host and the plug-in: the two
// host-owned records, the result codes, the entry operations, the capability
// value and the DOS time stamp.
#pragma once

#include <cstddef>
#include <cstdint>

// The exports' calling convention: stdcall in the 32-bit Windows DLL (each
// export removes its own arguments), the platform's C convention elsewhere.
#if defined(_WIN32) && !defined(_WIN64)
#define PELLAXO_CALL __stdcall
#else
#define PELLAXO_CALL
#endif

namespace pellaxo {

// Result codes. No other code is ever produced.
constexpr int32_t Success = 0;
constexpr int32_t EndOfListing = 10;
constexpr int32_t NoFreeSlot = 11;
constexpr int32_t NotOpen = 13;
constexpr int32_t UnrecognisedSize = 14;
constexpr int32_t OpenFailed = 15;
constexpr int32_t CloseFailed = 17;
constexpr int32_t NotSupported = 24;

// ProcessFile's entry operations.
constexpr int32_t Skip = 0;
constexpr int32_t Test = 1;
constexpr int32_t Extract = 2;

// GetPackerCaps' single bit: the plug-in offers a configure command.
constexpr int32_t ConfigureCapability = 16;

// The file attribute bit that marks a directory entry.
constexpr int32_t DirectoryAttribute = 16;

// Fixed text fields hold at most 259 characters before their NUL.
constexpr int32_t kHostTextField = 260;

// Handle -1 names the plug-in as a whole in the callback setters.
constexpr int32_t kPluginHandle = -1;

// A host function taking host text and an integer; recorded, never called.
typedef int32_t(PELLAXO_CALL* HostCallback)(char* text, int32_t value);

struct OpenArchiveRecord {
  const char* ArchiveName;  // the image's path; read
  int32_t OpenMode;         // never read
  int32_t OpenResult;       // written only when OpenArchive fails
};

struct HeaderRecord {
  char ArchiveName[kHostTextField];
  char FileName[kHostTextField];
  int32_t EntryFlags;
  int32_t PackedSize;
  int32_t UnpackedSize;
  int32_t HostSystem;
  int32_t FileChecksum;
  uint32_t FileTime;  // a DosDateTime
  int32_t PackerVersion;
  int32_t PackMethod;
  int32_t FileAttributes;
  // The host's comment fields: never touched.
  char* CommentBuffer;
  int32_t CommentBufferSize;
  int32_t CommentSize;
  int32_t CommentState;
};

// The bytes of a HeaderRecord that every answer on an open handle clears;
// the host's comment fields after them are left alone.
constexpr size_t kHeaderClearedBytes = offsetof(HeaderRecord, FileAttributes) + sizeof(int32_t);

static_assert(offsetof(HeaderRecord, FileName) == 260);
static_assert(offsetof(HeaderRecord, EntryFlags) == 520);
static_assert(offsetof(HeaderRecord, UnpackedSize) == 528);
static_assert(offsetof(HeaderRecord, FileTime) == 540);
static_assert(offsetof(HeaderRecord, FileAttributes) == 552);
static_assert(kHeaderClearedBytes == 556);

// The host's records as a 32-bit host lays them out: every field 32 bits.
#if UINTPTR_MAX == 0xFFFFFFFFu
static_assert(offsetof(OpenArchiveRecord, OpenMode) == 4);
static_assert(offsetof(OpenArchiveRecord, OpenResult) == 8);
static_assert(sizeof(OpenArchiveRecord) == 12);
static_assert(offsetof(HeaderRecord, CommentBufferSize) == 560);
static_assert(offsetof(HeaderRecord, CommentSize) == 564);
static_assert(offsetof(HeaderRecord, CommentState) == 568);
static_assert(sizeof(HeaderRecord) == 572);
#endif

// An MS-DOS date-and-time stamp: the time in the low 16 bits, the date in
// the high 16 bits.
struct DosDateParts {
  uint16_t Year;
  uint16_t Month;
  uint16_t Day;
  uint16_t Hour;
  uint16_t Minute;
  uint16_t Second;
};

// Adds the parts without masking or range checks; the caller keeps each
// within its field.
uint32_t PackDosDateTime(const DosDateParts& parts);

}  // namespace pellaxo
