// TRUSetup.exe run from a temporary setup folder into a temporary target
// folder: unattended from its command line, and through its dialog.
#include <gtest/gtest.h>

#include <string>

#include "installer/installer_ids.h"
#include "tests/support/program_under_test.h"
#include "tests/support/temp_folder.h"
#include "tests/support/window_polling.h"

namespace {

constexpr DWORD kWait = 20000;

class Installer : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(
        CopyFileA(BuiltProgram("TRUSetup.exe").c_str(), (disk_ / "TRUSetup.exe").c_str(), FALSE));
    ASSERT_TRUE(CopyFileA(BuiltProgram("TARVO.EXE").c_str(), (disk_ / "TARVO.EXE").c_str(), FALSE));
    ASSERT_TRUE(WriteFileText(disk_ / "README.TXT", "read me"));
    ASSERT_TRUE(WriteFileText(disk_ / "FILES.LST", "; the suite\r\nTARVO.EXE\r\nREADME.TXT\r\n"));
  }
  DWORD RunQuiet(const std::string& more = "") {
    ProgramUnderTest installer(disk_ / "TRUSetup.exe",
                       "/quiet \"/dir:" + target_ + "\" \"/log:" + log_ + "\" " + more);
    EXPECT_TRUE(installer.started());
    return installer.WaitForExit(kWait);
  }
  bool SameAsOnDisk(const std::string& name) {
    return ReadFileText(disk_ / name) == ReadFileText(target_ + "\\" + name);
  }

  TempFolder disk_;
  TempFolder work_;
  // Two levels that do not exist yet, one with a space.
  std::string target_ = work_ / "Program Files\\Tarvo";
  std::string log_ = work_ / "install.log";
};

TEST_F(Installer, UnattendedCopiesTheListedFilesIntoANewFolderAndLogsEach) {
  EXPECT_EQ(RunQuiet(), 0u);
  EXPECT_TRUE(SameAsOnDisk("TARVO.EXE"));
  EXPECT_TRUE(SameAsOnDisk("README.TXT"));
  EXPECT_FALSE(FileExists(target_ + "\\TRUSetup.exe"));
  EXPECT_FALSE(FileExists(target_ + "\\FILES.LST"));
  EXPECT_EQ(ReadFileText(log_),
            "Copied TARVO.EXE\r\nCopied README.TXT\r\n2 files copied, 0 kept, 0 failed.\r\n");
}

TEST_F(Installer, UnattendedKeepsFilesAlreadyThereUnlessToldToOverwrite) {
  ASSERT_TRUE(CreateDirectoryA((work_ / "Program Files").c_str(), nullptr));
  ASSERT_TRUE(CreateDirectoryA(target_.c_str(), nullptr));
  ASSERT_TRUE(WriteFileText(target_ + "\\README.TXT", "the user's own"));
  EXPECT_EQ(RunQuiet(), 0u);
  EXPECT_EQ(ReadFileText(target_ + "\\README.TXT"), "the user's own");
  EXPECT_EQ(ReadFileText(log_),
            "Copied TARVO.EXE\r\nKept README.TXT (already in the folder)\r\n"
            "1 file copied, 1 kept, 0 failed.\r\n");
  EXPECT_EQ(RunQuiet("/overwrite:no"), 0u);
  EXPECT_EQ(ReadFileText(target_ + "\\README.TXT"), "the user's own");
  EXPECT_EQ(RunQuiet("/overwrite:yes"), 0u);
  EXPECT_TRUE(SameAsOnDisk("README.TXT"));
  EXPECT_EQ(ReadFileText(log_),
            "Replaced TARVO.EXE\r\nReplaced README.TXT\r\n2 files copied, 0 kept, 0 failed.\r\n");
}

TEST_F(Installer, UnattendedReportsAMissingSourceFileAndInstallsTheRest) {
  ASSERT_TRUE(WriteFileText(disk_ / "FILES.LST", "ZR32.EXE\r\nTARVO.EXE\r\n"));
  EXPECT_EQ(RunQuiet(), 1u);
  EXPECT_TRUE(SameAsOnDisk("TARVO.EXE"));
  EXPECT_FALSE(FileExists(target_ + "\\ZR32.EXE"));
  EXPECT_EQ(ReadFileText(log_),
            "Missing ZR32.EXE (not in the setup folder)\r\nCopied TARVO.EXE\r\n"
            "1 file copied, 0 kept, 1 failed.\r\n");
}

