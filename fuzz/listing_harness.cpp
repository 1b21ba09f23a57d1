// Fuzz target: arbitrary bytes as a disk image, listed through the real
// exports (OpenArchive, ReadHeader until it answers non-zero or 300 calls,
// ProcessFile with Skip between entries, CloseArchive). Every property below
// must hold for every input; a violation aborts with its reason.
//
// Input: byte 0 chooses the file's shape. Shapes 0 to 3 make a file of one
// of the four image sizes, zero-filled, with the rest of the input laid
// from byte 0 on and then its first 4864 bytes laid again over track 18
// (BAM and directory), where mutations matter most. Shape 4 makes a file of
// exactly the rest of the input, whatever its size.
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "cbmdisk/geometry.h"
#include "plugin/exports.h"
#include "plugin/slots.h"

using namespace pellaxo;

namespace {

constexpr size_t kTrack18Bytes = 19 * cbmdisk::kSectorSize;

void Require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "property violated: %s\n", what);
  std::abort();
}

const char* ImagePath() {
  static char path[64] = "";
  if (path[0] == '\0') std::snprintf(path, sizeof path, "/tmp/pellaxo-fuzz-%d.d64", getpid());
  return path;
}

void WriteFile(const uint8_t* data, size_t size) {
  const int fd = open(ImagePath(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  Require(fd >= 0, "cannot write the image file");
  size_t done = 0;
  while (done < size) {
    const ssize_t n = write(fd, data + done, size - done);
    Require(n > 0, "cannot write the image file");
    done += static_cast<size_t>(n);
  }
  close(fd);
}

uint8_t g_image[197376];

// The file the input describes; its size.
size_t MakeFile(const uint8_t* data, size_t size) {
  const uint8_t shape = size > 0 ? data[0] % 5 : 4;
  const uint8_t* rest = size > 0 ? data + 1 : data;
  const size_t rest_size = size > 0 ? size - 1 : 0;
  if (shape == 4) {
    WriteFile(rest, rest_size);
    return rest_size;
  }
  const size_t file_size = static_cast<size_t>(cbmdisk::kImageSizes[shape]);
  std::memset(g_image, 0, file_size);
  std::memcpy(g_image, rest, rest_size < file_size ? rest_size : file_size);
  const size_t track18 = rest_size < kTrack18Bytes ? rest_size : kTrack18Bytes;
  std::memcpy(g_image + cbmdisk::kBamOffset, rest, track18);
  WriteFile(g_image, file_size);
  return file_size;
}

bool InPetsciiOutput(uint8_t c) {
  return (c >= 0x20 && c <= 0x5F) || c == 0x97;
}

void CheckEntry(const HeaderRecord& record, int answer) {
  Require(std::memchr(record.ArchiveName, 0, sizeof record.ArchiveName) != nullptr,
          "ArchiveName not terminated");
  Require(std::memchr(record.FileName, 0, sizeof record.FileName) != nullptr,
          "FileName not terminated");
  Require(record.EntryFlags == 0 && record.PackedSize == 0 && record.HostSystem == 0 &&
              record.FileChecksum == 0 && record.PackerVersion == 0 && record.PackMethod == 0,
          "a field that stays zero is not");
  if (answer == 0) {
    Require(record.UnpackedSize == -1, "header size is not -1");
    Require(record.FileAttributes == DirectoryAttribute, "header is not a directory");
    return;
  }
  const auto* name = reinterpret_cast<const uint8_t*>(record.FileName);
  for (int i = 0; i < 3; ++i) Require(name[i] >= '0' && name[i] <= '9', "position not 3 digits");
  Require(name[3] == '.', "no point after the position");
  for (int i = 4; i < 20; ++i) Require(InPetsciiOutput(name[i]), "name byte outside the text");
  Require(record.UnpackedSize >= 0 && record.UnpackedSize % 1000 == 0, "size not blocks x 1000");
  Require(record.FileAttributes == 0, "file entry attributes");
  const int position = (name[0] - '0') * 100 + (name[1] - '0') * 10 + (name[2] - '0');
  Require(position >= 1 && position <= 144, "position outside 1..144");
  Require(record.FileTime == static_cast<uint32_t>(512 - position), "file time not 512 - position");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const size_t file_size = MakeFile(data, size);
  OpenArchiveRecord open_record = {ImagePath(), 0, -7};
  const int32_t handle = OpenArchive(&open_record);
  if (!cbmdisk::IsImageSize(static_cast<int64_t>(file_size))) {
    Require(handle == 0 && open_record.OpenResult == UnrecognisedSize, "odd size accepted");
    return 0;
  }
  Require(handle == 10, "the first open is not handle 10");
  Require(open_record.OpenResult == -7, "OpenResult written on success");

  HeaderRecord record;
  int successes = 0;
  int32_t result = Success;
  for (int call = 0; call < 300; ++call) {
    std::memset(&record, 0xA5, sizeof record);
    result = ReadHeader(handle, &record);
    const auto* bytes = reinterpret_cast<const uint8_t*>(&record);
    for (size_t i = offsetof(HeaderRecord, CommentBuffer); i < sizeof record; ++i) {
      Require(bytes[i] == 0xA5, "comment fields touched");
    }
    if (result != Success) break;
    CheckEntry(record, successes);
    ++successes;
    Require(ProcessFile(handle, Skip, nullptr, nullptr) == Success, "Skip did not succeed");
  }
  Require(result == EndOfListing, "the listing did not end with 10");
  Require(successes <= 145, "more than 145 entries");
  Require(record.FileName[0] == '\0' && record.UnpackedSize == 0, "end record not cleared");
  Require(ReadHeader(handle, &record) == EndOfListing, "the end did not stay the end");
  Require(CloseArchive(handle) == Success, "close failed");
  for (int32_t h = 1; h <= kSlotCount; ++h) Require(OpenSlotOf(h) == nullptr, "a slot stayed open");
  return 0;
}
