// Icon files the Wine tests make: each image 32 bits deep, of one colour
// with the alpha it is given, so that what is drawn or copied can be told
// from the window's background.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct SolidIconImage {
  int Width, Height;
  uint8_t Red, Green, Blue, Alpha;
};
std::string IconFileBytes(const std::vector<SolidIconImage>& images);