TEST_F(Installer, UnattendedRefusesAMissingOrUnsafeListAndCopiesNothing) {
  ASSERT_TRUE(WriteFileText(disk_ / "FILES.LST", "TARVO.EXE\r\n..\\..\\WINDOWS\\x.dll\r\n"));
  EXPECT_EQ(RunQuiet(), 2u);
  EXPECT_EQ(ReadFileText(log_), "FILES.LST line 2: not a plain file name");
  EXPECT_FALSE(FileExists(target_));
  ASSERT_TRUE(DeleteFileA((disk_ / "FILES.LST").c_str()));
  EXPECT_EQ(RunQuiet(), 2u);
  EXPECT_EQ(ReadFileText(log_).rfind("Cannot read the list of files to install:", 0), 0u);
}

TEST_F(Installer, UnattendedRefusesTheSetupFolderItselfAndBadArgumentsWithoutABox) {
  std::string setupFolder = disk_.path();
  ProgramUnderTest intoItself(disk_ / "TRUSetup.exe",
                      "/quiet \"/dir:" + setupFolder + "\\.\" \"/log:" + log_ + "\"");
  EXPECT_EQ(intoItself.WaitForExit(kWait), 2);
  EXPECT_EQ(ReadFileText(log_),
            setupFolder + " is the setup folder itself: choose another folder.");
  ProgramUnderTest badArgument(disk_ / "TRUSetup.exe", "/force \"/log:" + log_ + "\" /quiet");
  EXPECT_EQ(badArgument.WaitForExit(kWait), 2);
  EXPECT_EQ(ReadFileText(log_), "Bad argument: /force");
  EXPECT_FALSE(FileExists(target_));
}

TEST_F(Installer, DialogSuggestsProgramFilesAsksBeforeReplacingAndReportsWhatItDid) {
  ASSERT_TRUE(CreateDirectoryA((work_ / "Program Files").c_str(), nullptr));
  ASSERT_TRUE(CreateDirectoryA(target_.c_str(), nullptr));
  ASSERT_TRUE(WriteFileText(target_ + "\\README.TXT", "the user's own"));
  ProgramUnderTest installer(disk_ / "TRUSetup.exe", "");
  HWND dialog = WaitForWindow(installer.processId(), "Tarvo Setup", kWait);
  ASSERT_NE(dialog, nullptr) << "no installer dialog";
  HWND folder = GetDlgItem(dialog, IDC_FOLDER);
  std::string suggested = WindowText(folder);
  EXPECT_NE(suggested.find("Program Files"), std::string::npos) << suggested;
  EXPECT_EQ(suggested.substr(suggested.size() - 6), "\\Tarvo") << suggested;
  EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_FILES, LB_GETCOUNT, 0, 0), 2);

  SendMessageA(folder, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(target_.c_str()));
  PostMessageA(dialog, WM_COMMAND, IDOK, 0);
  HWND question = WaitForMessageBox(installer.processId(), "Tarvo Setup", "Replace it?", kWait);
  ASSERT_NE(question, nullptr) << "not asked before replacing README.TXT";
  EXPECT_EQ(WindowText(GetDlgItem(question, 0xFFFF)),
            "README.TXT is already in\n" + target_ + "\n\nReplace it?");
  PostMessageA(question, WM_COMMAND, IDNO, 0);
  HWND report = WaitForMessageBox(installer.processId(), "Tarvo Setup", "copied", kWait);
  ASSERT_NE(report, nullptr) << "no report";
  EXPECT_EQ(WindowText(GetDlgItem(report, 0xFFFF)),
            "Copied TARVO.EXE\r\nKept README.TXT (already in the folder)\r\n\n"
            "1 file copied, 1 kept, 0 failed.");
  PostMessageA(report, WM_COMMAND, IDOK, 0);
  EXPECT_EQ(installer.WaitForExit(kWait), 0);
  EXPECT_TRUE(SameAsOnDisk("TARVO.EXE"));
  EXPECT_EQ(ReadFileText(target_ + "\\README.TXT"), "the user's own");
}

}  // namespace
