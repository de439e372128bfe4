// The profile store on the platform's private-profile calls.
#pragma once
#include "viewer/settings/profile_store.h"

class Win32ProfileStore : public ProfileStore {
 public:
  int GetString(const char* section, const char* key, const char* def, char* buf,
                int size) override;
  bool WriteString(const char* section, const char* key, const char* value) override;
};

// Given the full path of "TARVO.INI" beside the program (path holds at least
// 260 characters), replaces it with the profile to use; returns whether that
// profile is read-only.
bool ChooseProfile(char* path);
