// Resource ids of the test command plug-in.
#define IDD_TEST_COMMAND 200
#define IDC_TEST_LABEL 201
#define IDC_TEST_COMBO 202
#define IDC_TEST_FLAG 203
#define IDC_TEST_ONE 204
#define IDC_TEST_TWO 205
#define IDC_TEST_EDIT 206
#define IDC_TEST_OFF 207
#define IDC_TEST_LIST 208
#define IDC_TEST_OPEN 209
#define IDC_TEST_SAVE 210
#define IDC_TEST_TABS 211
