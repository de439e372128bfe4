#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "viewer/buffer/format_flags.h"
#include "viewer/buffer/line_buffer.h"
#include "viewer/buffer/read_block.h"
#include "viewer/buffer/view_fixture.h"

namespace {
struct WideLine {
  FileOffset offset;
  std::u16string text;
  int32_t flags;
  bool operator==(const WideLine&) const = default;
};

std::u16string Units(const char* from, int32_t count) {
  std::u16string s(count, u'\0');
  std::memcpy(s.data(), from, 2 * static_cast<size_t>(count));
  return s;
}

struct WideRun {
  std::vector<WideLine> lines;
  FileOffset end = -1;
};

WideRun FormatWide(std::string_view bytes, uint32_t flags, int direction = FORMAT_FORWARD,
                   int32_t L = 80, FileOffset fileSize = 0, int32_t textCapacity = 1 << 16) {
  const int32_t n = static_cast<int32_t>(bytes.size());
  const int32_t position = direction == FORMAT_FORWARD ? 0 : n;
  std::vector<LineEntry> entries(200);
  std::vector<char> text(textCapacity);
  ReadWindow w{reinterpret_cast<const uint8_t*>(bytes.data()), n, position, fileSize};
  LineArray lines{entries.data(), 200, direction == FORMAT_FORWARD ? 0 : 200};
  TextBuffer t{text.data(), textCapacity, 0};
  FormatText(w, lines, t, position, direction, flags | FMT_FORM_FEEDS, L, 8);
  WideRun run;
  const int32_t from = direction == FORMAT_FORWARD ? 0 : lines.Count;
  const int32_t to = direction == FORMAT_FORWARD ? lines.Count : 200;
  for (int32_t i = from; i < to; ++i) {
    const LineEntry& e = entries[i];
    run.lines.push_back({e.Offset, Units(text.data() + e.TextOffset, e.Length), e.Flags});
  }
  if (direction == FORMAT_FORWARD) run.end = entries[lines.Count].Offset;
  return run;
}

std::vector<std::u16string> Texts(const WideRun& run) {
  std::vector<std::u16string> v;
  for (const WideLine& l : run.lines) v.push_back(l.text);
  return v;
}

std::vector<FileOffset> Offsets(const WideRun& run) {
  std::vector<FileOffset> v;
  for (const WideLine& l : run.lines) v.push_back(l.offset);
  return v;
}

std::string Utf16(std::u16string_view s, bool bigEndian) {
  std::string bytes;
  for (char16_t u : s) {
    const char lo = static_cast<char>(u & 0xFF), hi = static_cast<char>(u >> 8);
    bytes += bigEndian ? hi : lo;
    bytes += bigEndian ? lo : hi;
  }
  return bytes;
}

const char kMixed[] =
    "Andr\xC3\xA9s\r\n"             // Latin
    "\xCE\xB1\xCE\xB2\xCE\xB3\n"    // Greek
    "\xE4\xB8\xAD\xE6\x96\x87\r\n"  // CJK
    "\xF0\x9F\x98\x80!";            // emoji
}  // namespace

TEST(FormatUnicodeText, Utf8LinesKeepByteOffsets) {
  WideRun f = FormatWide(kMixed, FMT_UTF8);
  EXPECT_EQ(Texts(f), (std::vector<std::u16string>{u"Andrés", u"αβγ", u"中文", u"😀!"}));
  EXPECT_EQ(Offsets(f), (std::vector<FileOffset>{0, 9, 16, 24}));
  EXPECT_EQ(f.lines[0].flags, LF_WIDE);
  EXPECT_EQ(f.lines[3].flags, LF_WIDE | LF_INCOMPLETE);
  EXPECT_EQ(f.end, 29);
  EXPECT_EQ(FormatWide(kMixed, FMT_UTF8, FORMAT_BACKWARD).lines, f.lines);
}

TEST(FormatUnicodeText, InvalidBytesAreOneMarkEach) {
  // A bad lead, an overlong form, a surrogate and a cut sequence at the end.
  const std::string s =
      "a\xFF"
      "b\xC0\xAF\r\n\xED\xA0\x80\n\xE4\xB8";
  WideRun f = FormatWide(s, FMT_UTF8);
  EXPECT_EQ(Texts(f), (std::vector<std::u16string>{u"a\uFFFDb\uFFFD\uFFFD", u"\uFFFD\uFFFD\uFFFD",
                                                   u"\uFFFD\uFFFD"}));
  EXPECT_EQ(Offsets(f), (std::vector<FileOffset>{0, 7, 11}));
  EXPECT_EQ(FormatWide(s, FMT_UTF8, FORMAT_BACKWARD).lines, f.lines);
}

TEST(FormatUnicodeText, ACharacterCutByTheWindowWaitsForTheNextBlock) {
  // The window ends inside the CJK character; the file goes on.
  const std::string s = "abc\n\xE4\xB8";
  WideRun f = FormatWide(s, FMT_UTF8, FORMAT_FORWARD, 80, 100);
  EXPECT_EQ(Texts(f), (std::vector<std::u16string>{u"abc"}));
  EXPECT_EQ(f.end, 4);
}

