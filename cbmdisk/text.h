// Commodore text (PETSCII) and file-type bytes as host text. Pure.
#pragma once

#include <cstdint>

namespace cbmdisk {

// The byte that stands for every Commodore code the host cannot show: in the
// Windows ANSI code pages it is the em dash.
constexpr char kUnshownChar = '\x97';

// Converts count Commodore bytes into exactly count bytes of host text at
// out, one for one: 0x00..0x1F and 0xA0 (the padding shifted blank) become a
// blank, 0x20..0x5F stay, everything else becomes kUnshownChar. Nothing is
// trimmed and nothing NUL-terminated. Returns the number of bytes written:
// count, or 0 when count is 0 or less.
int32_t PetsciiToText(const uint8_t* in, int32_t count, char* out);

// The listing's name suffix for a FileType byte, keyed by the whole byte:
// ".prg" (closed), ".prg<" (locked), ".*prg" (never closed), and so on for
// del, seq, usr and rel; "" for a byte the table lacks.
const char* FileTypeSuffix(uint8_t file_type);

}  // namespace cbmdisk
