#include "viewers/drawings/formats/drawing_readers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "viewer/buffer/memory_files.h"
#include "viewers/drawings/formats/dxf_groups.h"
#include "viewers/drawings/formats/dxf_text.h"

namespace {

Drawing Read(const std::string& bytes, bool dxf) {
  UseMemoryFiles().Files["drawing"].assign(bytes.begin(), bytes.end());
  ByteSource file("drawing");
  return dxf ? ReadDxf(file) : ReadHpgl(file);
}

// One shape as the test wrote it: kind, colour, the points (or centre),
// radius and text.
struct Expected {
  ShapeKind Kind;
  uint32_t Colour;
  std::vector<DrawPoint> Points;
  double Radius = 0;
  std::string Text = {};
};

void ExpectShapes(const DrawingPage& page, const std::vector<Expected>& expected,
                  const std::string& name) {
  ASSERT_EQ(page.Shapes.size(), expected.size()) << name;
  for (size_t i = 0; i < expected.size(); ++i) {
    const Shape& s = page.Shapes[i];
    const Expected& e = expected[i];
    EXPECT_EQ(s.Kind, e.Kind) << name << " shape " << i;
    EXPECT_EQ(s.Colour, e.Colour) << name << " shape " << i;
    ASSERT_EQ(s.Points.size(), e.Points.size()) << name << " shape " << i;
    for (size_t p = 0; p < e.Points.size(); ++p) {
      EXPECT_NEAR(s.Points[p].X, e.Points[p].X, 1e-6) << name << " shape " << i << " point " << p;
      EXPECT_NEAR(s.Points[p].Y, e.Points[p].Y, 1e-6) << name << " shape " << i << " point " << p;
    }
    EXPECT_NEAR(s.Radius, e.Radius, 1e-6) << name << " shape " << i;
    EXPECT_EQ(s.Text, e.Text) << name << " shape " << i;
  }
}

TEST(HpglReaderTest, DrawsWhatTheInstructionsSay) {
  constexpr uint32_t kRed = 0xFF0000, kGreen = 0x00A000;
  const struct {
    const char* name;
    std::string file;
    std::vector<Expected> shapes;
  } cases[] = {
      {"square",
       "IN;SP1;PU0,0;PD0,1000,1000,1000,1000,0,0,0;PU;",
       {{ShapeKind::Polyline, kInkColour, {{0, 0}, {0, 1000}, {1000, 1000}, {1000, 0}, {0, 0}}}}},
      {"circle in pen 2",
       "IN;SP2;PA500,500;CI250;",
       {{ShapeKind::Circle, kRed, {{500, 500}}, 250}}},
      {"relative moves",
       "IN;SP3;PA100,100;PR;PD50,0,0,50;",
       {{ShapeKind::Polyline, kGreen, {{100, 100}, {150, 100}, {150, 150}}}}},
      {"no pen draws nothing", "IN;SP0;PD0,0,10,10;", {}},
      {"filled and open rectangles",
       "IN;PA10,10;RA110,60;ER-10,-10;",
       {{ShapeKind::Polygon, kInkColour, {{10, 10}, {110, 10}, {110, 60}, {10, 60}}},
        {ShapeKind::Polyline, kInkColour, {{10, 10}, {0, 10}, {0, 0}, {10, 0}}}}},
      {"an arc ends where the pen moves on",
       "IN;PA100,0;PD;AA0,0,90;PD0,200;",
       {{ShapeKind::Arc, kInkColour, {{0, 0}}, 100},
        {ShapeKind::Polyline, kInkColour, {{0, 100}, {0, 200}}}}},
      {"labels with their terminator",
       "IN;PA100,100;LBHello\x03;DT*;LBabc*",
       {{ShapeKind::Text, kInkColour, {{100, 100}}, 0, "Hello"},
        {ShapeKind::Text, kInkColour, {{100 + 5 * 1.5 * 76, 100}}, 0, "abc"}}},
      {"unknown instructions are skipped",
       "IN;ZZ1,2,3;PA0,0;XX;PD10,10;",
       {{ShapeKind::Polyline, kInkColour, {{0, 0}, {10, 10}}}}},
      {"huge coordinates are clamped",
       "IN;PA0,0;PD99999999999999999999999,-99999999999999999999999;",
       {{ShapeKind::Polyline, kInkColour, {{0, 0}, {1e7, -1e7}}}}},
  };
  for (const auto& c : cases) {
    const Drawing drawing = Read(c.file, false);
    ASSERT_EQ(drawing.Pages.size(), 1u) << c.name;
    ExpectShapes(drawing.Pages[0], c.shapes, c.name);
  }
}

TEST(HpglReaderTest, LabelsTakeTheirSizeAndDirection) {
  const Drawing drawing = Read("IN;SI0.5,1;DI0,1;PW0.5;LT2;PA0,0;LBUp\x03;PD0,10;", false);
  ASSERT_EQ(drawing.Pages[0].Shapes.size(), 2u);
  const Shape& label = drawing.Pages[0].Shapes[0];
  EXPECT_NEAR(label.Height, 400, 1e-6) << "1 cm in plotter units";
  EXPECT_NEAR(label.AngleDegrees, 90, 1e-6);
  EXPECT_NEAR(drawing.Pages[0].Shapes[1].Width, 20, 1e-6) << "0.5 mm";
  EXPECT_TRUE(drawing.Pages[0].Shapes[1].Dashed);
}

TEST(HpglReaderTest, DeclinesWhatIsNoPlotterFile) {
  EXPECT_TRUE(Read(std::string(300, '\x01'), false).Pages.empty());
  EXPECT_TRUE(Read("", false).Pages.empty());
}

std::string Dxf(const std::string& blocks, const std::string& entities,
                const std::string& tables = "") {
  return "0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\nAC1009\n0\nENDSEC\n"
         "0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nLAYER\n" +
         tables +
         "0\nENDTAB\n0\nENDSEC\n"
         "0\nSECTION\n2\nBLOCKS\n" +
         blocks +
         "0\nENDSEC\n"
         "0\nSECTION\n2\nENTITIES\n" +
         entities + "0\nENDSEC\n0\nEOF\n";
}

TEST(DxfReaderTest, ReadsEachEntity) {
  const std::string tables = "0\nLAYER\n2\nWALLS\n70\n0\n62\n1\n0\nLAYER\n2\nHIDDEN\n62\n-3\n";
  const std::string blocks =
      "0\nBLOCK\n2\nMARK\n10\n1\n20\n1\n0\nLINE\n8\n0\n62\n0\n10\n1\n20\n1\n11\n2\n21\n1\n0\nENDBLK"
      "\n";
  const std::string entities =
      "0\nLINE\n8\nWALLS\n10\n0\n20\n0\n11\n100\n21\n0\n"
      "0\nLINE\n8\nHIDDEN\n10\n0\n20\n0\n11\n5\n21\n5\n"
      "0\nCIRCLE\n8\n0\n62\n5\n10\n50\n20\n50\n40\n10\n"
      "0\nARC\n8\n0\n10\n0\n20\n0\n40\n20\n50\n0\n51\n90\n"
      "0\nLWPOLYLINE\n8\n0\n90\n3\n70\n1\n10\n0\n20\n0\n10\n10\n20\n0\n10\n10\n20\n10\n"
      "0\nPOLYLINE\n8\n0\n66\n1\n0\nVERTEX\n10\n1\n20\n2\n0\nVERTEX\n10\n3\n20\n4\n0\nSEQEND\n"
      "0\nPOINT\n8\n0\n10\n7\n20\n8\n"
      "0\nTEXT\n8\n0\n10\n5\n20\n6\n40\n2\n1\n90%%d\n"
      "0\nMTEXT\n8\n0\n10\n0\n20\n40\n40\n2\n1\n{\\fArial;Big}\\Pline\n"
      "0\nINSERT\n8\n0\n62\n3\n2\nMARK\n10\n10\n20\n20\n41\n2\n42\n2\n50\n90\n"
      "0\nSOLID\n8\n0\n10\n0\n20\n0\n11\n1\n21\n0\n12\n0\n22\n1\n13\n1\n23\n1\n";
  const Drawing drawing = Read(Dxf(blocks, entities, tables), true);
  ASSERT_EQ(drawing.Pages.size(), 1u);
  ExpectShapes(drawing.Pages[0],
               {{ShapeKind::Polyline, 0xFF0000, {{0, 0}, {100, 0}}},
                {ShapeKind::Circle, 0x0000FF, {{50, 50}}, 10},
                {ShapeKind::Arc, kInkColour, {{0, 0}}, 20},
                {ShapeKind::Polyline, kInkColour, {{0, 0}, {10, 0}, {10, 10}}},
                {ShapeKind::Polyline, kInkColour, {{1, 2}, {3, 4}}},
                {ShapeKind::Point, kInkColour, {{7, 8}}},
                {ShapeKind::Text, kInkColour, {{5, 6}}, 0, "90\xB0"},
                {ShapeKind::Text, kInkColour, {{0, 38}}, 0, "Big"},
                {ShapeKind::Text, kInkColour, {{0, 38 - 3.2}}, 0, "line"},
                // the block's line from its base point, twice as large, a quarter turn, in the
                // insert's colour
                {ShapeKind::Polyline, 0x00FF00, {{10, 20}, {10, 22}}},
                {ShapeKind::Polygon, kInkColour, {{0, 0}, {1, 0}, {1, 1}, {0, 1}}}},
               "each entity");
  EXPECT_TRUE(drawing.Pages[0].Shapes[3].Closed);
  EXPECT_NEAR(drawing.Pages[0].Shapes[2].SweepDegrees, 90, 1e-9);
}

TEST(DxfReaderTest, PaperSpaceLayoutsArePages) {
  const std::string blocks =
      "0\nBLOCK\n2\n*Paper_Space0\n10\n0\n20\n0\n0\nCIRCLE\n10\n0\n20\n0\n40\n1\n0\nENDBLK\n";
  const std::string entities =
      "0\nLINE\n10\n0\n20\n0\n11\n1\n21\n1\n0\nLINE\n67\n1\n10\n0\n20\n0\n11\n2\n21\n2\n";
  const Drawing drawing = Read(Dxf(blocks, entities), true);
  ASSERT_EQ(drawing.Pages.size(), 3u);
  EXPECT_EQ(drawing.Pages[0].Name, "Model");
  EXPECT_EQ(drawing.Pages[1].Shapes[0].Points[1].X, 2);
  EXPECT_EQ(drawing.Pages[2].Shapes[0].Kind, ShapeKind::Circle);
}

TEST(DxfReaderTest, HostileFilesEnd) {
  const std::string line = "0\nLINE\n10\n0\n20\n0\n11\n1\n21\n1\n";
  const std::string whole = Dxf("", line + line);
  const Drawing cut = Read(whole.substr(0, whole.size() - 30), true);
  ASSERT_FALSE(cut.Pages.empty()) << "truncated: shown as far as it goes";
  ASSERT_GE(cut.Pages[0].Shapes.size(), 1u);
  EXPECT_EQ(cut.Pages[0].Shapes[0].Points[1].X, 1);

  const std::string itself = "0\nBLOCK\n2\nLOOP\n0\nINSERT\n2\nLOOP\n0\nLINE\n11\n1\n0\nENDBLK\n";
  EXPECT_EQ(Read(Dxf(itself, "0\nINSERT\n2\nLOOP\n"), true).Pages[0].Shapes.size(), 1u)
      << "an INSERT inside itself adds its block once";

  std::string bomb;  // each block inserting the one before ten times: 10^15 lines asked for
  for (int level = 1; level <= 15; ++level) {
    bomb += "0\nBLOCK\n2\nB" + std::to_string(level) + "\n";
    for (int i = 0; i < 10; ++i) bomb += "0\nINSERT\n2\nB" + std::to_string(level - 1) + "\n";
    bomb += "0\nENDBLK\n";
  }
  const Drawing many =
      Read(Dxf("0\nBLOCK\n2\nB0\n" + line + "0\nENDBLK\n" + bomb, "0\nINSERT\n2\nB15\n"), true);
  EXPECT_EQ(many.Pages[0].Shapes.size(), kMostShapes);

  MemoryFileSystem& fs = UseMemoryFiles();
  fs.SparseFiles["endless"] = {
      FileOffset{1} << 32, "999\nagain\n", {{0, "0\nSECTION\n2\nENTITIES\n"}}};
  ByteSource endless("endless");
  EXPECT_TRUE(ReadDxfGroups(endless, 100000).Entities.empty()) << "ends at the bound on groups";

  const Drawing absurd = Read(Dxf("", "0\nLINE\n62\n-1e300\n70\n1e300\n11\n1e400\n"), true);
  ASSERT_EQ(absurd.Pages[0].Shapes.size(), 1u) << "absurd numbers are clamped";
  EXPECT_EQ(absurd.Pages[0].Shapes[0].Colour, kInkColour);

  EXPECT_TRUE(Read("just some words\n", true).Pages.empty());
}

TEST(DxfReaderTest, ColourNumbersAndPlainTexts) {
  EXPECT_EQ(DxfColour(1), 0xFF0000u);
  EXPECT_EQ(DxfColour(10), 0xFF0000u);
  EXPECT_EQ(DxfColour(11), 0xFF7F7Fu);
  EXPECT_EQ(DxfColour(20), 0xFF3F00u);
  EXPECT_EQ(DxfColour(250), 0x333333u);
  EXPECT_EQ(PlainMtextLines("\\A1;\\H2.5;Size \\S1^2; in\\Pa \\{b\\}\\~c\\U+00B0"),
            (std::vector<std::string>{"Size 1/2 in", "a {b} c\xB0"}));
}

}  // namespace