TEST(FormatUnicodeText, ColumnsCountCharacters) {
  // A tab after two CJK characters reaches the stop at column 8.
  EXPECT_EQ(Texts(FormatWide("\xE4\xB8\xAD\xE6\x96\x87\tx", FMT_UTF8 | FMT_EXPAND_TABS)),
            (std::vector<std::u16string>{u"中文      x"}));
  // Wrapping at four columns: a surrogate pair is never split.
  WideRun wrapped = FormatWide("\xCE\xB1\xCE\xB2\xCE\xB3\xF0\x9F\x98\x80z", FMT_UTF8 | FMT_WRAP,
                               FORMAT_FORWARD, 4);
  EXPECT_EQ(Texts(wrapped), (std::vector<std::u16string>{u"αβγ", u"😀z"}));
  EXPECT_EQ(Offsets(wrapped), (std::vector<FileOffset>{0, 6}));
  // Cut at the line length, the rest skipped to the line end.
  WideRun cut = FormatWide("\xCE\xB1\xCE\xB2\xCE\xB3\r\nz", FMT_UTF8, FORMAT_FORWARD, 2);
  EXPECT_EQ(Texts(cut), (std::vector<std::u16string>{u"αβ", u"z"}));
  EXPECT_TRUE(cut.lines[0].flags & LF_TRUNCATED);
}

TEST(FormatUnicodeText, Utf16WithAndWithoutMark) {
  const std::string le = "\xFF\xFE" + Utf16(u"Zoë\r\n中😀\n", false) + "Q";  // odd length
  WideRun f = FormatWide(le, FMT_UTF16LE);
  EXPECT_EQ(Texts(f), (std::vector<std::u16string>{u"Zoë", u"中😀", u"\uFFFD"}));
  EXPECT_EQ(Offsets(f), (std::vector<FileOffset>{0, 12, 20}));
  EXPECT_EQ(FormatWide(le, FMT_UTF16LE, FORMAT_BACKWARD).lines, f.lines);

  const std::string be = Utf16(u"ab\u0A0D\ncd", true);  // a unit holding CR's byte is no line end
  WideRun b = FormatWide(be, FMT_UTF16BE);
  EXPECT_EQ(Texts(b), (std::vector<std::u16string>{u"ab\u0A0D", u"cd"}));
  EXPECT_EQ(FormatWide(be, FMT_UTF16BE, FORMAT_BACKWARD).lines, b.lines);
}

TEST(FormatUnicodeText, BackwardMatchesForwardOnRandomText) {
  std::mt19937 rng(7);
  const char* pieces[] = {
      "a",    "\r",   "\n",   "\t",   "\xC3\xA9", "\xE4\xB8\xAD", "\xF0\x9F\x98\x80",
      "\xFF", "\x80", "\xE4", "\x0C", "\0"};
  for (int round = 0; round < 300; ++round) {
    std::string s;
    for (int i = 0, n = rng() % 40; i < n; ++i) s += pieces[rng() % std::size(pieces)];
    for (uint32_t code : {FMT_UTF8, FMT_UTF16LE}) {
      const uint32_t flags = code | (round % 2 ? FMT_WRAP | FMT_EXPAND_TABS : 0);
      WideRun f = FormatWide(s, flags, FORMAT_FORWARD, 5);
      WideRun b = FormatWide(s, flags, FORMAT_BACKWARD, 5);
      EXPECT_EQ(Offsets(b), Offsets(f)) << round << " " << testing::PrintToString(s);
      EXPECT_EQ(Texts(b), Texts(f)) << round;
      EXPECT_EQ(f.end, static_cast<FileOffset>(s.size())) << round;
    }
  }
}

TEST(FormatUnicodeText, ACharacterAcrossTheBlockEdgeIsReadWhole) {
  // Lines of 60 bytes, each with a two-byte character, across the 65535
  // byte edge of the line buffer's block in both directions.
  std::string s;
  while (s.size() < 3 * kReadBlockBytes) s += std::string(57, 'x') + "\xC3\xA9\n";
  ViewFixture v;
  v.settings.Flags = FMT_FORM_FEEDS | FMT_UTF8;
  v.Open(s);
  for (FileOffset target :
       {FileOffset{0}, FileOffset{kReadBlockBytes}, FileOffset{2 * kReadBlockBytes - 30}}) {
    v.Move(MOVE_GOTOBYTE, 0, target);
    for (int i = v.table.Afirst; i < v.table.Alast; ++i) {
      const LineEntry& e = v.entries[i];
      ASSERT_EQ(e.Offset % 60, 0) << target;
      EXPECT_EQ(Units(v.text.data() + e.TextOffset, e.Length), std::u16string(57, u'x') + u"é")
          << target << " " << e.Offset;
    }
  }
}
