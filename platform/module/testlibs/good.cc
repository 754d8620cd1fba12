// A test library whose DllMain succeeds; it exports a function and carries
// its own resources (good.rc).
#include "probe.h"

PROBE_API BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  ProbeRecord(reason == DLL_PROCESS_ATTACH ? "good attach" : "good detach", instance);
  return TRUE;
}

PROBE_API int GoodFunction(int value) { return value * 2 + 1; }
