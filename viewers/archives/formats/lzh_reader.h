// The list of an LZH archive's entries from the header in front of each
// entry's packed data: levels 0 and 1 (a fixed header, level 1 with
// extended headers after it) and level 2 (extended headers only, for long
// names, folders, attributes). Nothing is unpacked.
#pragma once
#include "viewers/archives/formats/archive_listing.h"
#include "viewers/graphics/formats/byte_source.h"

// False when the file does not start with an LZH header. Headers are read
// until the end mark, the file's end or the first header that is not
// sound; those before it are listed.
bool ReadLzhListing(ByteSource& file, ArchiveListing* listing);
