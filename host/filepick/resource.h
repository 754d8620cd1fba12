// Identifiers of the file dialogs' templates and controls.
#pragma once

#define IDD_FILEPICK_OPEN 100
#define IDD_FILEPICK_SAVE 101

#define IDC_FILEPICK_FOLDER 1001
#define IDC_FILEPICK_ENTRIES 1002
#define IDC_FILEPICK_TYPE 1003
#define IDC_FILEPICK_NAME_LABEL 1004
#define IDC_FILEPICK_NAME 1005
