#include "viewer/settings/print_setup.h"

#include "viewer/settings/program_profile.h"
#include "viewer/settings/view_options.h"

PrintSetup gPrintSetup;

const PrintSetupKey kPrintSetupKeys[kPrintSetupFields] = {
    {"PrtOrientation", 0x0001},   {"PrtPaperSize", 0x0002},    {"PrtPaperLength", 0x0004},
    {"PrtPaperWidth", 0x0008},    {"PrtScale", 0x0010},        {"PrtCopies", 0x0100},
    {"PrtDefaultSource", 0x0200}, {"PrtPrintQuality", 0x0400}, {"PrtColor", 0x0800},
    {"PrtDuplex", 0x1000},        {"PrtYResolution", 0x2000},  {"PrtTTOption", 0x4000},
};

bool SavePrintSetup(const char* section) {
  if (gSetupSettings.ProfileReadOnly) return false;
  ProfileStore& p = Profile();
  const PrintSetup& s = gPrintSetup;
  if (s.HasDeviceMode) {
    for (int i = 0; i < kPrintSetupFields; ++i) {
      if (s.FieldMask & kPrintSetupKeys[i].Bit)
        p.WriteInt(section, kPrintSetupKeys[i].Key, s.Fields[i]);
      else
        p.WriteString(section, kPrintSetupKeys[i].Key, nullptr);
    }
    p.WriteString(section, "PrtDevice", s.Device);
    p.WriteInt(section, "PrtSpecVersion", s.SpecVersion);
    p.WriteInt(section, "PrtDriverVersion", s.DriverVersion);
  }
  if (s.HasDeviceNames) {
    p.WriteString(section, "PrtDriver", s.Driver);
    p.WriteString(section, "PrtOutput", s.Output);
  }
  return s.HasDeviceMode && s.HasDeviceNames;
}

bool LoadPrintSetup(const char* section) {
  ProfileStore& p = Profile();
  PrintSetup& s = gPrintSetup;
  ++s.Generation;
  // Read aside first: without a stored printer the device names, whose
  // device is this record's, stay as they were.
  PrintSetup loaded;
  bool any = false;
  for (int i = 0; i < kPrintSetupFields; ++i) {
    loaded.Fields[i] = static_cast<int16_t>(p.GetInt(section, kPrintSetupKeys[i].Key, 0));
    if (loaded.Fields[i]) loaded.FieldMask |= kPrintSetupKeys[i].Bit;
    any |= loaded.Fields[i] != 0;
  }
  p.GetString(section, "PrtDevice", "", loaded.Device, sizeof loaded.Device);
  loaded.SpecVersion = static_cast<int16_t>(p.GetInt(section, "PrtSpecVersion", 0));
  loaded.DriverVersion = static_cast<int16_t>(p.GetInt(section, "PrtDriverVersion", 0));
  any |= loaded.Device[0] || loaded.SpecVersion || loaded.DriverVersion;
  if (!any) {
    s.HasDeviceMode = false;
    return false;
  }
  p.GetString(section, "PrtDriver", "", loaded.Driver, sizeof loaded.Driver);
  p.GetString(section, "PrtOutput", "", loaded.Output, sizeof loaded.Output);
  loaded.HasDeviceMode = loaded.HasDeviceNames = true;
  loaded.Generation = s.Generation;
  s = loaded;
  return true;
}
