// The file the main view shows; Path is empty when none is open.
#pragma once
#include "viewer/buffer/file_ref.h"

extern FileRef gFile;
