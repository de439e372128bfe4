// The bytes of one TIFF strip or tile as they were before compression:
// stored as they are, PackBits, or LZW (most significant bit first, codes
// of 9 to 12 bits, widened one code early). Broken data ends the stream.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "viewers/graphics/formats/byte_source.h"

enum TiffCompression : uint32_t { kTiffStored = 1, kTiffLzw = 5, kTiffPackBits = 32773 };

class TiffStream {
 public:
  static bool Supports(uint32_t compression) {
    return compression == kTiffStored || compression == kTiffLzw || compression == kTiffPackBits;
  }
  TiffStream(ByteSource& file, int64_t offset, int64_t bytes, uint32_t compression);
  // Fills out with n bytes; the count filled, short when the data ends.
  size_t Read(uint8_t* out, size_t n);

 private:
  int NextByte();        // of the compressed data, -1 at its end
  int NextCode();        // LZW: -1 at the end of the data
  bool RefillLzw();      // decodes the next code into pending_
  bool RefillPackBits();

  ByteSource& file_;
  int64_t left_;  // compressed bytes not yet taken
  uint32_t compression_;
  std::vector<uint8_t> pending_;  // decoded, not yet handed out
  size_t pendingAt_ = 0;
  bool ended_ = false;

  // LZW's table: each code is a shorter code plus one byte.
  struct Entry {
    int16_t Prefix;
    uint8_t Byte;
    uint8_t First;
    uint16_t Length;
  };
  std::vector<Entry> table_;
  int next_ = 258, width_ = 9, previous_ = -1;
  uint32_t bits_ = 0;
  int bitCount_ = 0;
};
