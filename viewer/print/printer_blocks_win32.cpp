#include "viewer/print/printer_blocks_win32.h"

#include <commdlg.h>

#include <cstdio>
#include <cstring>

#include "common/text_copy.h"
#include "viewer/services/ui_seam.h"
#include "viewer/settings/print_setup.h"

namespace {
// The device mode of Windows 95 and NT 4: its fields up to the ICM ones.
constexpr DWORD kDevModeBytes = 148;
static_assert(offsetof(DEVMODEA, dmTTOption) + sizeof(short) <= kDevModeBytes,
              "the stored fields lie in the 148 bytes");

PrinterBlocks gBlocks;
uint32_t gBuiltFrom = 0;  // the record's generation the blocks were made from

short* DevModeField(DEVMODEA* dm, int field) {
  short* fields[kPrintSetupFields] = {&dm->dmOrientation,   &dm->dmPaperSize,    &dm->dmPaperLength,
                                      &dm->dmPaperWidth,    &dm->dmScale,        &dm->dmCopies,
                                      &dm->dmDefaultSource, &dm->dmPrintQuality, &dm->dmColor,
                                      &dm->dmDuplex,        &dm->dmYResolution,  &dm->dmTTOption};
  return fields[field];
}

HGLOBAL DevModeFromRecord(const PrintSetup& s) {
  HGLOBAL block = GlobalAlloc(GHND, kDevModeBytes);
  auto* dm = block ? static_cast<DEVMODEA*>(GlobalLock(block)) : nullptr;
  if (!dm) return block ? GlobalFree(block) : nullptr;
  CopyText(reinterpret_cast<char*>(dm->dmDeviceName), CCHDEVICENAME, s.Device);
  dm->dmSpecVersion = static_cast<WORD>(s.SpecVersion);
  dm->dmDriverVersion = static_cast<WORD>(s.DriverVersion);
  dm->dmSize = kDevModeBytes;
  dm->dmFields = s.FieldMask;
  for (int i = 0; i < kPrintSetupFields; ++i) *DevModeField(dm, i) = s.Fields[i];
  GlobalUnlock(block);
  return block;
}

HGLOBAL DevNamesFromRecord(const PrintSetup& s) {
  const size_t driver = std::strlen(s.Driver), device = std::strlen(s.Device),
               output = std::strlen(s.Output);
  HGLOBAL block = GlobalAlloc(GHND, sizeof(DEVNAMES) + driver + device + output + 4);
  auto* dn = block ? static_cast<DEVNAMES*>(GlobalLock(block)) : nullptr;
  if (!dn) return block ? GlobalFree(block) : nullptr;
  char* base = reinterpret_cast<char*>(dn);
  dn->wDriverOffset = sizeof(DEVNAMES);
  dn->wDeviceOffset = static_cast<WORD>(dn->wDriverOffset + driver + 1);
  dn->wOutputOffset = static_cast<WORD>(dn->wDeviceOffset + device + 1);
  std::memcpy(base + dn->wDriverOffset, s.Driver, driver + 1);
  std::memcpy(base + dn->wDeviceOffset, s.Device, device + 1);
  std::memcpy(base + dn->wOutputOffset, s.Output, output + 1);
  GlobalUnlock(block);
  return block;
}

void FreeBlock(HGLOBAL& block) {
  if (block) GlobalFree(block);
  block = nullptr;
}

void RecordFromBlocks(PrintSetup& s) {
  s.HasDeviceMode = false;
  if (auto* dm = gBlocks.DevMode ? static_cast<DEVMODEA*>(GlobalLock(gBlocks.DevMode)) : nullptr) {
    s.HasDeviceMode = true;
    CopyText(s.Device, std::string_view(reinterpret_cast<const char*>(dm->dmDeviceName),
                                        strnlen(reinterpret_cast<const char*>(dm->dmDeviceName),
                                                CCHDEVICENAME)));
    s.SpecVersion = static_cast<int16_t>(dm->dmSpecVersion);
    s.DriverVersion = static_cast<int16_t>(dm->dmDriverVersion);
    s.FieldMask = 0;
    for (int i = 0; i < kPrintSetupFields; ++i) {
      s.Fields[i] = *DevModeField(dm, i);
      if (dm->dmFields & kPrintSetupKeys[i].Bit) s.FieldMask |= kPrintSetupKeys[i].Bit;
    }
    GlobalUnlock(gBlocks.DevMode);
  }
  PrinterNameTexts names;
  s.HasDeviceNames = PrinterNames(&names);
  if (!s.HasDeviceNames) return;
  CopyText(s.Driver, names.Driver);
  CopyText(s.Output, names.Port);
}

// Opens the set-up form of the print dialog on the current blocks; the
// extended error code, 0 when it closed (chosen or cancelled).
DWORD RunSetupDialog(HWND owner) {
  PrinterBlocks& blocks = CurrentPrinterBlocks();
  PRINTDLGA pd = {};
  pd.lStructSize = sizeof pd;
  pd.hwndOwner = owner;
  pd.hDevMode = blocks.DevMode;
  pd.hDevNames = blocks.DevNames;
  pd.Flags = PD_PRINTSETUP | PD_USEDEVMODECOPIES;
  const bool chosen = PrintDlgA(&pd) != FALSE;
  TakePrinterBlocks(pd.hDevMode, pd.hDevNames, chosen);
  return chosen ? 0 : CommDlgExtendedError();
}
}  // namespace

