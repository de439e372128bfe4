// The text of a word-processor document as the document viewer shows it:
// paragraphs of plain 8-bit text in the document's code page, with tabs
// kept and every format code left out.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

struct DocumentText {
  std::vector<std::string> Paragraphs;
  const char* FormatName = "";
};

// Reads the document at path as the viewer type the shell detected. False
// when the type is not one this viewer reads or the file is not of it
// (the shell then shows the file as text); a file damaged further on gives
// the paragraphs before the damage.
bool ReadDocumentText(const char* path, int type, DocumentText& out);
