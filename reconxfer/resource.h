// Identifiers of the data exchange plug-in's dialog templates and controls.
#pragma once

#define IDD_IMF_IMPORT 129
#define IDD_IMF_EXPORT 130

#define IDC_IMF_PROGRESS 1000
