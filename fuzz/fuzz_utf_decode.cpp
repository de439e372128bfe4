// The UTF-8 and UTF-16 decoder against glibc's iconv on the same bytes: up
// to the first byte that is not a character both give the same code points
// and stop at the same place, an end inside a character being "cut" for
// both; every character encodes back to its own bytes.
#include <iconv.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "viewer/buffer/utf_decode.h"

namespace {
struct Reference {
  std::vector<uint32_t> chars;
  size_t stop = 0;  // bytes converted
  int error = 0;    // 0, EILSEQ or EINVAL
};

Reference Iconv(const char* from, const uint8_t* data, size_t size) {
  static iconv_t handles[3] = {};
  const int which = from[4] == '8' ? 0 : (from[6] == 'L' ? 1 : 2);
  if (!handles[which]) handles[which] = iconv_open("UTF-32LE", from);
  iconv_t cd = handles[which];
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  std::vector<char> out(4 * size + 16);
  char* in = reinterpret_cast<char*>(const_cast<uint8_t*>(data));
  size_t inLeft = size, outLeft = out.size();
  char* o = out.data();
  Reference r;
  if (iconv(cd, &in, &inLeft, &o, &outLeft) == static_cast<size_t>(-1)) r.error = errno;
  r.stop = size - inLeft;
  for (char* p = out.data(); p < o; p += 4) {
    uint32_t ch;
    std::memcpy(&ch, p, 4);
    r.chars.push_back(ch);
  }
  return r;
}

void Check(uint32_t code, const char* name, const uint8_t* data, size_t size) {
  const Reference ref = Iconv(name, data, size);
  std::vector<uint32_t> chars;
  size_t pos = 0;
  UtfStep last = UtfStep::Char;
  while (pos < size) {
    const UtfChar c = DecodeUtf(code, data + pos, static_cast<int32_t>(size - pos));
    if (c.Step != UtfStep::Char) {
      last = c.Step;
      break;
    }
    uint8_t bytes[4];
    if (EncodeUtf(code, c.Char, bytes) != c.Bytes || std::memcmp(bytes, data + pos, c.Bytes))
      std::abort();
    chars.push_back(c.Char);
    pos += c.Bytes;
  }
  if (chars != ref.chars || pos != ref.stop) std::abort();
  // glibc calls an end within six bytes of a lead byte "incomplete" even
  // where no byte could complete it (F8, FC, or E0 80): invalid here.
  if ((pos == size) != (ref.error == 0)) std::abort();
  if (last == UtfStep::Cut && ref.error != EINVAL) std::abort();
  if (last == UtfStep::Invalid && ref.error == EINVAL && size - ref.stop >= 6) std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Check(FMT_UTF8, "UTF-8", data, size);
  Check(FMT_UTF16LE, "UTF-16LE", data, size);
  Check(FMT_UTF16BE, "UTF-16BE", data, size);
  // What the formatters are handed: a block's first bytes, whole or not.
  DetectCharCode(data, static_cast<int32_t>(size), (size & 1) != 0);
  return 0;
}
