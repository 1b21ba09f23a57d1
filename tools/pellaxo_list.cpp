// pellaxo-list: a host for the plug-in. It loads the library and lists disk
// images through its exports exactly as a file manager does: OpenArchive,
// ReadHeader until it answers non-zero, CloseArchive.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "tools/plugin_loader.h"

namespace {

constexpr char kUsage[] =
    "usage: pellaxo-list [--plugin PATH] [--raw | --json] IMAGE.d64...\n"
    "\n"
    "Lists Commodore 1541 disk images (D64) through the Pellaxo plug-in, driving\n"
    "it as a file manager does: OpenArchive, ReadHeader until the end of the\n"
    "listing, CloseArchive.\n"
    "\n"
    "Each entry is one row: its kind (D for the disk header entry, which carries\n"
    "the disk title and ID, F for a file), its size as the plug-in reports it\n"
    "(-1 for the header, blocks x 1000 for a file), its time field decoded as a\n"
    "DOS date and time exactly as stored (file entries carry no calendar date, so\n"
    "month and day read 00), and its name. Names are the host's 8-bit text\n"
    "(Windows-1252), shown in UTF-8: the Commodore characters the host cannot\n"
    "show appear as an em dash.\n"
    "\n"
    "options:\n"
    "  --plugin PATH  the plug-in library to load (default: the one built beside\n"
    "                 this program, libpellaxo.so or pellaxo.dll)\n"
    "  --raw          print names as the plug-in's bytes, unconverted\n"
    "  --json         print one JSON object per entry, for scripts\n"
    "  --help         show this text\n"
    "\n"
    "An image that cannot be opened or listed is reported on standard error with\n"
    "the plug-in's result code (\"cannot open x.d64: 14 UnrecognisedSize\"); the\n"
    "other images are still listed, and the exit status is 1. A usage error or a\n"
    "library that cannot be loaded gives 2.\n";

enum class Format { Text, Raw, Json };

// Windows-1252's 0x80..0x9F as Unicode; 0 where the code page has no
// character. 0xA0..0xFF are Latin-1 and map to themselves.
constexpr uint16_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void AppendUtf8(std::string& out, uint32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | code >> 6);
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | code >> 12);
    out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

std::string HostTextToUtf8(const char* text) {
  std::string out;
  for (const char* p = text; *p != '\0'; ++p) {
    const uint8_t c = static_cast<uint8_t>(*p);
    uint32_t code = c;
    if (c >= 0x80 && c < 0xA0) code = kCp1252High[c - 0x80] != 0 ? kCp1252High[c - 0x80] : 0xFFFD;
    AppendUtf8(out, code);
  }
  return out;
}

std::string JsonString(const std::string& utf8) {
  std::string out = "\"";
  for (char ch : utf8) {
    const uint8_t c = static_cast<uint8_t>(ch);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += ch;
    } else if (c < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
      out += escaped;
    } else {
      out += ch;
    }
  }
  return out + "\"";
}

// The time field as a DOS stamp, decoded as stored even when it is no
// calendar date.
struct DecodedTime {
  unsigned year, month, day, hour, minute, second;
};

DecodedTime DecodeDosTime(uint32_t stamp) {
  const uint32_t date = stamp >> 16;
  const uint32_t time = stamp & 0xFFFF;
  return DecodedTime{1980 + (date >> 9), date >> 5 & 15, date & 31,
                     time >> 11,         time >> 5 & 63, (time & 31) * 2};
}

void PrintEntry(const pellaxo::HeaderRecord& entry, const char* image, Format format) {
  const bool directory = (entry.FileAttributes & pellaxo::DirectoryAttribute) != 0;
  const DecodedTime t = DecodeDosTime(entry.FileTime);
  char date[16], time[16];
  std::snprintf(date, sizeof date, "%04u-%02u-%02u", t.year % 10000, t.month, t.day);
  std::snprintf(time, sizeof time, "%02u:%02u:%02u", t.hour, t.minute, t.second);
  if (format == Format::Json) {
    std::printf(
        "{\"image\":%s,\"name\":%s,\"directory\":%s,\"attributes\":%d,\"size\":%d,"
        "\"filetime\":%u,\"date\":\"%s\",\"time\":\"%s\"}\n",
        JsonString(HostTextToUtf8(image)).c_str(),
        JsonString(HostTextToUtf8(entry.FileName)).c_str(), directory ? "true" : "false",
        entry.FileAttributes, entry.UnpackedSize, entry.FileTime, date, time);
    return;
  }
  const std::string name =
      format == Format::Raw ? std::string(entry.FileName) : HostTextToUtf8(entry.FileName);
  std::printf("%c %10d  %s %s  %s\n", directory ? 'D' : 'F', entry.UnpackedSize, date, time,
              name.c_str());
}

// Lists one image; false when it could not be opened or listed to its end.
bool ListImage(const PluginApi& api, const char* image, Format format) {
  pellaxo::OpenArchiveRecord open = {image, 0, 0};
  const int32_t handle = api.OpenArchive(&open);
  if (handle == 0) {
    std::fprintf(stderr, "cannot open %s: %d %s\n", image, open.OpenResult,
                 ResultName(open.OpenResult));
    return false;
  }
  if (format != Format::Json) std::printf("%s\n", image);
  pellaxo::HeaderRecord entry;
  std::memset(&entry, 0, sizeof entry);
  int32_t result;
  while ((result = api.ReadHeader(handle, &entry)) == pellaxo::Success) {
    PrintEntry(entry, image, format);
  }
  const int32_t closed = api.CloseArchive(handle);
  bool ok = true;
  if (result != pellaxo::EndOfListing) {
    std::fprintf(stderr, "cannot list %s: %d %s\n", image, result, ResultName(result));
    ok = false;
  }
  if (closed != pellaxo::Success) {
    std::fprintf(stderr, "cannot close %s: %d %s\n", image, closed, ResultName(closed));
    ok = false;
  }
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
  // The same bytes as on Linux: no CR LF translation.
  _setmode(_fileno(stdout), _O_BINARY);
#endif
  std::string plugin = DefaultPluginPath();
  Format format = Format::Text;
  std::vector<const char*> images;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      std::fputs(kUsage, stdout);
      return 0;
    } else if (arg == "--plugin" && i + 1 < argc) {
      plugin = argv[++i];
    } else if (arg == "--raw") {
      format = Format::Raw;
    } else if (arg == "--json") {
      format = Format::Json;
    } else if (arg == "--") {
      images.insert(images.end(), argv + i + 1, argv + argc);
      break;
    } else if (!arg.empty() && arg[0] == '-') {
      std::fprintf(stderr, "pellaxo-list: unknown option %s\n\n%s", arg.c_str(), kUsage);
      return 2;
    } else {
      images.push_back(argv[i]);
    }
  }
  if (images.empty()) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  PluginApi api;
  std::string error;
  if (!LoadPlugin(plugin, &api, &error)) {
    std::fprintf(stderr, "pellaxo-list: cannot load plugin %s: %s\n", plugin.c_str(),
                 error.c_str());
    return 2;
  }
  bool ok = true;
  for (size_t i = 0; i < images.size(); ++i) {
    if (i > 0 && format != Format::Json) std::printf("\n");
    ok = ListImage(api, images[i], format) && ok;
  }
  std::fflush(stdout);
  return ok ? 0 : 1;
}
