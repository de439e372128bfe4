#include "installer/install_report.h"

#include <cstdio>

void AddOutcome(InstallReport& report, FileOutcome outcome, std::string_view name,
                unsigned long error) {
  const char* format = "";
  switch (outcome) {
    case FileOutcome::Copied:
      format = "Copied %.*s\r\n";
      ++report.copied;
      break;
    case FileOutcome::Replaced:
      format = "Replaced %.*s\r\n";
      ++report.copied;
      break;
    case FileOutcome::Kept:
      format = "Kept %.*s (already in the folder)\r\n";
      ++report.kept;
      break;
    case FileOutcome::Missing:
      format = "Missing %.*s (not in the setup folder)\r\n";
      ++report.failed;
      break;
    case FileOutcome::Failed:
      format = "Failed %.*s (error %lu)\r\n";
      ++report.failed;
      break;
  }
  size_t room = sizeof report.text - report.length;
  int n = std::snprintf(report.text + report.length, room, format, static_cast<int>(name.size()),
                        name.data(), error);
  // A line that does not fit is left out whole; the counts stay right.
  if (n > 0 && static_cast<size_t>(n) < room)
    report.length += n;
  else
    report.text[report.length] = '\0';
}

void SummarizeReport(const InstallReport& report, char* out, size_t size) {
  std::snprintf(out, size, "%d %s copied, %d kept, %d failed.", report.copied,
                report.copied == 1 ? "file" : "files", report.kept, report.failed);
}
