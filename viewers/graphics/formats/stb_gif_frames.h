// The frames of a GIF animation from the stb decoder, one at a time. stb's
// own loop over the frames points at the wrong frame for the "restore to
// previous" disposal and reads before its buffer; this loop keeps the two
// frames the decoder may go back to itself.
#pragma once
#include <functional>

// Calls frame with each frame as composed (red, green, blue, alpha), its
// size and its delay in milliseconds, until it returns false or the file
// ends; the number of frames decoded.
int StbGifFrames(const unsigned char* bytes, int length,
                 const std::function<bool(const unsigned char* rgba, int width, int height, int delayMs)>& frame);
