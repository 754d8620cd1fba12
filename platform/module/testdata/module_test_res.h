// Resource ids shared by module_test.rc and the module area's tests.
#pragma once

#define IDD_EVERY_CONTROL 100
#define IDD_EXTENDED 101
#define IDR_TOOLBAR 110
#define IDB_SMALL 120
#define IDI_APP 130
#define IDR_INLINE 140
#define IDR_SURVEY 141
#define IDR_CUSTOM 142
#define IDR_NUMERIC_TYPE 143
#define RT_SURVEY_NUMBER 300
#define IDM_MAIN 150

#define IDC_BASE 1000
#define IDC_LTEXT (IDC_BASE + 1)
#define IDC_RTEXT (IDC_BASE + 2)
#define IDC_CTEXT (IDC_BASE + 3)
#define IDC_PUSH (IDC_BASE + 4)
#define IDC_DEFPUSH (IDC_BASE + 5)
#define IDC_CHECK (IDC_BASE + 6)
#define IDC_AUTOCHECK (IDC_BASE + 7)
#define IDC_RADIO (IDC_BASE + 8)
#define IDC_AUTORADIO (IDC_BASE + 9)
#define IDC_STATE3 (IDC_BASE + 10)
#define IDC_AUTO3STATE (IDC_BASE + 11)
#define IDC_GROUP (IDC_BASE + 12)
#define IDC_EDIT (IDC_BASE + 13)
#define IDC_COMBO (IDC_BASE + 14)
#define IDC_LIST (IDC_BASE + 15)
#define IDC_SCROLL (IDC_BASE + 16)
#define IDC_ICON (IDC_BASE + 17)
#define IDC_LISTVIEW (IDC_BASE + 18)
#define IDC_DATE (IDC_BASE + 19)
#define IDC_GENERIC_BUTTON (IDC_BASE + 20)
#define IDC_PROGRESS (IDC_BASE + 21)
#define IDC_DROPDOWN (IDC_BASE + 22)
#define IDC_STATIC (-1)

#define ID_TOOL_OPEN 40001
#define ID_TOOL_SAVE 40002

#define IDS_FIRST 15
#define IDS_SECOND_BLOCK 16
#define IDS_ESCAPES 17
#define IDS_JAPANESE 1000
#define IDS_EMPTY 1001
#define IDS_LAST 65535
