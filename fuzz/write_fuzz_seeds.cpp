// Writes the files the tests make as the first inputs of the fuzz targets
// that read them, so that a run starts from sound records and streams
// rather than from nothing: write_fuzz_seeds DIR puts each under
// DIR/<target>/ (scripts/run-fuzzers.sh passes that folder on).
#include <filesystem>
#include <fstream>
#include <string>

#include "viewers/compound/formats/test_compound.h"
#include "viewers/documents/formats/test_documents.h"
#include "viewers/sheets/formats/test_sheets.h"

namespace {
namespace fs = std::filesystem;

bool Write(const fs::path& dir, const char* target, const char* name, const std::string& bytes) {
  std::error_code error;
  fs::create_directories(dir / target, error);
  std::ofstream out(dir / target / name, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

std::string Text(const DocumentBytes& bytes) { return std::string(bytes.begin(), bytes.end()); }
}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  const fs::path dir = argv[1];
  const std::string workbook = MakeCompound({{"Workbook", sheet_bytes::Biff8Book()}}).Bytes;
  const std::string document = Text(MakePieceTableDocument(
      {"A first paragraph.", "", "A second one, with a tab\there and more words after it."}));
  bool ok = Write(dir, "fuzz_compound_file", "workbook.xls", workbook) &&
            Write(dir, "fuzz_compound_file", "document.doc", document) &&
            Write(dir, "fuzz_sheet_readers", "workbook.xls", workbook) &&
            Write(dir, "fuzz_sheet_readers", "sheet.wk1", sheet_bytes::Wk1Sheet()) &&
            Write(dir, "fuzz_sheet_readers", "book.wk3", sheet_bytes::Wk3Book()) &&
            Write(dir, "fuzz_document_readers", "document.doc", document);
  return ok ? 0 : 1;
}
