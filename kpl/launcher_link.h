// What the shell and the launcher extension KPL.DLL agree on. The shell
// loads the library by name only to call its entry point and frees it
// again; the two share the key "auto" / "autoview" of KPLAUNCH.INI in the
// Windows directory.
#pragma once

// The entry point's name and form, as a file manager calls an extension.
constexpr char kLauncherEntryPoint[] = "FMExtensionProc";
// The shell's event: the settings changed, read the shared key again.
constexpr unsigned short kLauncherSettingsChanged = 600;
