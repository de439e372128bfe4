#include "viewer/services/ui_seam.h"

BOOL(WINAPI* gGetOpenFileName)(LPOPENFILENAMEA) = GetOpenFileNameA;
DWORD(WINAPI* gCommDlgExtendedError)() = CommDlgExtendedError;
