// The printer set-up the user picked (printer, paper, orientation, copies,
// ...): what the print dialog's device mode and device names hold, kept in
// the profile under "Prt..." keys so that prints without a dialog go to that
// printer also after a restart. The program keeps the dialog's own blocks
// beside this record while it runs and rebuilds them when the record is
// loaded anew (Generation).
#pragma once
#include <cstdint>

// The device mode's numeric fields in their order, each with its key and
// field-mask bit.
enum PrintSetupField {
  kPrtOrientation, kPrtPaperSize, kPrtPaperLength, kPrtPaperWidth, kPrtScale, kPrtCopies,
  kPrtDefaultSource, kPrtPrintQuality, kPrtColor, kPrtDuplex, kPrtYResolution, kPrtTTOption,
  kPrintSetupFields
};
struct PrintSetupKey {
  const char* Key;
  uint32_t Bit;
};
extern const PrintSetupKey kPrintSetupKeys[kPrintSetupFields];

constexpr int kPrinterDeviceChars = 31;   // the device mode's 32-character name
constexpr int kPrinterNameChars = 260;    // driver and output port

struct PrintSetup {
  bool HasDeviceMode = false;
  uint32_t FieldMask = 0;
  int16_t Fields[kPrintSetupFields] = {};
  char Device[kPrinterDeviceChars + 1] = "";
  int16_t SpecVersion = 0;
  int16_t DriverVersion = 0;
  bool HasDeviceNames = false;
  char Driver[kPrinterNameChars + 1] = "";
  char Output[kPrinterNameChars + 1] = "";
  uint32_t Generation = 0;  // counts the loads
};

extern PrintSetup gPrintSetup;

constexpr char kPrintSetupSection[] = "Print Setup";

// True when both the device mode and the device names were written. Writes
// nothing to a read-only profile.
bool SavePrintSetup(const char* section);
// True when the section holds a printer set-up; without one the device mode
// is gone and the device names stay as they were.
bool LoadPrintSetup(const char* section);
