// Setup.exe run from a temporary folder, as a user starts it from the disk,
// and its "please wait" box and failure report in this process.
#include <gtest/gtest.h>

#include <string>

#include "installer/installer_ids.h"
#include "setup/loader.h"
#include "win32/message_report.h"
#include "setup/setup_ids.h"
#include "tests/support/program_under_test.h"
#include "tests/support/temp_folder.h"
#include "tests/support/window_polling.h"

namespace {

constexpr DWORD kWait = 20000;

std::string SystemDir() {
  char dir[MAX_PATH];
  GetSystemDirectoryA(dir, sizeof dir);
  return std::string(dir) + "\\";
}

// The system directory is the prefix's: whatever copies of the two libraries
// it holds are moved aside for the test and put back afterwards.
class SetupLoader : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(CopyFileA(BuiltProgram("Setup.exe").c_str(), (disk_ / "Setup.exe").c_str(), FALSE));
    for (const char* name : kLibraries) {
      ASSERT_TRUE(WriteFileText(disk_ / name, std::string(name) + " from the disk"));
      std::string inSystem = SystemDir() + name;
      if (FileExists(inSystem)) {
        ASSERT_TRUE(MoveFileExA(inSystem.c_str(), (saved_ / name).c_str(), MOVEFILE_COPY_ALLOWED));
      }
    }
  }
  void TearDown() override {
    for (const char* name : kLibraries) {
      std::string inSystem = SystemDir() + name;
      DeleteFileA(inSystem.c_str());
      if (FileExists(saved_ / name)) {
        EXPECT_TRUE(MoveFileExA((saved_ / name).c_str(), inSystem.c_str(),
                                MOVEFILE_COPY_ALLOWED | MOVEFILE_REPLACE_EXISTING));
      }
    }
  }
  void PutInstallerOnDisk() {
    ASSERT_TRUE(CopyFileA(BuiltProgram("double/TRUSetup.exe").c_str(),
                          (disk_ / "TRUSetup.exe").c_str(), FALSE));
  }

  static constexpr const char* kLibraries[] = {"MSVCRT20.DLL", "CTL3D32.DLL"};
  TempFolder disk_;
  TempFolder saved_;
  std::string systemRuntime_ = SystemDir() + "MSVCRT20.DLL";
};

TEST_F(SetupLoader, StartsTheInstallerWithTheBusyCursorAndCopiesAMissingRuntime) {
  PutInstallerOnDisk();
  ProgramUnderTest setup(disk_ / "Setup.exe", "");
  ASSERT_TRUE(setup.started());
  EXPECT_EQ(setup.WaitForExit(kWait), 0);
  ASSERT_TRUE(WaitForFile(disk_ / "started.txt", kWait)) << "the installer was not started";
  std::string marker = ReadFileText(disk_ / "started.txt");
  EXPECT_NE(marker.find("flags=" + std::to_string(STARTF_FORCEONFEEDBACK) + "\n"),
            std::string::npos)
      << marker;
  EXPECT_NE(marker.find("command=\n"), std::string::npos) << marker;
  EXPECT_EQ(ReadFileText(systemRuntime_), "MSVCRT20.DLL from the disk");
  // This system is version 4 or later: it has its own three-dimensional controls.
  EXPECT_FALSE(FileExists(SystemDir() + "CTL3D32.DLL"));
}

TEST_F(SetupLoader, NeverReplacesARuntimeAlreadyInTheSystemDirectory) {
  PutInstallerOnDisk();
  ASSERT_TRUE(WriteFileText(systemRuntime_, "older runtime"));
  ProgramUnderTest setup(disk_ / "Setup.exe", "");
  EXPECT_EQ(setup.WaitForExit(kWait), 0);
  EXPECT_TRUE(WaitForFile(disk_ / "started.txt", kWait)) << "the installer was not started";
  EXPECT_EQ(ReadFileText(systemRuntime_), "older runtime");
}

