// The probe library that the module tests and their test libraries share:
// it counts the entry-point calls the libraries report, which the tests read
// even after a library has been unloaded.
#pragma once
#include <windows.h>

#define PROBE_API extern "C" __attribute__((visibility("default")))

PROBE_API void ProbeRecord(const char* event, HINSTANCE instance);
PROBE_API int ProbeCount(const char* event);
PROBE_API HINSTANCE ProbeLastInstance();
PROBE_API void ProbeReset();
