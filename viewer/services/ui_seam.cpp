#include "viewer/services/ui_seam.h"

#include "win32/file_names_win32.h"

BOOL(WINAPI* gGetOpenFileName)(LPOPENFILENAMEA) = GetOpenFileNameChar;
DWORD(WINAPI* gCommDlgExtendedError)() = CommDlgExtendedError;
