// The smallest DLL of the suite's kind: it proves that tarvo_win32_dll links
// one with the static runtime and that its import check runs.
#include <windows.h>

extern "C" __declspec(dllexport) int WINAPI TarvoProbe(int x) { return x + 1; }
