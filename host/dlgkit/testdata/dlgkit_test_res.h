// Identifiers of the dialog base class's test dialog.
#pragma once

#define IDD_PROBE 300
#define IDC_PROBE_EDIT 1001
#define IDC_PROBE_PING 1002
