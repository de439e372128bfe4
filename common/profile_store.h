// The one seam through which a program reads and writes a profile file
// (sections of keys with text values). The programs bind it to the
// platform's private-profile calls on a file (win32/profile_store_win32.h);
// tests bind it to an in-memory file (common/memory_profile.h).
#pragma once
#include <cstdint>

class ProfileStore {
 public:
  virtual ~ProfileStore() = default;
  // Copies the value, or def when the key is missing, into buf (cut to
  // size - 1 characters, always terminated). Returns the length copied.
  virtual int GetString(const char* section, const char* key, const char* def, char* buf,
                        int size) = 0;
  // value nullptr deletes the key, key nullptr the whole section. False
  // when the platform rejects it.
  virtual bool WriteString(const char* section, const char* key, const char* value) = 0;

  // An integer key: def when missing; otherwise the signed decimal number at
  // the start of the value (0 for an empty or non-numeric value).
  int GetInt(const char* section, const char* key, int def);
  bool WriteInt(const char* section, const char* key, long long value);
  // A number as exactly five decimal digits ("00001"); a value outside
  // 0-99999 is stored as the nearest of those (-8 as 0, 123456 as 99999).
  bool WriteFiveDigits(const char* section, const char* key, int value);
};

// The decimal number at the start of text: leading blanks, an optional sign,
// digits up to the first non-digit. ParseProfileNumber saturates at the int64
// range (flag words keep their low 32 bits), ParseProfileInt at the int32 one.
int64_t ParseProfileNumber(const char* text);
int ParseProfileInt(const char* text);
