// What the class library keeps for each thread (handle maps, the creation
// hook, the message being handled, the notification lockout during data
// exchange) and the helpers its modules share.
#pragma once
#include "afxwin.h"

#include <unordered_map>
#include <vector>

struct AFX_THREAD_STATE {
  AFX_THREAD_STATE() = default;
  ~AFX_THREAD_STATE();
  AFX_THREAD_STATE(const AFX_THREAD_STATE&) = delete;
  AFX_THREAD_STATE& operator=(const AFX_THREAD_STATE&) = delete;

  std::unordered_map<HWND, CWnd*> permanentMap;
  std::unordered_map<HWND, CWnd*> temporaryMap;
  std::vector<CWnd*> extraTemporaries;  // temporaries of derived classes (AfxWndFromHandleAs)
  CWnd* pWndInit = nullptr;             // the window the creation hook attaches next
  HHOOK hHookCbtFilter = nullptr;
  MSG lastSentMsg{};                    // the message AfxCallWndProc is handling
  MSG msgCur{};                         // the message the pump retrieved last
  HWND hLockoutNotifyWindow = nullptr;  // UpdateData's window: its notifications are not routed
};

// The calling thread's state; null once the thread's state has been torn down (thread exit).
AFX_THREAD_STATE* AFXAPI AfxGetThreadState();

// The application's message box with the class library's default icon for the type.
int AFXAPI AfxShowMessageBox(HWND hWndOwner, LPCTSTR lpszText, UINT nType);
// The owner of a message box or modal dialog that names no window: the active
// window of the main window's family, else the main window.
HWND AFXAPI AfxGetSafeOwner(HWND hWndParent);
// Loads a string resource of the resource chain; empty when there is none.
CString AFXAPI AfxLoadString(UINT nID);

// A name for the window system's wide functions: the text itself in the wide
// build, a converted copy in the 8-bit one; null and resource ordinals pass
// as they are.
class AfxWideName {
 public:
  explicit AfxWideName(LPCTSTR name) : isText_(name && !IS_INTRESOURCE(name)), name_(name) {
    if (isText_) text_ = name;
  }
  operator LPCWSTR() const { return isText_ ? text_.GetString() : reinterpret_cast<LPCWSTR>(name_); }

 private:
  bool isText_;
  LPCTSTR name_;
  CStringW text_;
};
