// The handle maps behind FromHandle of the graphics wrappers: handles
// attached to a wrapper (process-wide, so a wrapper may die on any thread),
// and temporary wrappers that the calling thread owns until DeleteTemporaries
// (or the thread's end) frees them. A temporary gives up its handle before it
// is deleted, so the handle itself lives on.
#pragma once
#include <memory>
#include <mutex>
#include <unordered_map>

namespace afx::detail {

// Wrapper's handle member is cleared by release(wrapper) before a temporary is deleted.
template <class Handle, class Wrapper, void (*release)(Wrapper&)>
class HandleMap {
 public:
  void SetPermanent(Handle handle, Wrapper* wrapper) {
    std::lock_guard guard(lock_);
    Permanent().try_emplace(handle, wrapper);
  }

  // Removes the entry only when it is this wrapper's.
  void RemovePermanent(Handle handle, const Wrapper* wrapper) {
    std::lock_guard guard(lock_);
    auto& permanent = Permanent();
    const auto it = permanent.find(handle);
    if (it != permanent.end() && it->second == wrapper) permanent.erase(it);
  }

  Wrapper* LookupPermanent(Handle handle) {
    std::lock_guard guard(lock_);
    auto& permanent = Permanent();
    const auto it = permanent.find(handle);
    return it == permanent.end() ? nullptr : it->second;
  }

  // The thread's temporary for the handle, made with make(handle) the first time.
  template <class Make>
  Wrapper* Temporary(Handle handle, Make make) {
    auto& temporaries = Temporaries();
    auto it = temporaries.find(handle);
    if (it == temporaries.end()) it = temporaries.emplace(handle, TemporaryPtr(make(handle))).first;
    return it->second.get();
  }

  void DeleteTemporaries() { Temporaries().clear(); }

 private:
  struct ReleaseAndDelete {
    void operator()(Wrapper* wrapper) const {
      release(*wrapper);
      delete wrapper;
    }
  };
  using TemporaryPtr = std::unique_ptr<Wrapper, ReleaseAndDelete>;

  // Never destroyed: wrappers with static storage may outlive any static map.
  static std::unordered_map<Handle, Wrapper*>& Permanent() {
    static auto* permanent = new std::unordered_map<Handle, Wrapper*>;
    return *permanent;
  }

  static std::unordered_map<Handle, TemporaryPtr>& Temporaries() {
    static thread_local std::unordered_map<Handle, TemporaryPtr> temporaries;
    return temporaries;
  }

  std::mutex lock_;
};

}  // namespace afx::detail
