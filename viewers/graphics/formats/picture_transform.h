// Turning a picture: the Rotate commands, and the orientation a camera
// records in a JPEG file's EXIF data.
#pragma once
#include "viewers/graphics/formats/picture.h"

void FlipTopToBottom(Picture& picture);
void ReverseLeftToRight(Picture& picture);
// False, with the picture unchanged, when there is no memory for the turn.
bool RotateClockwise(Picture& picture);

// EXIF orientation 1 to 8 (how the stored picture must be turned to stand
// upright); other values leave it as it is.
bool Orient(Picture& picture, int orientation);
