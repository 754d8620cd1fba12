// A test library whose DllMain fails on attach.
#include "probe.h"

PROBE_API BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  ProbeRecord(reason == DLL_PROCESS_ATTACH ? "bad attach" : "bad detach", instance);
  return reason != DLL_PROCESS_ATTACH;
}
