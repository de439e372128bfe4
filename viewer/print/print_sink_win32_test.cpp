// Pages drawn into an enhanced metafile instead of a printer: every text
// record (string, place) with the colours it was drawn in.
#include "viewer/print/print_sink_win32.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "common/text_copy.h"
#include "viewer/buffer/formatters.h"
#include "viewer/buffer/memory_files.h"
#include "viewer/settings/color_table.h"
#include "viewer/settings/page_setup.h"

namespace {
struct Drawn {
  std::string text;
  int x, y;
  COLORREF fore, back;
};

struct Replay {
  std::vector<Drawn> texts;
  COLORREF fore = 0, back = 0;
};

// A metafile has no pages to start and end.
struct MetafileSink : GdiPageSink {
  using GdiPageSink::GdiPageSink;
  bool StartPage() override {
    PrepareDrawing();
    return true;
  }
  bool EndPage() override { return true; }
};

int CALLBACK Record(HDC, HANDLETABLE*, const ENHMETARECORD* r, int, LPARAM data) {
  auto* replay = reinterpret_cast<Replay*>(data);
  if (r->iType == EMR_SETTEXTCOLOR) replay->fore = reinterpret_cast<const EMRSETTEXTCOLOR*>(r)->crColor;
  if (r->iType == EMR_SETBKCOLOR) replay->back = reinterpret_cast<const EMRSETBKCOLOR*>(r)->crColor;
  if (r->iType == EMR_EXTTEXTOUTW) {
    const auto* t = reinterpret_cast<const EMREXTTEXTOUTW*>(r);
    const auto* chars = reinterpret_cast<const wchar_t*>(reinterpret_cast<const BYTE*>(r) +
                                                         t->emrtext.offString);
    std::string text;
    for (DWORD i = 0; i < t->emrtext.nChars; ++i) text += static_cast<char>(chars[i]);
    replay->texts.push_back({text, static_cast<int>(t->emrtext.ptlReference.x),
                             static_cast<int>(t->emrtext.ptlReference.y), replay->fore,
                             replay->back});
  }
  return 1;
}
}  // namespace

TEST(PrintSink, LinesAreDrawnWhereComposedInTheirShades) {
  MemoryFileSystem& fs = UseMemoryFiles();
  const std::string text = "first\r\ntagged\r\nselected\r\n";
  fs.Files["f"].assign(text.begin(), text.end());
  FileRef file;
  CopyText(file.Path, "f");
  file.Flen = static_cast<FileOffset>(text.size());
  std::vector<TagEntry> slots(kTagCapacity + 1);
  TagList tags{slots.data(), 0};
  TagAdd(tags, 7, TAG_USER);
  ResetColors(kAllPrintShades);

  HDC dc = CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(dc, nullptr);
  HFONT font = static_cast<HFONT>(GetStockObject(ANSI_FIXED_FONT));
  PageGeometry page;
  page.LineHeight = 20;
  page.CharWidth = 10;
  page.Left = 30;
  page.Top = 40;
  page.UsableWidth = 800;
  page.Bottom = 1000;
  page.CharsPerLine = 80;
  std::vector<uint8_t> read(4096);
  std::vector<LineEntry> lines(64);
  std::vector<char> chars(4096);
  PrintSource source{&file, LineFormat{FormatText, 0, 80, 8},
                     WalkBlocks{read.data(), 4096, lines.data(), 64, chars.data(), 4096}, &tags, {}};
  PrintPlan plan;
  plan.Options = PO_SHADE_TAGS | PO_SHADE_SELECTION | PO_FILE_NAME;
  plan.HeadingLeft = "f";
  plan.SelStart = 15;
  plan.SelEnd = 20;
  PrintDevice device;
  device.Dc = dc;
  MetafileSink sink(device, page, font);
  PrintResult result = ComposePages(source, plan, page, sink);
  HENHMETAFILE emf = CloseEnhMetaFile(dc);
  UsePlatformFiles();
  EXPECT_EQ(result.PagesPrinted, 1);

  Replay replay;
  EnumEnhMetaFile(nullptr, emf, Record, &replay, nullptr);
  DeleteEnhMetaFile(emf);
  const COLORREF black = 0x000000, white = 0xFFFFFF, tagged = 0xC0C0C0;
  ASSERT_EQ(replay.texts.size(), 4u);
  const Drawn expected[] = {{"f", 30, 40, black, white},
                            {"first", 30, 80, black, white},
                            {"tagged", 30, 100, black, tagged},
                            {"selected", 30, 120, white, black}};  // normal shades inverted
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(replay.texts[i].text, expected[i].text);
    EXPECT_EQ(replay.texts[i].x, expected[i].x) << expected[i].text;
    EXPECT_EQ(replay.texts[i].y, expected[i].y) << expected[i].text;
    EXPECT_EQ(replay.texts[i].fore, expected[i].fore) << expected[i].text;
    EXPECT_EQ(replay.texts[i].back, expected[i].back) << expected[i].text;
  }
}
