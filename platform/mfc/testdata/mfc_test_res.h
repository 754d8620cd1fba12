// Resource ids of the class library's tests.
#define IDD_SURVEY 100
#define IDD_TOOLS 101
#define IDD_PLUGIN 300
#define IDS_GREETING 200
#define IDC_NAME 1001
#define IDC_KIND 1002
#define IDC_APPLY 1003
#define IDC_LABEL 1004
#define IDC_FLAG 1005
#define IDC_RADIO1 1007
#define IDC_RADIO2 1008
#define IDC_COUNT 1009
