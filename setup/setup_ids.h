// Resource ids of Setup.exe.
#pragma once
#define IDD_SETUP 101
#define IDC_WAIT_TEXT 1000
