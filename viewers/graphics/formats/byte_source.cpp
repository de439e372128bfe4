#include "viewers/graphics/formats/byte_source.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr size_t kBufferBytes = 64 * 1024;
}  // namespace

ByteSource::ByteSource(const char* path) : file_(Files().Open(path)) {
  if (file_ == kNoFile) return;
  size_ = std::max<int64_t>(Files().Size(file_), 0);
}

ByteSource::~ByteSource() {
  if (file_ != kNoFile) Files().Close(file_);
}

size_t ByteSource::ReadAt(int64_t offset, void* buffer, size_t n) {
  if (file_ == kNoFile || offset < 0 || offset >= size_) return 0;
  n = static_cast<size_t>(std::min<int64_t>(static_cast<int64_t>(n), size_ - offset));
  if (!Files().Seek(file_, offset)) return 0;
  size_t done = 0;
  auto* out = static_cast<uint8_t*>(buffer);
  while (done < n) {
    int32_t piece = static_cast<int32_t>(std::min<size_t>(n - done, 1u << 30));
    int32_t got = Files().Read(file_, out + done, piece);
    if (got <= 0) break;
    done += static_cast<size_t>(got);
  }
  return done;
}

void ByteSource::SeekTo(int64_t offset) { position_ = std::max<int64_t>(offset, 0); }

bool ByteSource::Fill() {
  if (position_ >= bufferStart_ && position_ < bufferStart_ + static_cast<int64_t>(bufferUsed_))
    return true;
  buffer_.resize(kBufferBytes);
  bufferStart_ = position_;
  bufferUsed_ = ReadAt(position_, buffer_.data(), buffer_.size());
  return bufferUsed_ > 0;
}

bool ByteSource::AtEnd() { return !Fill(); }

int ByteSource::Get() {
  if (!Fill()) return -1;
  return buffer_[static_cast<size_t>(position_++ - bufferStart_)];
}

size_t ByteSource::Read(void* buffer, size_t n) {
  auto* out = static_cast<uint8_t*>(buffer);
  size_t done = 0;
  while (done < n && Fill()) {
    size_t at = static_cast<size_t>(position_ - bufferStart_);
    size_t piece = std::min(n - done, bufferUsed_ - at);
    std::memcpy(out + done, buffer_.data() + at, piece);
    done += piece;
    position_ += static_cast<int64_t>(piece);
  }
  return done;
}
