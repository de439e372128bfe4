#include "viewer/services/instance.h"

namespace {
HINSTANCE gInstance = nullptr;
}  // namespace

HINSTANCE ProgramInstance() { return gInstance ? gInstance : GetModuleHandleA(nullptr); }
void SetProgramInstance(HINSTANCE instance) { gInstance = instance; }
