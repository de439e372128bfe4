#include "viewers/archives/formats/test_archives.h"

#include <utility>

namespace {
void Put16(std::string& s, uint64_t v) {
  s += static_cast<char>(v & 0xFF);
  s += static_cast<char>(v >> 8 & 0xFF);
}
void Put32(std::string& s, uint64_t v) {
  Put16(s, v & 0xFFFF);
  Put16(s, v >> 16 & 0xFFFF);
}
void Put64(std::string& s, uint64_t v) {
  Put32(s, v & 0xFFFFFFFF);
  Put32(s, v >> 32);
}

// The fields local and central headers share, from "version needed" on.
std::string CommonFields(const TestEntry& e, bool zip64) {
  std::string s;
  Put16(s, zip64 ? 45 : 20);
  Put16(s, (e.Encrypted ? 1 : 0) | (e.Utf8 ? 1 << 11 : 0));
  Put16(s, e.Method);
  Put32(s, e.DosTime);
  Put32(s, Crc32Of(e.Packed));
  Put32(s, zip64 ? 0xFFFFFFFF : e.Packed.size());
  Put32(s, zip64 ? 0xFFFFFFFF : e.SizeOf());
  Put16(s, e.Name.size());
  return s;
}

// Extended headers as a chain: each is its type, its body and the size of
// the next (0 after the last); *first is the size of the first.
std::string ExtendedChain(const std::vector<std::pair<uint8_t, std::string>>& headers,
                          uint16_t* first) {
  std::string chain;
  *first = headers.empty() ? 0 : static_cast<uint16_t>(headers[0].second.size() + 3);
  for (size_t i = 0; i < headers.size(); ++i) {
    chain += static_cast<char>(headers[i].first);
    chain += headers[i].second;
    Put16(chain, i + 1 < headers.size() ? headers[i + 1].second.size() + 3 : 0);
  }
  return chain;
}

std::string Marked(std::string folder) {
  for (char& c : folder) c = c == '/' ? '\xFF' : c;
  return folder;
}
}  // namespace

uint32_t Crc32Of(std::string_view bytes) {
  uint32_t crc = 0xFFFFFFFF;
  for (unsigned char c : bytes) {
    crc ^= c;
    for (int k = 0; k < 8; ++k) crc = crc >> 1 ^ (0xEDB88320 & (0 - (crc & 1)));
  }
  return ~crc;
}

uint16_t Crc16Of(std::string_view bytes) {
  uint16_t crc = 0;
  for (unsigned char c : bytes) {
    crc ^= c;
    for (int k = 0; k < 8; ++k) crc = static_cast<uint16_t>(crc >> 1 ^ (0xA001 & (0 - (crc & 1))));
  }
  return crc;
}

std::string ZipBytes(const std::vector<TestEntry>& entries, const ZipOptions& options) {
  std::string out, central;
  for (const TestEntry& e : entries) {
    const uint64_t local = out.size();
    std::string extra;
    if (options.Zip64) {
      Put16(extra, 1);
      Put16(extra, 24);
      Put64(extra, e.SizeOf());
      Put64(extra, e.Packed.size());
      Put64(extra, local);
    }
    Put32(out, 0x04034b50);
    out += CommonFields(e, options.Zip64);
    Put16(out, 0);
    out += e.Name + e.Packed;
    Put32(central, 0x02014b50);
    Put16(central, (e.Unix ? 3 : 0) << 8 | 30);
    central += CommonFields(e, options.Zip64);
    Put16(central, extra.size());
    Put16(central, 0);  // comment
    Put16(central, 0);  // disk
    Put16(central, 0);  // internal attributes
    Put32(central, e.Unix ? uint64_t{e.Attributes} << 16 : e.Attributes);
    Put32(central, options.Zip64 ? 0xFFFFFFFF : local);
    central += e.Name + extra;
  }
  const uint64_t directoryAt = out.size();
  out += central;
  if (options.Zip64) {
    const uint64_t endAt = out.size();
    Put32(out, 0x06064b50);
    Put64(out, 44);
    Put16(out, 45);
    Put16(out, 45);
    Put32(out, 0);
    Put32(out, 0);
    Put64(out, entries.size());
    Put64(out, entries.size());
    Put64(out, central.size());
    Put64(out, directoryAt);
    Put32(out, 0x07064b50);
    Put32(out, 0);
    Put64(out, endAt);
    Put32(out, 1);
  }
  Put32(out, 0x06054b50);
  Put16(out, 0);
  Put16(out, 0);
  Put16(out, options.Zip64 ? 0xFFFF : entries.size());
  Put16(out, options.Zip64 ? 0xFFFF : entries.size());
  Put32(out, options.Zip64 ? 0xFFFFFFFF : central.size());
  Put32(out, options.Zip64 ? 0xFFFFFFFF : directoryAt);
  Put16(out, options.Comment.size());
  return out + options.Comment;
}

std::string LzhBytes(const std::vector<TestEntry>& entries, int level) {
  std::string out;
  for (const TestEntry& e : entries) {
    const bool folder = !e.Name.empty() && e.Name.back() == '/';
    const std::string method = folder ? "-lhd-" : "-lh5-";
    const size_t slash = e.Name.find_last_of('/');
    const std::string dir = slash == std::string::npos ? "" : e.Name.substr(0, slash + 1);
    const std::string base = e.Name.substr(dir.size());
    std::vector<std::pair<uint8_t, std::string>> headers;
    if (level == 2) headers.push_back({0x01, base});
    if (level > 0 && !dir.empty()) headers.push_back({0x02, Marked(dir)});
    std::string mode;
    Put16(mode, e.Attributes);
    if (level == 2 && e.Unix) headers.push_back({0x50, mode});
    uint16_t first = 0;
    const std::string chain = ExtendedChain(headers, &first);
    std::string h;
    if (level == 2) {
      Put16(h, 26 + chain.size());
      h += method;
      Put32(h, e.Packed.size());
      Put32(h, e.SizeOf());
      Put32(h, kLzhUnixTime);
      h += '\x20';
      h += '\x02';
      Put16(h, Crc16Of(e.Packed));
      h += 'U';
      Put16(h, first);
      out += h + chain + e.Packed;
      continue;
    }
    // Levels 0 and 1: the name (level 0: with its folder) in the fixed part.
    const std::string name = level == 0 ? e.Name : base;
    std::string body = method;
    Put32(body, e.Packed.size() + chain.size());
    Put32(body, e.SizeOf());
    Put32(body, e.DosTime);
    body += static_cast<char>(e.Attributes);
    body += static_cast<char>(level);
    body += static_cast<char>(name.size());
    body += name;
    Put16(body, Crc16Of(e.Packed));
    if (level == 1) {
      body += 'M';
      Put16(body, first);
    }
    uint8_t sum = 0;
    for (unsigned char c : body) sum = static_cast<uint8_t>(sum + c);
    h += static_cast<char>(body.size());
    h += static_cast<char>(sum);
    out += h + body + chain + e.Packed;
  }
  out += '\0';
  return out;
}
