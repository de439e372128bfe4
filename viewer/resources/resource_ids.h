// Command and resource identifiers of TARVO.EXE (shared by the .rc file and
// the code).
#pragma once

#define IDM_OPEN 101
#define IDM_PRINT 103
#define IDM_PRINT_SETUP 104
#define IDM_PAGE_SETUP 105
#define IDM_PRINT_PAGE 106
#define IDM_IGNORE_DDE 107
#define IDM_EXIT 108
#define IDM_PRINT_TAGS 110
#define IDM_CLOSE 112
#define IDM_MARK_TOGGLE 131
#define IDM_MARK_NEXT 132
#define IDM_UNMARK_ALL 133
#define IDM_MARK_SET 134
#define IDM_MARK_RESET 135
#define IDM_FREEZE_TITLE 136
#define IDM_CLEAR_TITLE 137
#define IDM_FREEZE_COLUMNS 138
#define IDM_CLEAR_COLUMNS 139
#define IDM_HELP_CONTENTS 141
#define IDM_HELP_KEYBOARD 142
#define IDM_HELP_ON_HELP 143
#define IDM_ABOUT 144
#define IDM_FIND_TEXT 151
#define IDM_FIND_HEX 152
#define IDM_FIND_NEXT 153
#define IDM_MARK_ALL 154
#define IDM_GOTO 155
#define IDM_OPTIONS 161
#define IDM_FONT 162
#define IDM_COLOR 163
#define IDM_SAVE_OPTIONS 164
#define IDM_SAVE_SETUP 165
#define IDM_LOAD_SETUP 166
#define IDM_RELOAD_SETUP 167
#define IDM_COPY 171
#define IDM_SELECT_ALL 172
#define IDM_UNSELECT 173
#define IDM_RECENT_FIRST 201
#define IDM_RECENT_LAST 204
#define IDM_TEXT 311
#define IDM_HEX 312
#define IDM_RAW 313
#define IDM_WRAP 314
#define IDM_ALWAYS_ON_TOP 315
#define IDM_FORCE_ON_TOP 316
#define IDM_ZOOM_IN 317
#define IDM_ZOOM_OUT 318
#define IDM_RESET_ZOOM 319

// Following a growing file: the View menu item, and forced on (not in the
// menu; the start-up switch F and the profile).
#define IDM_FOLLOW 320
#define IDM_FORCE_FOLLOW 321

#define IDC_ABOUT_VERSION 101

// Display Formatting ("FormatOptions").
#define IDC_FORMAT_LIST 101
#define IDC_LINE_LENGTH 102
#define IDC_TAB_LENGTH 103
#define IDC_CODE_LIST 104
#define IDC_WRAP 111
#define IDC_SHOW_BACKGROUND 113
#define IDC_FIXED_LENGTH 114
#define IDC_EXPAND_TABS 115
#define IDC_HORZ_SCROLL 141
#define IDC_VERT_SCROLL 142
#define IDC_SAVE_POS 143
#define IDC_ESC_EXIT 144
#define IDC_SAVE_DEFAULTS 191
#define IDC_FONT 192
#define IDC_COLOR 193
#define IDC_FORMAT_HELP 195
#define IDC_PROFILE_PATH 499

// Color Selection ("FormatColors"): the colour list, its buttons and the
// owner-drawn samples that make up the picture of the viewer window.
#define IDC_COLOR_LIST 150
#define IDC_COLOR_CHANGE 151
#define IDC_COLOR_RESET 152
#define IDC_COLOR_RESET_ALL 153
#define IDC_COLOR_HELP 154
#define IDC_SAMPLE_HEADING 160
#define IDC_SAMPLE_TAGGED 161
#define IDC_SAMPLE_ERROR 162
#define IDC_SAMPLE_INFO 163
#define IDC_SAMPLE_TEXT1 164
#define IDC_SAMPLE_TEXT2 165
#define IDC_SAMPLE_TEXT3 166
#define IDC_SAMPLE_TEXT4 167
#define IDC_SAMPLE_TEXT5 168
#define IDC_SAMPLE_TEXT6 169
#define IDC_SAMPLE_BGND_RIGHT 170
#define IDC_SAMPLE_BGND_BELOW 171

// Freeze Columns ("FreezeColumns").
#define IDC_RULER 231
#define IDC_SAMPLE 232
#define IDC_COLUMNS 233
// Save Options, Save Setup and Load Setup
#define IDC_SETUP_NAME 240
#define IDC_SETUP_FORMAT 241
#define IDC_SETUP_TITLES 242
#define IDC_SETUP_PAGE_SETUP 243
#define IDC_SETUP_PRINT_SETUP 244
#define IDC_SETUP_COLORS 245
#define IDC_SETUP_HELP 246
#define IDC_COLUMNS_HELP 195

// Find Text ("FindTextOptions") and Find Hex ("FindHexOptions") dialogs.
#define IDC_HEX_BYTES 104
#define IDC_TEXT_COMBO 105
#define IDC_HEX_COMBO 106
#define IDC_CASE 111
#define IDC_FROM_TOP 112
#define IDC_HEX_MESSAGE 114
#define IDC_MARK_ALL 131

// Print commands without a menu item (driven from outside).
#define IDM_PRINT_FILE 109
#define IDM_PRINT_TAGS_NO_DIALOG 111

// AbortPrintDlg
#define IDC_PRINT_DOCUMENT 101
#define IDC_PRINT_PRINTER 102
#define IDC_PRINT_PROGRESS 103

// Go To ("GoToDlg").
#define IDC_GOTO_TOP 191
#define IDC_GOTO_BOTTOM 192
#define IDC_GOTO_BYTE 193
#define IDC_GOTO_PAGE 194
#define IDC_GOTO_NUMBER 195
#define IDC_GOTO_RANGE 196

// Page Setup ("PageSetup").
#define IDC_PAGE_FILE_NAME 121
#define IDC_PAGE_FULL_PATH 122
#define IDC_PAGE_DATE_TIME 123
#define IDC_PAGE_NUMBER 124
#define IDC_PAGE_EJECT_FF 125
#define IDC_PAGE_TITLES 126
#define IDC_PAGE_SHADE_TAGS 127
#define IDC_PAGE_SHADE_SELECTION 128
#define IDC_PAGE_EJECT_TAGS_ONLY 129
#define IDC_PAGE_MARGINS 130
#define IDC_PAGE_TOP 131
#define IDC_PAGE_LEFT 132
#define IDC_PAGE_RIGHT 133
#define IDC_PAGE_BOTTOM 134
#define IDC_PAGE_SAVE 191
#define IDC_PAGE_SHADES 194
#define IDC_PAGE_HELP 195

// Print Shade Selection ("FormatShades"): text shades in the first column,
// background shades in the second, the paper background last.
#define IDC_SHADE_NORMAL 211
#define IDC_SHADE_TAGGED 212
#define IDC_SHADE_HEADING 213
#define IDC_SHADE_COMMENT 214
#define IDC_SHADE_NORMAL_BGND 215
#define IDC_SHADE_TAGGED_BGND 216
#define IDC_SHADE_HEADING_BGND 217
#define IDC_SHADE_COMMENT_BGND 218
#define IDC_SHADE_PAPER 219
#define IDC_SHADES_SAVE 191
#define IDC_SHADES_HELP 195
#define IDC_SHADES_RESET 196
