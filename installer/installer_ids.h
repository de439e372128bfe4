// Resource ids of TRUSetup.exe.
#pragma once
#define IDD_INSTALLER 101
#define IDC_FILES 1001
#define IDC_FOLDER 1002
#define IDC_FILES_LABEL 1003
#define IDC_FOLDER_LABEL 1004
