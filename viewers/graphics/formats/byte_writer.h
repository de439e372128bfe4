// Little pieces of a file put together before they go to the sink.
#pragma once
#include <cstdint>
#include <vector>

#include "viewers/graphics/formats/picture_writers.h"

class ByteWriter {
 public:
  explicit ByteWriter(const ByteSink& sink) : sink_(sink) {}
  ~ByteWriter() = default;
  void U8(uint32_t v) { bytes_.push_back(static_cast<uint8_t>(v)); }
  void U16(uint32_t v) { U8(v), U8(v >> 8); }
  void U32(uint32_t v) { U16(v & 0xFFFF), U16(v >> 16); }
  void Put(const void* data, size_t n) {
    const auto* p = static_cast<const uint8_t*>(data);
    bytes_.insert(bytes_.end(), p, p + n);
  }
  // Hands what is gathered to the sink; false once the sink has failed.
  bool Flush() {
    if (ok_ && !bytes_.empty()) ok_ = sink_(bytes_.data(), bytes_.size());
    bytes_.clear();
    return ok_;
  }
  // Flushes when a good piece has gathered.
  bool FlushSometimes() { return bytes_.size() < (1u << 16) ? ok_ : Flush(); }

 private:
  const ByteSink& sink_;
  std::vector<uint8_t> bytes_;
  bool ok_ = true;
};

inline uint8_t RedOf(uint32_t p) { return static_cast<uint8_t>(p >> 16); }
inline uint8_t GreenOf(uint32_t p) { return static_cast<uint8_t>(p >> 8); }
inline uint8_t BlueOf(uint32_t p) { return static_cast<uint8_t>(p); }
inline uint8_t AlphaOf(uint32_t p) { return static_cast<uint8_t>(p >> 24); }
