#include "common/memory_profile.h"

#include <sstream>
#include <strings.h>

#include "common/text_copy.h"

namespace {
std::string Trim(const std::string& s) {
  size_t b = s.find_first_not_of(" \t\r");
  size_t e = s.find_last_not_of(" \t\r");
  return b == std::string::npos ? "" : s.substr(b, e - b + 1);
}
bool Same(const std::string& a, const char* b) { return strcasecmp(a.c_str(), b) == 0; }
}  // namespace

MemoryProfile::MemoryProfile(const std::string& iniText) {
  std::istringstream in(iniText);
  std::string line;
  while (std::getline(in, line)) {
    line = Trim(line);
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      sections_.push_back({line.substr(1, line.size() - 2), {}});
    } else if (size_t eq = line.find('='); eq != std::string::npos && !sections_.empty()) {
      sections_.back().entries.push_back({Trim(line.substr(0, eq)), Trim(line.substr(eq + 1))});
    }
  }
}

MemoryProfile::Section* MemoryProfile::Find(const char* section) {
  for (Section& s : sections_)
    if (Same(s.name, section)) return &s;
  return nullptr;
}

const MemoryProfile::Section* MemoryProfile::Find(const char* section) const {
  return const_cast<MemoryProfile*>(this)->Find(section);
}

int MemoryProfile::GetString(const char* section, const char* key, const char* def, char* buf,
                             int size) {
  std::string value = def ? def : "";
  if (const Section* s = Find(section))
    for (const Entry& e : s->entries)
      if (Same(e.key, key)) {
        value = e.value;
        break;
      }
  return static_cast<int>(CopyText(buf, static_cast<size_t>(size), value));
}

bool MemoryProfile::WriteString(const char* section, const char* key, const char* value) {
  Section* s = Find(section);
  if (!key) {  // deletes the whole section
    if (s) sections_.erase(sections_.begin() + (s - sections_.data()));
    return true;
  }
  if (!s) {
    if (!value) return true;
    sections_.push_back({section, {}});
    s = &sections_.back();
  }
  for (size_t i = 0; i < s->entries.size(); ++i)
    if (Same(s->entries[i].key, key)) {
      if (value)
        s->entries[i].value = value;
      else
        s->entries.erase(s->entries.begin() + static_cast<long>(i));
      return true;
    }
  if (value) s->entries.push_back({key, value});
  return true;
}

bool MemoryProfile::Has(const char* section, const char* key) const {
  if (const Section* s = Find(section))
    for (const Entry& e : s->entries)
      if (Same(e.key, key)) return true;
  return false;
}

std::string MemoryProfile::Get(const char* section, const char* key) const {
  char buf[1024];
  const_cast<MemoryProfile*>(this)->GetString(section, key, "", buf, sizeof buf);
  return buf;
}
