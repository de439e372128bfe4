// What the installer did with each listed file, as lines the user reads
// (and the unattended run writes to its log), and the counts.
#pragma once
#include <cstddef>
#include <string_view>

enum class FileOutcome { Copied, Replaced, Kept, Missing, Failed };

struct InstallReport {
  int copied = 0;  // including replaced files
  int kept = 0;
  int failed = 0;  // including missing sources
  size_t length = 0;
  char text[4096] = "";
};

// error: the system error code of a failed copy (unused otherwise).
void AddOutcome(InstallReport& report, FileOutcome outcome, std::string_view name,
                unsigned long error);

// "2 files copied, 1 kept, 0 failed."
void SummarizeReport(const InstallReport& report, char* out, size_t size);
