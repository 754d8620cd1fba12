// The probe library; see probe.h. Its own DllMain must never run when other
// libraries that depend on it are loaded; it reports itself if it does.
#include "probe.h"

#include <map>
#include <mutex>
#include <string>

namespace {

std::mutex lock;
std::map<std::string, int> counts;
HINSTANCE lastInstance = nullptr;

}  // namespace

PROBE_API void ProbeRecord(const char* event, HINSTANCE instance) {
  std::lock_guard guard(lock);
  ++counts[event];
  lastInstance = instance;
}

PROBE_API int ProbeCount(const char* event) {
  std::lock_guard guard(lock);
  auto it = counts.find(event);
  return it == counts.end() ? 0 : it->second;
}

PROBE_API HINSTANCE ProbeLastInstance() {
  std::lock_guard guard(lock);
  return lastInstance;
}

PROBE_API void ProbeReset() {
  std::lock_guard guard(lock);
  counts.clear();
  lastInstance = nullptr;
}

PROBE_API BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  ProbeRecord(reason == DLL_PROCESS_ATTACH ? "probe attach" : "probe detach", instance);
  return TRUE;
}
