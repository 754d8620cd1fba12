// Resource ids of the test command plug-in.
#define IDD_TEST_COMMAND 200
#define IDC_TEST_LABEL 201
