// The text of an archive entry's cells that do not depend on the names'
// code page: numbers, ratio, date and time, check value, attributes.
#pragma once
#include <cstdint>
#include <string>

#include "viewers/archives/formats/archive_listing.h"

std::string DecimalText(uint64_t value);
// The space packing saved, in whole percent of the size ("0%" for none).
std::string RatioText(uint64_t size, uint64_t packed);
// "YYYY-MM-DD HH:MM:SS"; empty for no date.
std::string DosTimeText(uint32_t dosTime);
std::string CheckText(const ArchiveEntry& e);
// A Unix mode as "drwxr-xr-x"; MS-DOS attributes as the letters of
// "RHSDA" that are set, '-' for the others.
std::string AttributeText(const ArchiveEntry& e);
