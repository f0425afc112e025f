// Identifiers of the program's resources, shared by the .rc file and the code.
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

#define IDR_MAINFRAME 128
#define IDD_RULER 103
// The close button's faces, normal and pressed, for each drawn resolution in its order.
#define IDB_CLOSE_UP 129
#define IDB_CLOSE_DOWN 130
#define IDB_CLOSE_UP_120 131
#define IDB_CLOSE_DOWN_120 132
#define IDB_CLOSE_UP_144 133
#define IDB_CLOSE_DOWN_144 134
#define IDB_CLOSE_UP_192 135
#define IDB_CLOSE_DOWN_192 136
#define IDR_RULER_MENU 129
#define IDC_READ_TOP 163
#define IDC_READ_BOTTOM 164
#define IDC_READ_LEFT 165
#define IDC_READ_RIGHT 166
#define IDD_ZOOM 168

#define IDC_MAGNIFY_SLIDER 25
#define IDC_ALPHA_SLIDER 35

#define IDC_ZOOM_200 1003
#define IDC_ZOOM_175 1004
#define IDC_ZOOM_150 1005
#define IDC_ZOOM_125 1006
#define IDC_ZOOM_120 1007
#define IDC_ZOOM_110 1008
#define IDC_ZOOM_100 1009
#define IDC_ZOOM_75 1010
#define IDC_ZOOM_50 1011
#define IDC_PERCENT 1012
#define IDC_PERCENT_SPIN 1013

#define ID_UNIT_CM 40008
#define ID_UNIT_PIXEL 40009
#define ID_UNIT_INCH 40010
#define ID_TRANSPARENT 40011
#define ID_ZOOM_100 40012
#define ID_ZOOM_120 40013
#define ID_ZOOM_150 40014
#define ID_ZOOM_75 40015
#define ID_ZOOM_OTHER 40016
#define ID_UNIT_DIP 40017
#define ID_COPY_HEX 40018
#define ID_COPY_HEX_BARE 40019
#define ID_COPY_RGB 40020
#define ID_COPY_HSL 40021
#define ID_COPY_DECIMAL 40022
#define ID_EDGES 40023

// The string table: the program's name and every word the code puts together itself.
#define IDS_APP_NAME 1
#define IDS_WHOLE_NUMBER 2
#define IDS_WORD_DISTANCE 3
#define IDS_WORD_POSITION 4
#define IDS_WORD_COLOR 5
#define IDS_WORD_CONTRAST 6
#define IDS_WORD_SPAN 7
#define IDS_WORD_PIXELS 8
#define IDS_WORD_LOGICAL_PIXELS 9
#define IDS_WORD_MILLIMETRES 10
#define IDS_WORD_INCHES 11
