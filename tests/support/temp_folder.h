// A fresh folder under the temporary directory for one test, removed with
// everything in it when the object goes, and small file helpers.
#pragma once
#include <windows.h>
#include <shellapi.h>

#include <cstdint>
#include <map>
#include <string>

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  // Without a trailing backslash.
  const std::string& path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "\\" + name; }
  // Writes a file in the folder and returns its full path.
  std::string Write(const std::string& name, const std::string& content) const;
  // The same for a name beyond the ANSI code page; returns its wide full path.
  std::wstring WriteWide(const std::wstring& name, const std::string& content) const;
  // A drop of one file as Explorer makes it on NT, with wide names.
  static HDROP WideDrop(const std::wstring& path);
  // Writes a sparse file of size bytes, zeros but for pieces at their
  // offsets, and returns its full path ("" on failure).
  std::string WriteSparse(const std::string& name, int64_t size,
                          const std::map<int64_t, std::string>& pieces) const;

 private:
  std::string path_;
};

bool WriteFileText(const std::string& path, const std::string& text);
// The file's contents (also while a program writes it), or "<missing>" when
// it cannot be read.
std::string ReadFileText(const std::string& path);
bool FileExists(const std::string& path);
