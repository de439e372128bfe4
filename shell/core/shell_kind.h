// Which main window the shell makes: on Windows NT 3.51 (and older NT) an
// icon on the desktop; on the newer shells, Windows 95 and its successors
// and Windows NT 4.0 and every later version, a hidden tool window.
#pragma once

constexpr unsigned kPlatformWindows = 1;  // Windows 95, 98, Me
constexpr unsigned kPlatformNT = 2;

inline bool IsNewShell(unsigned platformId, unsigned majorVersion) {
  return platformId == kPlatformWindows || (platformId == kPlatformNT && majorVersion >= 4);
}
