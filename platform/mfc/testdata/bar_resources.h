// Resource ids of the graphics, control and control-bar tests, shared by
// their script (bar_resources.rc) and code.
#pragma once

#define IDR_BAR 610
#define IDR_BAR_NO_BITMAP 611
#define IDR_BAR_BAD_VERSION 612
#define IDR_BAR_SHORT 613
#define IDD_BAR_DIALOG 600
#define IDD_BAR_EMPTY 601
#define IDC_BAR_NAME 2001
#define IDC_BAR_GO 2002
#define ID_BAR_RED 32771
#define ID_BAR_BLUE 32772
#define IDB_MISSING 699
