// The profile store the text viewer reads and writes its settings through:
// the platform's private-profile calls on ProfilePath in the program, an
// in-memory file in tests.
#pragma once
#include "common/profile_store.h"

// The store the program uses (set once at start-up).
ProfileStore& Profile();
void SetProfileStore(ProfileStore* store);
