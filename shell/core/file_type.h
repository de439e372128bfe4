// Deciding a file's viewer type from its name's extension and its first
// bytes. The rules are tables read top to bottom; the file is read through
// the file seam, and what the user must be told goes through DetectionReports.
#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

constexpr size_t kNameProbeBytes = 25;      // read for the extension rules
constexpr size_t kContentProbeBytes = 129;  // read for the content rules
constexpr int kTextProbeBytes = 100;        // counted by the text test

// What detection reports; the shell shows its messages, tests record them.
class DetectionReports {
 public:
  virtual ~DetectionReports() = default;
  virtual void Unreadable(const char* path) = 0;         // the file cannot be opened
  virtual void ProtectedWorksheet() = 0;                 // an XL worksheet with a password
  virtual void LibraryMissing(const char* library) = 0;  // the text viewer stands in
  virtual bool LibraryInstalled(const char* library) = 0;
};

// The extension rules for an upper-case extension and the file's first
// bytes (fewer when the file is shorter; a test on an absent byte fails).
// Returns the type, or -1 when the rules decide none (content decides).
// *protectedWorksheet is set when the XL rule found a protected file.
int TypeByExtension(std::string_view extension, std::span<const uint8_t> head,
                    bool* protectedWorksheet);

// The content rules for the first bytes read (at most kContentProbeBytes),
// the file's size (the text test counts min(size, kTextProbeBytes) bytes),
// and its path (whose extension, compared with case, tells an XL compound
// document from another).
int TypeByContent(std::span<const uint8_t> bytes, int64_t fileSize, std::string_view path);

// The shell's detection: path is a NUL-terminated buffer whose extension is
// upper-cased in place. False when the file cannot be read (reported); else
// *type holds the type, 0 when its library is missing (reported).
bool DetectFileType(char* path, DetectionReports& reports, int* type);

// Content alone: the type, or -1 when the file cannot be opened (reported)
// or sized.
int DetectByContent(const char* path, DetectionReports& reports);