PrinterBlocks& CurrentPrinterBlocks() {
  if (gBuiltFrom != gPrintSetup.Generation) {
    FreeBlock(gBlocks.DevMode);
    if (gPrintSetup.HasDeviceMode) gBlocks.DevMode = DevModeFromRecord(gPrintSetup);
    if (gPrintSetup.HasDeviceNames) {
      FreeBlock(gBlocks.DevNames);
      gBlocks.DevNames = DevNamesFromRecord(gPrintSetup);
    }
    gBuiltFrom = gPrintSetup.Generation;
  }
  return gBlocks;
}

void TakePrinterBlocks(HGLOBAL devMode, HGLOBAL devNames, bool chosen) {
  gBlocks.DevMode = devMode;
  gBlocks.DevNames = devNames;
  if (!chosen) return;
  RecordFromBlocks(gPrintSetup);
  gBuiltFrom = ++gPrintSetup.Generation;
}

void FreePrinterBlocks() {
  FreeBlock(gBlocks.DevMode);
  FreeBlock(gBlocks.DevNames);
}

bool PrinterNames(PrinterNameTexts* names) {
  auto* dn = gBlocks.DevNames ? static_cast<DEVNAMES*>(GlobalLock(gBlocks.DevNames)) : nullptr;
  if (!dn) return false;
  const char* base = reinterpret_cast<const char*>(dn);
  const size_t size = GlobalSize(gBlocks.DevNames);
  // Each text ends within the block, whoever wrote it.
  auto text = [&](WORD offset) {
    return offset < size ? std::string_view(base + offset, strnlen(base + offset, size - offset))
                         : std::string_view();
  };
  CopyText(names->Device, text(dn->wDeviceOffset));
  CopyText(names->Driver, text(dn->wDriverOffset));
  CopyText(names->Port, text(dn->wOutputOffset));
  GlobalUnlock(gBlocks.DevNames);
  return true;
}

bool PrintSetupDialog(HWND owner) {
  const uint32_t before = gPrintSetup.Generation;
  DWORD error = RunSetupDialog(owner);
  if (error && (gBlocks.DevMode || gBlocks.DevNames)) {
    FreePrinterBlocks();  // a printer that is gone: once more on the system's default
    error = RunSetupDialog(owner);
  }
  if (!error) return gPrintSetup.Generation != before;
  char text[64];
  std::snprintf(text, sizeof text, "Common dialog error: 0x%lX", static_cast<unsigned long>(error));
  ReportMessage(owner, text, kProgramCaption, MB_OK | MB_ICONHAND);
  return false;
}
