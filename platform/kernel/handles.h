// Kernel objects and their handles: one process-wide table maps HANDLE values
// to reference-counted objects (events, threads, files, searches). Waitable
// objects report their signal state under the platform lock.
#pragma once
#include <windows.h>

#include <memory>

namespace plat::kernel {

class KernelObject {
 public:
  virtual ~KernelObject() = default;
  // Waitable objects override both; called with the platform lock held.
  virtual bool IsWaitable() const { return false; }
  virtual bool IsSignaled() const { return false; }
  // A wait that was satisfied by this object (auto-reset events reset here).
  virtual void OnWaitSatisfied() {}
};

// Registers an object and returns its new handle (never null or INVALID_HANDLE_VALUE).
HANDLE AddHandle(std::shared_ptr<KernelObject> object);
// The object behind a handle, or null when the handle is unknown or closed.
std::shared_ptr<KernelObject> LookupHandle(HANDLE handle);
template <class T>
std::shared_ptr<T> LookupHandleAs(HANDLE handle) {
  return std::dynamic_pointer_cast<T>(LookupHandle(handle));
}
// Removes a handle; the object lives on while others hold it. False when unknown.
bool RemoveHandle(HANDLE handle);

}  // namespace plat::kernel
