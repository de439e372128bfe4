// A table as the table viewer shows it: the rows of a grid, whose text is
// in the code page the table names (the window shows it in its own).
#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "viewers/common/formats/grid_source.h"

class TableSource : public GridSource {
 public:
  virtual uint32_t CodePage() const = 0;
};

// The table at path read as the viewer type says: a .DB table for its
// type, a DBF table for any other; the database files of types 20 and 25
// are not read. Nothing when the file is no table this viewer can show:
// the shell then shows it otherwise.
std::unique_ptr<TableSource> OpenTable(const std::string& path, int viewerType);
