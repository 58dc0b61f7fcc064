// Resource and control identifiers, shared by lettro.rc and the C++ code.
#pragma once

// Icon
#define IDI_LETTRO 1

// Dialog templates
#define IDD_MAIN 101
#define IDD_ABOUT 304
#define IDD_HIGH_SCORES 306
#define IDD_ENTER_NAME 307
#define IDD_SOLUTIONS 308

// Menu of the main window
#define IDR_MAIN_MENU 303

// Main window controls
#define IDC_STATUS_LINE 1001
#define IDC_FOUND_WORDS 2001
#define IDC_WORD_FIELD 2002
#define IDC_SUBMIT 2003
#define IDC_WORDS_FOUND_LABEL 2005
#define IDC_SCORE_DISPLAY 2006
#define IDC_TIME_LABEL 2007
#define IDC_TIME_DISPLAY 2008
// The board: a control over the painted tiles that takes the focus and the arrow keys
#define IDC_BOARD 2004
// Covered by the status line: their texts are what a screen reader is told, one for the verdicts
// and picks, one for the time. Each has a twin made at run time (its id plus 500), and the two
// take turns; the one that spoke last holds the id here
#define IDC_ANNOUNCER 2010
#define IDC_TIME_ANNOUNCER 2011

// The countdown timer of the main window
#define COUNTDOWN_TIMER_ID 2009

// "Enter Name" controls
#define IDC_NAME_OK 2009
#define IDC_NAME_FIELD 40002
// Made at run time under OK, not in the template: tells a screen reader the score and its place
#define IDC_NAME_ANNOUNCER 3011

// "High Scores" rows: slot i's name is IDC_SCORE_NAME_FIRST + 2i, its score the id after it
#define IDC_SCORE_NAME_FIRST 1000
#define IDC_SCORE_VALUE_FIRST 1001
// Made at run time under OK, not in the template: tells a screen reader that the table is empty
#define IDC_HIGH_SCORES_ANNOUNCER 3010

// "Solutions": the tally line and the list of the board's words
#define IDC_SOLUTIONS_TALLY 3001
#define IDC_SOLUTIONS_LIST 3002
// Covered by the list: tells a screen reader the selected word's path
#define IDC_SOLUTIONS_ANNOUNCER 3003

// "About" text
#define IDC_ABOUT_TEXT 1020

// Menu commands
#define IDM_NEW_GAME 40000
#define IDM_EXIT 40001
#define IDM_ABOUT 40002
#define IDM_HIGH_SCORES 40003
#define IDM_HELP 40004
#define IDM_SOLUTIONS 40005
#define IDM_NEW_UNTIMED_GAME 40006
#define IDM_END_GAME 40007

// Tile bitmaps "A" to "Z" in alphabetical order: TILE_BITMAP_FIRST + the letter's place
#define TILE_BITMAP_FIRST 10001
// The same drawn at twice the size (140 x 140), shrunk for tiles larger than 60 pixels
#define LARGE_TILE_BITMAP_FIRST 10101
