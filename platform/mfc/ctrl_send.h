// How the control wrappers talk to their controls: one message to the
// wrapper's window, its answer converted to the type the wrapper returns.
#pragma once
#include <afxwin.h>

#include <type_traits>

namespace afx::detail {

template <class Result = LRESULT>
Result SendTo(const CWnd& control, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  const LRESULT answer = ::SendMessageW(control.m_hWnd, message, wParam, lParam);
  if constexpr (std::is_pointer_v<Result>) {
    return reinterpret_cast<Result>(answer);
  } else {
    return static_cast<Result>(answer);
  }
}

// A pointer or text as a message parameter.
template <class T>
LPARAM AsLParam(T* pointer) {
  return reinterpret_cast<LPARAM>(pointer);
}
template <class T>
WPARAM AsWParam(T* pointer) {
  return reinterpret_cast<WPARAM>(pointer);
}

}  // namespace afx::detail
