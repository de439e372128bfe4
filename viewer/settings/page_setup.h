// The page-setup record: what the printed page shows and its margins.
#pragma once
#include <cstdint>

constexpr uint32_t PO_DATE_TIME = 0x1;
constexpr uint32_t PO_PAGE_NUMBER = 0x2;
constexpr uint32_t PO_FILE_NAME = 0x4;
constexpr uint32_t PO_FULL_PATH = 0x8;
constexpr uint32_t PO_EJECT_ON_FF = 0x100;
constexpr uint32_t PO_PAGE_TITLES = 0x200;
constexpr uint32_t PO_SHADE_TAGS = 0x400;
constexpr uint32_t PO_SHADE_SELECTION = 0x800;
constexpr uint32_t PO_EJECT_TAGS_ONLY = 0x2000;

constexpr char kPageSetupSection[] = "Page Setup";

// Hundredths of an inch.
struct PageMargins {
  int Top = 0;
  int Left = 50;
  int Right = 0;
  int Bottom = 0;
};

struct PageSetupOptions {
  uint32_t PrintOptions = 0x6FF;
  PageMargins Margins;
};

extern PageSetupOptions gPageSetup;

// Empty keys leave the values as they are.
void ReadPageSetup(const char* section);
// Nothing is written to a read-only profile (false).
bool SavePageSetup(const char* section);
