#include "viewer/settings/print_setup.h"

#include <gtest/gtest.h>

#include <cstring>

#include "common/memory_profile.h"
#include "viewer/settings/program_profile.h"
#include "viewer/settings/view_options.h"

namespace {
class PrintSetupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    gPrintSetup = PrintSetup{};
    gSetupSettings = SetupSettings{};
    SetProfileStore(&profile_);
  }
  MemoryProfile profile_{
      "[Print Setup]\nPrtOrientation=2\nPrtPaperSize=0\nPrtCopies=3\n"
      "PrtDevice=A printer whose name runs past thirty-one characters\nPrtSpecVersion=1024\n"
      "PrtDriver=wineps.drv\nPrtOutput=FILE:\n[Empty]\nOther=1\n"};
};

TEST_F(PrintSetupTest, LoadsTheStoredPrinterAndSavesItBack) {
  ASSERT_TRUE(LoadPrintSetup("Print Setup"));
  const PrintSetup& s = gPrintSetup;
  EXPECT_TRUE(s.HasDeviceMode && s.HasDeviceNames);
  EXPECT_EQ(s.Fields[kPrtOrientation], 2);
  EXPECT_EQ(s.Fields[kPrtCopies], 3);
  EXPECT_EQ(s.FieldMask, 0x0001u | 0x0100u);  // a field stored as 0 is absent
  EXPECT_STREQ(s.Device, "A printer whose name runs past ");
  EXPECT_EQ(s.SpecVersion, 1024);
  EXPECT_STREQ(s.Driver, "wineps.drv");
  EXPECT_STREQ(s.Output, "FILE:");

  EXPECT_TRUE(SavePrintSetup("Saved"));
  EXPECT_EQ(profile_.Get("Saved", "PrtOrientation"), "2");
  EXPECT_FALSE(profile_.Has("Saved", "PrtPaperSize"));
  EXPECT_EQ(profile_.Get("Saved", "PrtDevice"), "A printer whose name runs past ");
  EXPECT_EQ(profile_.Get("Saved", "PrtOutput"), "FILE:");
  EXPECT_TRUE(SavePrintSetup("Print Setup"));
  EXPECT_FALSE(profile_.Has("Print Setup", "PrtPaperSize")) << "deleted at the next save";
}

TEST_F(PrintSetupTest, NoKeysMeanNoPrinterAndHalfASetupSavesHalf) {
  ASSERT_TRUE(LoadPrintSetup("Print Setup"));
  EXPECT_FALSE(LoadPrintSetup("Empty"));
  EXPECT_FALSE(gPrintSetup.HasDeviceMode);
  EXPECT_TRUE(gPrintSetup.HasDeviceNames) << "the device names stay as they were";
  EXPECT_STREQ(gPrintSetup.Device, "A printer whose name runs past ") << "their device too";

  gPrintSetup = PrintSetup{};
  gPrintSetup.HasDeviceMode = true;
  std::strcpy(gPrintSetup.Device, "Lonely");
  EXPECT_FALSE(SavePrintSetup("Half"));
  EXPECT_EQ(profile_.Get("Half", "PrtDevice"), "Lonely");
  EXPECT_FALSE(profile_.Has("Half", "PrtDriver"));

  gSetupSettings.ProfileReadOnly = true;
  EXPECT_FALSE(SavePrintSetup("ReadOnly"));
  EXPECT_FALSE(profile_.Has("ReadOnly", "PrtDevice"));
}
}  // namespace
