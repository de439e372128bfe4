#include "installer/install_report.h"

#include <gtest/gtest.h>

#include <string>

TEST(InstallReport, OneLinePerFileAndCountsForTheSummary) {
  InstallReport report;
  AddOutcome(report, FileOutcome::Copied, "TARVO.EXE", 0);
  AddOutcome(report, FileOutcome::Replaced, "ZR32.EXE", 0);
  AddOutcome(report, FileOutcome::Kept, "TARVO.INI", 0);
  AddOutcome(report, FileOutcome::Missing, "HTCTL32.DLL", 2);
  AddOutcome(report, FileOutcome::Failed, "KPL.DLL", 5);
  EXPECT_STREQ(report.text,
               "Copied TARVO.EXE\r\nReplaced ZR32.EXE\r\nKept TARVO.INI (already in the folder)\r\n"
               "Missing HTCTL32.DLL (not in the setup folder)\r\nFailed KPL.DLL (error 5)\r\n");
  char summary[64];
  SummarizeReport(report, summary, sizeof summary);
  EXPECT_STREQ(summary, "2 files copied, 1 kept, 2 failed.");
  InstallReport one;
  AddOutcome(one, FileOutcome::Copied, "A", 0);
  SummarizeReport(one, summary, sizeof summary);
  EXPECT_STREQ(summary, "1 file copied, 0 kept, 0 failed.");
}

TEST(InstallReport, ALineThatDoesNotFitIsLeftOutButCounted) {
  InstallReport report;
  std::string name(1000, 'n');
  for (int i = 0; i < 10; ++i) AddOutcome(report, FileOutcome::Copied, name, 0);
  EXPECT_EQ(report.copied, 10);
  EXPECT_EQ(report.length, 4u * (name.size() + 9));
  EXPECT_EQ(std::string(report.text).size(), report.length);
}
