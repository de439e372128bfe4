// The profile store on the platform's private-profile calls, bound to one
// file.
#pragma once
#include "common/profile_store.h"

class Win32ProfileStore : public ProfileStore {
 public:
  // The file is the one `path` names at each call: the owner keeps the text
  // and may change it (a program that settles its profile after start-up).
  explicit Win32ProfileStore(const char* path) : path_(path) {}
  int GetString(const char* section, const char* key, const char* def, char* buf,
                int size) override;
  bool WriteString(const char* section, const char* key, const char* value) override;

 private:
  const char* path_;
};
