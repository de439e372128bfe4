// An in-memory profile file for tests of the portable profile code. It keeps
// sections and keys in file order and compares names case-insensitively, as
// the platform's private-profile calls do.
#pragma once
#include <string>
#include <vector>

#include "common/profile_store.h"

class MemoryProfile : public ProfileStore {
 public:
  explicit MemoryProfile(const std::string& iniText = "");
  int GetString(const char* section, const char* key, const char* def, char* buf,
                int size) override;
  bool WriteString(const char* section, const char* key, const char* value) override;
  bool Has(const char* section, const char* key) const;
  bool HasSection(const char* section) const { return Find(section) != nullptr; }
  std::string Get(const char* section, const char* key) const;

 private:
  struct Entry {
    std::string key, value;
  };
  struct Section {
    std::string name;
    std::vector<Entry> entries;
  };
  Section* Find(const char* section);
  const Section* Find(const char* section) const;
  std::vector<Section> sections_;
};
