// Identifiers of the field controls' test dialog.
#pragma once

#define IDD_FIELDS 200
#define IDC_NUMBER 1005
#define IDC_NAME 1006
#define IDC_X 1013
#define IDC_COMMENT 1008
#define IDC_KIND 1000
#define IDC_OTHER 1020
