// The window class each viewer library registers and the file the shell
// loads it from. The shell's viewer table, the libraries and their tests
// all name them from here.
#pragma once

struct ViewerLibraryName {
  const char* WindowClass;
  const char* Library;
};

inline constexpr ViewerLibraryName kTextLibrary{"ZRXEDIT", "ZREDIT32.DLL"};
inline constexpr ViewerLibraryName kHexLibrary{"ZRXHEX", "ZRH32.DLL"};
inline constexpr ViewerLibraryName kGraphicsLibrary{"ZRXGRAPH", "ZRG32.DLL"};
inline constexpr ViewerLibraryName kIconLibrary{"ZRXICON", "ZRI32.DLL"};
inline constexpr ViewerLibraryName kWordProLibrary{"ZRXWPRO", "ZRVWP32.DLL"};
inline constexpr ViewerLibraryName kDatabaseLibrary{"ZRXDBASE", "ZRDB32.DLL"};
inline constexpr ViewerLibraryName kSpreadsheetLibrary{"ZRXSPRED", "ZRSP32.DLL"};
inline constexpr ViewerLibraryName kArchiveLibrary{"ZRXCOMP", "ZRCP32.DLL"};
inline constexpr ViewerLibraryName kSoundLibrary{"ZRXWAV", "ZRWAV32.DLL"};
inline constexpr ViewerLibraryName kFilterLibrary{"ZRXFILT", "ZRFLT32.DLL"};
inline constexpr ViewerLibraryName kDrawingLibrary{"ZRXDWGVR", "ZRDWG.DLL"};
inline constexpr ViewerLibraryName kFontLibrary{"ZRXTTFNT", "ZRTTF32.DLL"};
