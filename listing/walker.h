// The directory walker behind ReadHeader: one listing entry per call, from
// the walk state kept in the handle's ArchiveSlot.
#pragma once

#include <cstdint>

#include "plugin/records.h"
#include "plugin/slots.h"

namespace listing {

// The author credit that closes the disk header entry's name.
constexpr char kBanner[] = "\\Pellaxo 0.10 by the Pellaxo authors";

// Answers the next listing entry of an open slot into record: Success with
// the entry filled in, or EndOfListing with only ArchiveName set. Bytes 0 to
// 555 of the record are cleared first; the host's comment fields are never
// touched. The first call answers the disk header entry; each later call the
// next directory slot that holds a file. A directory sector that cannot be
// read (a link outside tracks 1..40, past the end of the file, or a read
// error) ends the listing there, for this call and every later one.
int32_t ReadNextEntry(pellaxo::ArchiveSlot& slot, pellaxo::HeaderRecord& record);

}  // namespace listing
