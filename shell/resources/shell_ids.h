// Resource ids of ZR32.EXE: strings, commands and dialog controls. Shared by
// ZR32.rc and the code (the resource compiler reads it too: defines only).
#pragma once

// Strings.
#define IDS_APP_TITLE 400
#define IDS_APP_TITLE_DWG 401
#define IDS_FIND_CAPTION 402
#define IDS_MENU_SETTINGS 403
#define IDS_MENU_CLOSE_ALL 404
#define IDS_MENU_HELP 405
#define IDS_MENU_ABOUT 406
#define IDS_SORRY 408
#define IDS_NO_SPECIAL_VIEWER 409
#define IDS_NO_MORE_MATCHES 410
#define IDS_NO_MATCHES 411
#define IDS_FILE_SIZE 412
#define IDS_UNABLE_TO_READ 413
#define IDS_ERROR 414
#define IDS_PROTECTED_FILE 416
#define IDS_LIBRARY_MISSING 417
#define IDS_RECORD_COUNT 419
#define IDS_CANNOT_CREATE_VIEWER 420
#define IDS_CELL_RANGE 421
#define IDS_CELL_OUT_OF_RANGE 422
#define IDS_PRINTING 423
#define IDS_PAGE_ITEM 424
#define IDS_TOOLBAR_DIALOG_FAILED 443
#define IDS_TOOLBAR_FAILED 444
#define IDS_TOOLBAR_LIBRARY_MISSING 445
#define IDS_OVERWRITE 448
#define IDS_TOO_MANY_VIEWERS 450
#define IDS_BUTTON_TIPS 700  // + command code

// Commands of the viewer windows' menus, the main window's system menu and
// the accelerators.
#define CMD_LAUNCH 1
#define CMD_SELECT_ALL 2
#define CMD_COPY 3
#define CMD_NEW_WINDOW 4
#define CMD_GOTO 5
#define CMD_FIND 6
#define CMD_LAST 7
#define CMD_NEXT 8
#define CMD_PRINT 9
#define CMD_PLAY 10
#define CMD_ASCII 11
#define CMD_HEX 12
#define CMD_VIEWER 13
#define CMD_EXIT 14
#define CMD_CLOSE_ALL 15
#define CMD_CLOSE_SHELL 16
#define CMD_ZOOM_OUT 17
#define CMD_ZOOM_IN 18
#define CMD_EDIT 19
#define CMD_CASCADE 22
#define CMD_TILE_HORIZONTALLY 23
#define CMD_TILE_VERTICALLY 24
#define CMD_OPEN 100
#define CMD_ABOUT 101
#define CMD_CUSTOMIZE 102
#define CMD_FONTS 103
#define CMD_WORD_WRAP 105
#define CMD_HELP_INDEX 110
#define CMD_WHAT_IS 111
#define CMD_HOW_TO_USE 112
#define CMD_FILE_ENTRY 113  // + index, up to 137
#define CMD_CAD_FIRST 291  // commands of a drawing viewer, passed on to it
#define CMD_CAD_ZOOM_SELECTION 296
#define CMD_CAD_ZOOM_OUT 297
#define CMD_CAD_LAST 298
#define CMD_ZOOM_QUARTER 299
#define CMD_ZOOM_HALF 300
#define CMD_ZOOM_1X 301
#define CMD_ZOOM_2X 302
#define CMD_ZOOM_3X 303
#define CMD_ZOOM_4X 304
#define CMD_ZOOM_5X 305
#define CMD_ZOOM_8X 308
#define CMD_ZOOM_16X 309
#define CMD_SAVE_AS 310
#define CMD_FLIP 318
#define CMD_REVERSE 319
#define CMD_ROTATE 320
#define CMD_SETTINGS 470
#define CMD_PAGE_FIRST 901  // + page index
#define CMD_PAGE_LAST 0xFFFF

// About box.
#define IDC_ABOUT_TITLE 452

// Settings dialog, and the no-association dialog's check box.
#define IDC_ASSOC_PERMANENT 461
#define IDC_AUTOOPEN 462
#define IDC_AUTOTOP 463
#define IDC_ICON_VISIBLE 464
#define IDC_SAVEICONPOS 465
#define IDC_ICON_CAPTION 466
#define IDC_AUTOVIEW 467
#define IDC_DIALOG_HELP 468
#define IDC_HIDEICON 471

// The "Printing" box.
#define IDC_PRINTING_TEXT 505

// Find and go-to dialogs.
#define IDC_MATCH_CASE 450
#define IDC_FIND_TEXT 451  // also the hex find dialog's ASCII field
#define IDC_GOTO_TEXT 453
#define IDC_GOTO_INFO 454
#define IDC_FIND_HEX 455
