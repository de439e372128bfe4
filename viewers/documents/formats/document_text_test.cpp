#include "viewers/documents/formats/document_text.h"

#include <gtest/gtest.h>

#include "viewer/buffer/memory_files.h"
#include "viewers/compound/formats/test_compound.h"
#include "viewers/documents/formats/piece_table_text.h"
#include "viewers/documents/formats/test_documents.h"

namespace {

const Paragraphs kText = {"First paragraph of the letter.", "", "Tab\tand more words here",
                          "Last one"};

DocumentBytes StreamsFile(const PieceTableStreams& s) {
  const std::string file =
      MakeCompound({{"WordDocument", s.WordDocument}, {"1Table", s.Table}}).Bytes;
  return DocumentBytes(file.begin(), file.end());
}

DocumentText Read(const DocumentBytes& bytes, int type, bool* ok = nullptr) {
  UseMemoryFiles().Files["doc"] = bytes;
  DocumentText text;
  const bool read = ReadDocumentText("doc", type, text);
  if (ok) *ok = read;
  return text;
}

TEST(DocumentText, EveryParagraphAsWritten) {
  struct Case {
    const char* Name;
    DocumentBytes Bytes;
    int Type;
  };
  const Case cases[] = {
      {"BE AB header", MakeBeAbDocument(kText), 26},
      {"WPC version 0", MakeWpcDocument(kText, false), 5},
      {"WPC version 2", MakeWpcDocument(kText, true), 22},
      {"pieces of 8 and 16 bits", MakePieceTableDocument(kText), 29},
  };
  for (const Case& c : cases) {
    bool ok = false;
    DocumentText text = Read(c.Bytes, c.Type, &ok);
    EXPECT_TRUE(ok) << c.Name;
    EXPECT_EQ(text.Paragraphs, kText) << c.Name;
  }
}

TEST(DocumentText, HeaderBoundsOfTheOtherKinds) {
  // Text between a start and an end the header gives, in the two layouts.
  DocumentBytes four(0x40, 0);
  four[0] = 0xDB, four[1] = 0xA5, four[2] = 0x2D;
  const std::string body =
      "One\r\nTwo\rThree\x0C"
      "Four";
  four.insert(four.end(), body.begin(), body.end());
  four[0x18] = 0x40, four[0x1C] = static_cast<uint8_t>(0x40 + body.size());
  four.resize(four.size() + 50, 'x');
  EXPECT_EQ(Read(four, 4).Paragraphs, (Paragraphs{"One", "Two", "Three", "Four"}));

  DocumentBytes works(0x100, 0);
  works.insert(works.end(), {'A', 'b', '\r', '\n', 'c'});
  works[0x26] = 0x05, works[0x27] = 0x01;
  EXPECT_EQ(Read(works, 19).Paragraphs, (Paragraphs{"Ab", "c"}));
}

TEST(DocumentText, PieceTableFieldsAndCellsAndWideCharacters) {
  // A field's code is left out and its result kept; a cell's end is a tab.
  const Paragraphs written = {
      "Page \x13 PAGE \x14"
      "7\x15 of \x13NUMPAGES\x15!\x07"
      "cell",
      "caf\xE9 na\xEFve \xE9t\xE9"};
  EXPECT_EQ(Read(MakePieceTableDocument(written), 29).Paragraphs,
            (Paragraphs{"Page 7 of !\tcell", "caf\xE9 na\xEFve \xE9t\xE9"}));
  EXPECT_EQ(LatinByteOf(u'\u2019'), 0x92);
  EXPECT_EQ(LatinByteOf(u'\u0416'), '?');
}

TEST(DocumentText, HostileFilesAsFarAsTheyAreSound) {
  // A piece table outside its stream: nothing to show; a piece outside
  // the text stream: the pieces before it.
  PieceTableStreams outside = MakePieceTableStreams(kText);
  outside.WordDocument[0x1A3] = 0x70;
  bool ok = true;
  Read(StreamsFile(outside), 29, &ok);
  EXPECT_FALSE(ok);
  PieceTableStreams shortText = MakePieceTableStreams(kText);
  shortText.WordDocument.resize(shortText.WordDocument.size() - 1);
  EXPECT_EQ(Read(StreamsFile(shortText), 29).Paragraphs,
            (Paragraphs{"First paragraph of the letter.", ""}));

  // An end of text past the file: the text up to the end of the file.
  DocumentBytes cut = MakeBeAbDocument(kText);
  cut.resize(128 + 10);
  EXPECT_EQ(Read(cut, 26).Paragraphs, (Paragraphs{"First para"}));

  // A code whose length runs past the end: the paragraphs before it.
  DocumentBytes wpc = MakeWpcDocument({"Kept"}, false);
  wpc.insert(wpc.end(), {0xD0, 0, 0xFF, 0xFF, 'l', 'o', 's', 't'});
  EXPECT_EQ(Read(wpc, 5).Paragraphs, (Paragraphs{"Kept"}));

  // A length of zero in version 2 must still step forward.
  DocumentBytes six = MakeWpcDocument({"A"}, true);
  six.insert(six.end(), {0xD1, 0, 0, 0, 'B', 0xCC});
  EXPECT_EQ(Read(six, 22).Paragraphs, (Paragraphs{"A", "B"}));

  DocumentBytes lying = MakeWpcDocument(kText, false);
  lying[6] = 0x7F;  // the document area far past the end
  Read(lying, 5, &ok);
  EXPECT_FALSE(ok);
  Read(DocumentBytes(3, 0), 26, &ok);
  EXPECT_FALSE(ok);
  Read(MakeBeAbDocument(kText), 6, &ok);  // a type left to the text viewer
  EXPECT_FALSE(ok);
}

}  // namespace
