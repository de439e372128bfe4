#include "viewers/archives/formats/archive_listing.h"

#include <algorithm>
#include <limits>

uint8_t ArchiveListing::MethodIndex(std::string_view method) {
  auto known = std::find(Methods.begin(), Methods.end(), method);
  if (known != Methods.end()) return static_cast<uint8_t>(known - Methods.begin());
  if (Methods.size() == 256) return 255;
  Methods.emplace_back(method);
  return static_cast<uint8_t>(Methods.size() - 1);
}

bool ArchiveListing::Add(ArchiveEntry entry, std::string_view name) {
  name = name.substr(0, std::numeric_limits<uint16_t>::max());
  if (Names.size() + name.size() > std::numeric_limits<uint32_t>::max()) return false;
  entry.NameOffset = static_cast<uint32_t>(Names.size());
  entry.NameLength = static_cast<uint16_t>(name.size());
  Names.insert(Names.end(), name.begin(), name.end());
  Entries.push_back(entry);
  return true;
}
