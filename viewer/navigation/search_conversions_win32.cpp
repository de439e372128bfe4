#include <windows.h>

#include "viewer/buffer/code_tables.h"
#include "viewer/navigation/search_conversions.h"
#include "viewer/navigation/search_text_code.h"

void BindSearchConversions() {
  static const bool bound = [] {
    SetAnsiToOem([](const char* ansi, char* oem, int length) {
      CharToOemBuffA(ansi, oem, static_cast<DWORD>(length));
    });
    SetEbcdicReverseTable(EbcdicReverseTable());
    SetAnsiToWide([](const char* ansi, int length, uint16_t* wide, int capacity) {
      return MultiByteToWideChar(CP_ACP, 0, ansi, length, reinterpret_cast<wchar_t*>(wide),
                                 capacity);
    });
    return true;
  }();
  (void)bound;
}
