#include "installer/installer_args.h"

#include <gtest/gtest.h>

TEST(ParseInstallerArgs, NoArgumentsMeansTheDialog) {
  InstallerArgs args;
  char error[128] = "";
  ASSERT_TRUE(ParseInstallerArgs("  ", args, error, sizeof error));
  EXPECT_FALSE(args.quiet);
  EXPECT_EQ(args.overwrite, Overwrite::Ask);
  EXPECT_STREQ(args.targetDir, "");
}

TEST(ParseInstallerArgs, ReadsQuotedValuesInEitherPlaceAndAnyCase) {
  InstallerArgs args;
  char error[128] = "";
  ASSERT_TRUE(ParseInstallerArgs(
      "/QUIET \"/dir:C:\\Program Files\\Tarvo\" /log:\"C:\\my logs\\install.log\" /Overwrite:Yes",
      args, error, sizeof error))
      << error;
  EXPECT_TRUE(args.quiet);
  EXPECT_EQ(args.overwrite, Overwrite::Yes);
  EXPECT_STREQ(args.targetDir, "C:\\Program Files\\Tarvo");
  EXPECT_STREQ(args.logPath, "C:\\my logs\\install.log");
  ASSERT_TRUE(ParseInstallerArgs("/quiet /overwrite:no /dir:D:\\T", args, error, sizeof error));
  EXPECT_EQ(args.overwrite, Overwrite::No);
  EXPECT_STREQ(args.targetDir, "D:\\T");
}

TEST(ParseInstallerArgs, RefusesUnknownEmptyAndOverlongArguments) {
  InstallerArgs args;
  char error[128] = "";
  EXPECT_FALSE(ParseInstallerArgs("/force /quiet /what /log:C:\\x.log", args, error, sizeof error));
  EXPECT_STREQ(error, "Bad argument: /force");
  EXPECT_TRUE(args.quiet) << "an unattended run must fail without a box";
  EXPECT_STREQ(args.logPath, "C:\\x.log");
  EXPECT_FALSE(ParseInstallerArgs("/quietly", args, error, sizeof error));
  EXPECT_FALSE(ParseInstallerArgs("/overwrite:maybe", args, error, sizeof error));
  EXPECT_FALSE(ParseInstallerArgs("/dir:", args, error, sizeof error));
  EXPECT_FALSE(ParseInstallerArgs("/dir:" + std::string(kInstallerPathSize, 'x'), args, error,
                                  sizeof error));
  EXPECT_TRUE(ParseInstallerArgs("/dir:" + std::string(kInstallerPathSize - 1, 'x'), args, error,
                                 sizeof error));
}
