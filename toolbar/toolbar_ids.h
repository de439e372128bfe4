// Resource ids of ZELTONTB.DLL's dialog (read by the resource compiler too).
#pragma once

#define IDD_CUSTOMIZE_TOOLBAR 100
#define IDC_OFFERED 101
#define IDC_BUTTONS 102
#define IDC_ADD 103
#define IDC_REMOVE 104
#define IDC_MOVE_UP 105
#define IDC_MOVE_DOWN 106
#define IDC_KEY_NONE 107
#define IDC_KEY_ALT 108
#define IDC_KEY_CTRL 109
#define IDC_KEY_LETTER 110
#define IDC_TOOLBAR_HELP 111
