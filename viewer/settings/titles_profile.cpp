#include "viewer/settings/titles_profile.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "viewer/buffer/format_flags.h"
#include "viewer/buffer/utf_decode.h"
#include "viewer/settings/program_profile.h"

namespace {
constexpr int kTitleChars = 512;
// The most titles the title table holds, its terminating entry aside.
constexpr int kMostTitles = kTitleTableBlockBytes / static_cast<int>(sizeof(LineEntry)) - 1;
// A title frozen from a file in UTF-8 or UTF-16 holds UTF-16 units; the
// profile keeps it as UTF-8 after this mark, so that it reads back whole.
constexpr char kUtf8Mark[] = "\xEF\xBB\xBF";
constexpr int kMarkBytes = 3;

// The units' UTF-8 form after the mark, cut before a character that would
// pass kTitleChars bytes.
int WideTitleText(const uint16_t* units, int count, char* out) {
  std::memcpy(out, kUtf8Mark, kMarkBytes);
  int n = kMarkBytes;
  for (int i = 0; i < count;) {
    const UtfChar c = DecodeUtf16(reinterpret_cast<const uint8_t*>(units + i), 2 * (count - i),
                                  false);
    uint8_t bytes[4];
    const int length = EncodeUtf(FMT_UTF8, c.Char, bytes);
    if (n + length > kTitleChars) break;
    std::memcpy(out + n, bytes, static_cast<size_t>(length));
    n += length;
    i += c.Bytes > 2 ? 2 : 1;
  }
  return n;
}

// A stored UTF-8 title as units at out (at most room bytes); returns the
// bytes written.
int WideTitleUnits(const char* text, int length, char* out, int room) {
  const auto* bytes = reinterpret_cast<const uint8_t*>(text);
  int n = 0;
  for (int i = kMarkBytes; i < length;) {
    const UtfChar c = DecodeUtf8(bytes + i, length - i);
    uint16_t units[2];
    const int count = ToUtf16Units(c.Char, units);
    if (n + 2 * count > room) break;
    std::memcpy(out + n, units, 2 * static_cast<size_t>(count));
    n += 2 * count;
    i += c.Bytes > 0 ? c.Bytes : length - i;
  }
  return n;
}
}  // namespace

bool ReadTitles(const char* section, LineTable* table, TextArena* arena) {
  if (!section || !*section || !table || !arena || !table->Entries || !arena->Base ||
      table->Acnt <= 0 || arena->Tlen <= 0)
    return false;
  table->Afirst = table->Acur = table->Alast = 0;
  arena->Tend = 0;
  int count = Profile().GetInt(section, "Titles", 0);
  int read = 0;
  for (int i = 0; i < count; ++i) {
    if (read >= table->Acnt - 1) break;  // the last entry terminates the table
    char key[16], text[kTitleChars + 1];
    std::snprintf(key, sizeof key, "Title%d", i + 1);
    int len = Profile().GetString(section, key, "", text, sizeof text);
    if (len >= kMarkBytes && std::memcmp(text, kUtf8Mark, kMarkBytes) == 0) {
      arena->Tend += arena->Tend & 1;  // units on even bytes
      const int room = arena->Tlen - arena->Tend;
      const int bytes = WideTitleUnits(text, len, arena->Base + arena->Tend, room);
      if (bytes >= room) break;
      table->Entries[read] = {i, arena->Tend, bytes / 2, 0, LF_WIDE};
      arena->Tend += bytes;
      ++read;
      continue;
    }
    if (len >= arena->Tlen - arena->Tend) break;
    table->Entries[read] = {i, arena->Tend, len, 0, 0};
    std::memcpy(arena->Base + arena->Tend, text, len);
    arena->Tend += len;
    ++read;
  }
  table->Entries[read] = {read, arena->Tend, -1, 0, 0};
  table->Alast = static_cast<int16_t>(read);
  return true;
}

int CountTitles(const LineTable* table) { return table ? table->Alast : 0; }

void SaveTitles(const char* section, const LineTable* table, const TextArena* arena) {
  ProfileStore& p = Profile();
  // Only keys this program can have written are removed: a hostile count
  // in the profile must not cost billions of writes.
  int oldCount = std::clamp(p.GetInt(section, "Titles", 0), 0, kMostTitles);
  int written = 0;
  if (table && arena && table->Entries && arena->Base) {
    for (int i = 0; i < table->Alast; ++i) {
      const LineEntry& e = table->Entries[i];
      char key[16], text[kTitleChars + 1];
      int len = e.Length < kTitleChars ? e.Length : kTitleChars;
      if (len < 0) len = 0;
      if (e.Flags & LF_WIDE)
        len = WideTitleText(reinterpret_cast<const uint16_t*>(arena->Base + e.TextOffset),
                            e.Length > 0 ? e.Length : 0, text);
      else
        std::memcpy(text, arena->Base + e.TextOffset, len);
      text[len] = '\0';
      std::snprintf(key, sizeof key, "Title%d", ++written);
      p.WriteString(section, key, text);
    }
  }
  p.WriteInt(section, "Titles", written);
  for (int n = written + 1; n <= oldCount; ++n) {
    char key[16];
    std::snprintf(key, sizeof key, "Title%d", n);
    p.WriteString(section, key, nullptr);
  }
}
