// The list of a ZIP archive's entries from its central directory, found
// through the end record (and the ZIP64 end record for archives and
// entries beyond 4 GiB). The archive may follow a program (a
// self-extracting archive) or other bytes: the offsets the end record
// gives are corrected by the distance between where the directory is and
// where it says it is. Nothing is unpacked.
#pragma once
#include "viewers/archives/formats/archive_listing.h"
#include "viewers/graphics/formats/byte_source.h"

// False when the file holds no ZIP archive: no end record, or one whose
// directory holds none of the entries it claims. A directory that breaks
// off (a count too large, a record past the end) is listed up to there.
bool ReadZipListing(ByteSource& file, ArchiveListing* listing);
