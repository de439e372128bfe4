#include "viewers/graphics/formats/tiff_stream.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr int kClear = 256, kEnd = 257, kCodes = 4096;
}  // namespace

TiffStream::TiffStream(ByteSource& file, int64_t offset, int64_t bytes, uint32_t compression)
    : file_(file), left_(std::max<int64_t>(bytes, 0)), compression_(compression) {
  file_.SeekTo(offset);
  if (compression_ == kTiffLzw) {
    table_.resize(kCodes);
    for (int i = 0; i < 256; ++i) table_[i] = {-1, static_cast<uint8_t>(i), static_cast<uint8_t>(i), 1};
  }
}

int TiffStream::NextByte() {
  if (left_ <= 0) return -1;
  --left_;
  return file_.Get();
}

size_t TiffStream::Read(uint8_t* out, size_t n) {
  size_t done = 0;
  while (done < n) {
    if (pendingAt_ == pending_.size()) {
      pending_.clear();
      pendingAt_ = 0;
      if (ended_) break;
      bool more = false;
      if (compression_ == kTiffStored) {
        pending_.resize(static_cast<size_t>(std::min<int64_t>(left_, 64 * 1024)));
        pending_.resize(file_.Read(pending_.data(), pending_.size()));
        left_ -= static_cast<int64_t>(pending_.size());
        more = !pending_.empty();
      } else if (compression_ == kTiffPackBits) {
        more = RefillPackBits();
      } else {
        more = RefillLzw();
      }
      if (!more) {
        ended_ = true;
        if (pending_.empty()) break;
      }
    }
    const size_t piece = std::min(n - done, pending_.size() - pendingAt_);
    std::memcpy(out + done, pending_.data() + pendingAt_, piece);
    done += piece;
    pendingAt_ += piece;
  }
  return done;
}

bool TiffStream::RefillPackBits() {
  for (;;) {
    const int head = NextByte();
    if (head < 0) return false;
    const int count = head < 128 ? head + 1 : head == 128 ? 0 : 257 - head;
    if (!count) continue;  // -128 does nothing
    if (head < 128) {
      for (int i = 0; i < count; ++i) {
        const int b = NextByte();
        if (b < 0) return false;
        pending_.push_back(static_cast<uint8_t>(b));
      }
    } else {
      const int b = NextByte();
      if (b < 0) return false;
      pending_.assign(static_cast<size_t>(count), static_cast<uint8_t>(b));
    }
    return true;
  }
}

int TiffStream::NextCode() {
  while (bitCount_ < width_) {
    const int b = NextByte();
    if (b < 0) return -1;
    bits_ = bits_ << 8 | static_cast<uint32_t>(b);
    bitCount_ += 8;
  }
  bitCount_ -= width_;
  return static_cast<int>((bits_ >> bitCount_) & ((1u << width_) - 1));
}

bool TiffStream::RefillLzw() {
  int code = NextCode();
  while (code == kClear) {
    next_ = 258, width_ = 9, previous_ = -1;
    code = NextCode();
  }
  if (code < 0 || code == kEnd) return false;
  if (code > next_ || (code == next_ && previous_ < 0)) return false;  // not in the table yet
  const bool known = code < next_;
  const int source = known ? code : previous_;
  const Entry& e = table_[static_cast<size_t>(source)];
  pending_.resize(e.Length + (known ? 0 : 1));
  for (int c = source, at = e.Length - 1; c >= 0; c = table_[static_cast<size_t>(c)].Prefix, --at)
    pending_[static_cast<size_t>(at)] = table_[static_cast<size_t>(c)].Byte;
  if (!known) pending_.back() = e.First;
  if (previous_ >= 0 && next_ < kCodes) {
    const Entry& p = table_[static_cast<size_t>(previous_)];
    table_[static_cast<size_t>(next_)] = {static_cast<int16_t>(previous_), pending_[0], p.First,
                                          static_cast<uint16_t>(p.Length + 1)};
    ++next_;
    if (next_ + 1 >= (1 << width_) && width_ < 12) ++width_;
  }
  previous_ = code;
  return true;
}
