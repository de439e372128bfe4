#include "viewer/settings/program_profile.h"

namespace {
ProfileStore* gStore = nullptr;
}  // namespace

ProfileStore& Profile() { return *gStore; }
void SetProfileStore(ProfileStore* store) { gStore = store; }
