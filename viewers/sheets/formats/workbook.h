// A worksheet file as the sheet viewer shows it: its sheets in file order,
// each a sparse set of cells holding the text shown for the value stored
// (a number in its cell's format, a text, a formula's stored result, a
// truth value or an error).
#pragma once
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

struct Sheet {
  explicit Sheet(std::string name) : Name(std::move(name)) {}
  std::string Name;
  std::map<uint64_t, std::string> Cells;  // by row << 16 | column
  std::map<uint64_t, bool> Numbers;       // cells shown right-aligned
  uint32_t LastRow = 0;
  uint16_t LastColumn = 0;

  void Set(uint32_t row, uint16_t column, std::string text, bool number);
  const std::string* Find(uint32_t row, uint16_t column) const;
  bool IsNumber(uint32_t row, uint16_t column) const;
};

struct Workbook {
  std::vector<Sheet> Sheets;
  // The sheet cells go to, made when the first one is set.
  Sheet& Current(const char* name);
};

// Reads the worksheet file of viewer type at path; nullptr when it is not
// one the readers know (notebooks among them) or holds no sheet at all.
std::unique_ptr<Workbook> ReadWorkbook(const char* path, int type);
