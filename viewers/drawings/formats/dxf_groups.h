// The groups of a DXF file in its text form (a code line, then a value
// line) gathered into the entities the drawing viewer reads: those of the
// ENTITIES section and of each block, with the layers' colours. Counts are
// bounded, so that an endless or absurd stream of groups ends.
#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "viewers/graphics/formats/byte_source.h"

struct DxfGroup {
  int Code = 0;
  std::string Value;
};

struct DxfEntity {
  std::string Type;  // LINE, CIRCLE, ...
  std::vector<DxfGroup> Groups;
  std::vector<DxfEntity> Vertices;  // a POLYLINE's VERTEX entities

  // The first group of code, or otherwise.
  double Number(int code, double otherwise = 0) const;
  // The same as a whole number within the range of int.
  int Integer(int code, int otherwise = 0) const;
  std::string Text(int code) const;
};

struct DxfBlock {
  double BaseX = 0, BaseY = 0;
  std::vector<DxfEntity> Entities;
};

struct DxfFile {
  bool Valid = false;
  std::vector<DxfEntity> Entities;
  std::map<std::string, DxfBlock> Blocks;   // by upper-case name
  std::map<std::string, int> LayerColours;  // by upper-case name; negative when the layer is off
};

inline constexpr int64_t kMostDxfGroups = 8000000;
inline constexpr size_t kMostDxfGroupsPerEntity = 200000;
inline constexpr int64_t kMostStoredGroups = 4000000;  // of every entity together

// Reads at most mostGroups groups.
DxfFile ReadDxfGroups(ByteSource& file, int64_t mostGroups = kMostDxfGroups);

// The colour of a drawing's colour number 1-255 as 0xRRGGBB.
uint32_t DxfColour(int number);
// A value as a number, 0 when it is none; never infinite.
double DxfNumber(const std::string& value);
int DxfInteger(const std::string& value);
std::string UpperCase(std::string text);