TEST_F(SetupLoader, WithoutTheInstallerReportsErrorTwoAndItsPathAndStillExitsWithZero) {
  ProgramUnderTest setup(disk_ / "Setup.exe", "");
  HWND box = WaitForWindow(setup.processId(), "Setup failed", kWait);
  ASSERT_NE(box, nullptr) << "no \"Setup failed\" box";
  EXPECT_EQ(WindowText(GetDlgItem(box, 0xFFFF)),
            "Error 2: Cannot execute\n" + (disk_ / "TRUSetup.exe"));
  EXPECT_EQ(GetWindow(box, GW_OWNER), nullptr);
  HWND wait = WaitForWindow(setup.processId(), "Tarvo Setup", 1000);
  ASSERT_NE(wait, nullptr) << "the please-wait box is gone before the report";
  EXPECT_EQ(WindowText(GetDlgItem(wait, IDC_WAIT_TEXT)), "Initializing Setup, please wait.");
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  EXPECT_EQ(setup.WaitForExit(kWait), 0);
  // The runtime is copied even though the installer is missing.
  EXPECT_EQ(ReadFileText(systemRuntime_), "MSVCRT20.DLL from the disk");
}

TEST_F(SetupLoader, StartsTheRealInstallerWhichOffersTheListedFiles) {
  ASSERT_TRUE(
      CopyFileA(BuiltProgram("TRUSetup.exe").c_str(), (disk_ / "TRUSetup.exe").c_str(), FALSE));
  ASSERT_TRUE(WriteFileText(disk_ / "FILES.LST", "TARVO.EXE\r\n"));
  ProgramUnderTest setup(disk_ / "Setup.exe", "");
  ASSERT_TRUE(setup.started());
  DWORD installer = WaitForChildProcess(setup.processId(), "TRUSetup.exe", kWait);
  ASSERT_NE(installer, 0u) << "the installer was not started";
  EXPECT_EQ(setup.WaitForExit(kWait), 0);
  HWND dialog = WaitForWindow(installer, "Tarvo Setup", kWait);
  ASSERT_NE(dialog, nullptr) << "no installer dialog";
  HWND files = GetDlgItem(dialog, IDC_FILES);
  EXPECT_EQ(SendMessageA(files, LB_GETCOUNT, 0, 0), 1);
  PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  DWORD start = GetTickCount();
  while (IsWindow(dialog) && GetTickCount() - start < kWait)
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
  EXPECT_FALSE(IsWindow(dialog)) << "Cancel did not close the installer";
}

TEST(SetupDialog, OpensCentredAcrossAndAThirdDownTheScreen) {
  HWND dialog =
      CreateDialogA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_SETUP), nullptr, SetupDlgProc);
  ASSERT_NE(dialog, nullptr);
  RECT box;
  GetWindowRect(dialog, &box);
  int width = box.right - box.left;
  int height = box.bottom - box.top;
  EXPECT_EQ(box.left, (GetSystemMetrics(SM_CXSCREEN) - width) / 2);
  EXPECT_EQ(box.top, (GetSystemMetrics(SM_CYSCREEN) - height) / 3);
  EXPECT_TRUE(IsWindowVisible(dialog));
  EXPECT_EQ(WindowText(dialog), "Tarvo Setup");
  DestroyWindow(dialog);
}

struct ShownBox {
  HWND owner;
  std::string text;
  std::string caption;
  UINT type;
  int count;
} gShown;

int WINAPI RecordBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
  gShown = {owner, text, caption, type, gShown.count + 1};
  return IDOK;
}

TEST(RunLoader, ReportsAnInstallerThatIsNoProgramWithTheSystemErrorCode) {
  TempFolder disk;
  ASSERT_TRUE(WriteFileText(disk / "TRUSetup.exe", "not a program"));
  auto* real = gMessageBox;
  gMessageBox = RecordBox;
  RunLoader((disk.path() + "\\").c_str());
  gMessageBox = real;
  ASSERT_EQ(gShown.count, 1);
  EXPECT_EQ(gShown.owner, nullptr);
  EXPECT_EQ(gShown.caption, "Setup failed");
  EXPECT_EQ(gShown.type, UINT(MB_OK | MB_ICONHAND));
  EXPECT_EQ(gShown.text.rfind("Error ", 0), 0u) << gShown.text;
  EXPECT_EQ(gShown.text.find("Error 0:"), std::string::npos) << gShown.text;
  EXPECT_NE(gShown.text.find(": Cannot execute\n" + (disk / "TRUSetup.exe")), std::string::npos)
      << gShown.text;
}

}  // namespace
