#include "viewer/app/ctl3d.h"

namespace {
using Ctl3dCall = BOOL(WINAPI*)(HINSTANCE);
HMODULE gLibrary = nullptr;
Ctl3dCall gUnregister = nullptr;

Ctl3dCall Entry(const char* name) {
  return reinterpret_cast<Ctl3dCall>(reinterpret_cast<void*>(GetProcAddress(gLibrary, name)));
}

void Drop() {
  if (gLibrary) FreeLibrary(gLibrary);
  gLibrary = nullptr;
  gUnregister = nullptr;
}
}  // namespace

void LoadCtl3d(HINSTANCE instance) {
  OFSTRUCT of = {};
  of.cBytes = sizeof of;
  if (OpenFile("CTL3D32.DLL", &of, OF_EXIST) == HFILE_ERROR) return;
  gLibrary = LoadLibraryA("CTL3D32.DLL");
  if (reinterpret_cast<UINT_PTR>(gLibrary) <= 32) {
    gLibrary = nullptr;
    return;
  }
  Ctl3dCall reg = Entry("Ctl3dRegister");
  gUnregister = Entry("Ctl3dUnregister");
  Ctl3dCall subclass = Entry("Ctl3dAutoSubclass");
  if (!reg || !gUnregister || !subclass || !reg(instance)) {
    Drop();
    return;
  }
  subclass(instance);
}

void UnloadCtl3d(HINSTANCE instance) {
  if (!gLibrary) return;
  gUnregister(instance);
  Drop();
}
