/* The shipped programs use CRTDLL.DLL, the C runtime that every Win32
   system carries from Windows NT 3.1 and Windows 95 on (MSVCRT.DLL came
   with NT 4.0 and the second Windows 95). The static C++ runtime refers to
   three names CRTDLL.DLL lacks, all from std::random_device, which no
   program uses: these stand-ins let it link, and say "not available" if it
   were ever called. */
#include <errno.h>

int _read(int file, void* buffer, unsigned int count);
int _close(int file);

int read(int file, void* buffer, unsigned int count) { return _read(file, buffer, count); }
int close(int file) { return _close(file); }

/* rand_s arrived with the runtime of Windows XP. */
static int __cdecl RandSMissing(unsigned int* value) {
  *value = 0;
  return EINVAL;
}
int(__cdecl* _imp__rand_s)(unsigned int*) = RandSMissing;
