// The bond between windows and CWnd objects: the per-thread handle maps
// (permanent objects, temporaries freed at idle time), AfxWndProc and the
// creation hook that attaches and subclasses a window while CreateWindowEx
// makes it, subclassing of existing windows, and creation and destruction.
#include <afxpriv.h>

#include <mutex>
#include <map>
#include <string>

namespace {

thread_local bool threadStateGone = false;

struct ThreadStateHolder {
  AFX_THREAD_STATE state;
  ~ThreadStateHolder() { threadStateGone = true; }
};

}  // namespace

AFX_THREAD_STATE::~AFX_THREAD_STATE() {
  // Temporaries only borrow their windows: let them go without touching them.
  for (auto& [hWnd, pWnd] : temporaryMap) {
    pWnd->m_hWnd = nullptr;
    delete pWnd;
  }
  for (CWnd* pWnd : extraTemporaries) {
    pWnd->m_hWnd = nullptr;
    delete pWnd;
  }
}

AFX_THREAD_STATE* AFXAPI AfxGetThreadState() {
  if (threadStateGone) return nullptr;
  thread_local ThreadStateHolder holder;
  return &holder.state;
}

// ---- handle maps ----
IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

const CWnd CWnd::wndTop;
const CWnd CWnd::wndBottom;
const CWnd CWnd::wndTopMost;
const CWnd CWnd::wndNoTopMost;

namespace {

// The insert-after handles of the statics above.
struct ZOrderHandles {
  ZOrderHandles() {
    const_cast<CWnd&>(CWnd::wndBottom).m_hWnd = HWND_BOTTOM;
    const_cast<CWnd&>(CWnd::wndTopMost).m_hWnd = HWND_TOPMOST;
    const_cast<CWnd&>(CWnd::wndNoTopMost).m_hWnd = HWND_NOTOPMOST;
  }
} zOrderHandles;

CWnd* Lookup(const std::unordered_map<HWND, CWnd*>& map, HWND hWnd) {
  auto it = map.find(hWnd);
  return it == map.end() ? nullptr : it->second;
}

}  // namespace

CWnd::CWnd() = default;

CWnd::~CWnd() {
  AFX_THREAD_STATE* state = AfxGetThreadState();
  if (m_hWnd && state && Lookup(state->permanentMap, m_hWnd) == this) {
    ::DestroyWindow(m_hWnd);
    // A window of another thread (or one the platform refused to destroy) loses its object.
    if (m_hWnd) Detach();
  }
}

CWnd* PASCAL CWnd::FromHandlePermanent(HWND hWnd) {
  AFX_THREAD_STATE* state = AfxGetThreadState();
  return hWnd && state ? Lookup(state->permanentMap, hWnd) : nullptr;
}

CWnd* PASCAL CWnd::FromHandle(HWND hWnd) {
  if (!hWnd) return nullptr;
  AFX_THREAD_STATE* state = AfxGetThreadState();
  if (!state) return nullptr;
  if (CWnd* permanent = Lookup(state->permanentMap, hWnd)) return permanent;
  CWnd*& temporary = state->temporaryMap[hWnd];
  if (!temporary) {
    temporary = new CWnd;
    temporary->m_hWnd = hWnd;
  }
  return temporary;
}

void PASCAL CWnd::AddTemporary(CWnd* pWnd, HWND hWnd) {
  AFX_THREAD_STATE* state = AfxGetThreadState();
  pWnd->m_hWnd = hWnd;
  if (state) state->extraTemporaries.push_back(pWnd);
}

void PASCAL CWnd::DeleteTempMap() {
  AFX_THREAD_STATE* state = AfxGetThreadState();
  if (!state) return;
  auto temporaries = std::move(state->temporaryMap);
  auto extras = std::move(state->extraTemporaries);
  state->temporaryMap.clear();
  state->extraTemporaries.clear();
  for (auto& [hWnd, pWnd] : temporaries) extras.push_back(pWnd);
  for (CWnd* pWnd : extras) {
    pWnd->m_hWnd = nullptr;
    delete pWnd;
  }
}

BOOL CWnd::Attach(HWND hWndNew) {
  AFX_THREAD_STATE* state = AfxGetThreadState();
  if (!hWndNew || m_hWnd || !state || Lookup(state->permanentMap, hWndNew)) return FALSE;
  state->permanentMap[hWndNew] = this;
  m_hWnd = hWndNew;
  return TRUE;
}

HWND CWnd::Detach() {
  HWND hWnd = m_hWnd;
  AFX_THREAD_STATE* state = AfxGetThreadState();
  if (hWnd && state && Lookup(state->permanentMap, hWnd) == this) state->permanentMap.erase(hWnd);
  m_hWnd = nullptr;
  return hWnd;
}

// ---- the window procedure ----
namespace {

// What a handler's exception turns into: the error is shown (a CUserException
// has been reported already) and creation fails.
LRESULT ProcessWndProcException(CException* e, const MSG& msg) {
  if (!e->IsKindOf(RUNTIME_CLASS(CUserException))) e->ReportError(MB_ICONSTOP);
  e->Delete();
  return msg.message == WM_CREATE ? -1 : 0;
}

}  // namespace

LRESULT AFXAPI AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
  AFX_THREAD_STATE* state = AfxGetThreadState();
  const MSG saved = state->lastSentMsg;
  state->lastSentMsg = MSG{hWnd, nMsg, wParam, lParam, 0, {}};
  LRESULT result = 0;
  try {
    result = pWnd->WindowProc(nMsg, wParam, lParam);
  } catch (CException* e) {
    result = ProcessWndProcException(e, state->lastSentMsg);
  }
  // A WM_NCDESTROY handler that did not call the base still lets the window go.
  if (nMsg == WM_NCDESTROY && CWnd::FromHandlePermanent(hWnd) == pWnd) pWnd->CleanUpAfterNcDestroy();
  state->lastSentMsg = saved;
  return result;
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
  CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
  if (!pWnd) return ::DefWindowProc(hWnd, nMsg, wParam, lParam);
  return AfxCallWndProc(pWnd, hWnd, nMsg, wParam, lParam);
}

WNDPROC AFXAPI AfxGetAfxWndProc() { return &AfxWndProc; }

void CWnd::CleanUpAfterNcDestroy() {
  if (CWinThread* pThread = AfxGetThread()) {
    if (pThread->m_pMainWnd == this) {
      if (pThread == AfxGetApp()) AfxPostQuitMessage(0);
      pThread->m_pMainWnd = nullptr;
    }
    if (pThread->m_pActiveWnd == this) pThread->m_pActiveWnd = nullptr;
  }
  if (m_pfnSuper && reinterpret_cast<WNDPROC>(::GetWindowLongPtr(m_hWnd, GWLP_WNDPROC)) == &AfxWndProc) {
    ::SetWindowLongPtr(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
  }
  Detach();
  PostNcDestroy();
}

void CWnd::OnNcDestroy() {
  Default();
  CleanUpAfterNcDestroy();
}

void CWnd::PostNcDestroy() {}

// ---- subclassing ----
namespace {

// Puts AfxWndProc in front of the window's procedure, keeping the old one as the super procedure.
void InstallAfxWndProc(CWnd* pWnd, HWND hWnd) {
  pWnd->PreSubclassWindow();
  auto previous = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtr(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
  WNDPROC* super = pWnd->GetSuperWndProcAddr();
  if (previous != &AfxWndProc && *super == nullptr) *super = previous;
}

}  // namespace

WNDPROC* CWnd::GetSuperWndProcAddr() { return &m_pfnSuper; }

void CWnd::PreSubclassWindow() {}

BOOL CWnd::SubclassWindow(HWND hWnd) {
  if (!::IsWindow(hWnd) || !Attach(hWnd)) return FALSE;
  InstallAfxWndProc(this, hWnd);
  return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent) {
  HWND hWndControl = pParent ? ::GetDlgItem(pParent->m_hWnd, static_cast<int>(nID)) : nullptr;
  return hWndControl && SubclassWindow(hWndControl);
}

HWND CWnd::UnsubclassWindow() {
  WNDPROC* super = GetSuperWndProcAddr();
  if (m_hWnd && *super) ::SetWindowLongPtr(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(*super));
  *super = nullptr;
  return Detach();
}

// ---- the creation hook ----
namespace {

LRESULT CALLBACK CbtFilterHook(int code, WPARAM wParam, LPARAM) {
  AFX_THREAD_STATE* state = AfxGetThreadState();
  if (code != HCBT_CREATEWND || !state || !state->pWndInit) return 0;
  CWnd* pWnd = state->pWndInit;
  state->pWndInit = nullptr;
  const auto hWnd = reinterpret_cast<HWND>(wParam);
  if (pWnd->Attach(hWnd)) InstallAfxWndProc(pWnd, hWnd);
  return 0;
}

}  // namespace

void AFXAPI AfxHookWindowCreate(CWnd* pWnd) {
  AFX_THREAD_STATE* state = AfxGetThreadState();
  if (!state->hHookCbtFilter) {
    state->hHookCbtFilter = ::SetWindowsHookEx(WH_CBT, &CbtFilterHook, nullptr, ::GetCurrentThreadId());
  }
  state->pWndInit = pWnd;
}

BOOL AFXAPI AfxUnhookWindowCreate() {
  AFX_THREAD_STATE* state = AfxGetThreadState();
  if (state->hHookCbtFilter) {
    ::UnhookWindowsHookEx(state->hHookCbtFilter);
    state->hHookCbtFilter = nullptr;
  }
  const bool attached = state->pWndInit == nullptr;
  state->pWndInit = nullptr;
  return attached;
}

// ---- window classes ----
namespace {

// A class of the library's own windows, by the name it was registered under.
struct LibraryClass {
  std::u16string wideName;
  CString name;
};

// Registers the class for the style, cursor, brush and icon once and remembers its names.
const LibraryClass& RegisterLibraryClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon) {
  static std::mutex lock;
  static auto* classes = new std::map<std::u16string, LibraryClass>;
  CStringW name;
  name.Format(u"Afx:%p:%x:%p:%p:%p", static_cast<void*>(AfxGetInstanceHandle()), nClassStyle,
              static_cast<void*>(hCursor), static_cast<void*>(hbrBackground), static_cast<void*>(hIcon));
  std::lock_guard guard(lock);
  auto [it, added] = classes->try_emplace(name.GetString());
  if (added) {
    it->second = LibraryClass{name.GetString(), CString(name)};
    WNDCLASSW wc{};
    wc.style = nClassStyle;
    wc.lpfnWndProc = &::DefWindowProcW;
    wc.hInstance = AfxGetInstanceHandle();
    wc.hIcon = hIcon;
    wc.hCursor = hCursor;
    wc.hbrBackground = hbrBackground;
    wc.lpszClassName = it->second.wideName.c_str();
    WNDCLASSW existing{};
    if (!::GetClassInfoW(wc.hInstance, wc.lpszClassName, &existing) && !::RegisterClassW(&wc)) {
      classes->erase(it);
      AfxThrowNotSupportedException();
    }
  }
  return it->second;
}

}  // namespace

LPCTSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon) {
  return RegisterLibraryClass(nClassStyle, hCursor, hbrBackground, hIcon).name;
}

// ---- creation and destruction ----
BOOL CWnd::PreCreateWindow(CREATESTRUCT& cs) {
  if (!cs.lpszClass) {
    cs.lpszClass = RegisterLibraryClass(CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, ::LoadCursor(nullptr, IDC_ARROW),
                                        reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1), nullptr)
                       .wideName.c_str();
  }
  return TRUE;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, int x, int y,
                    int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam) {
  if (m_hWnd) return FALSE;
  const AfxWideName className(lpszClassName), windowName(lpszWindowName);
  CREATESTRUCT cs{lpParam, AfxGetInstanceHandle(), nIDorHMenu, hWndParent, nHeight, nWidth, y, x,
                  static_cast<LONG>(dwStyle), windowName, className, dwExStyle};
  if (!PreCreateWindow(cs)) {
    PostNcDestroy();
    return FALSE;
  }
  AfxHookWindowCreate(this);
  HWND hWnd = ::CreateWindowExW(cs.dwExStyle, cs.lpszClass, cs.lpszName, static_cast<DWORD>(cs.style), cs.x, cs.y,
                               cs.cx, cs.cy, cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
  if (!AfxUnhookWindowCreate()) PostNcDestroy();  // the window never came to exist
  return hWnd != nullptr;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                    CWnd* pParentWnd, UINT nID, LPVOID lpParam) {
  return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top, rect.right - rect.left,
                  rect.bottom - rect.top, pParentWnd ? pParentWnd->m_hWnd : nullptr,
                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), lpParam);
}

BOOL CWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                  UINT nID, CCreateContext* pContext) {
  if (!pParentWnd || (dwStyle & WS_POPUP)) return FALSE;  // child windows only: CreateEx makes the others
  return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID, pContext);
}

BOOL CWnd::DestroyWindow() {
  if (!m_hWnd) return FALSE;
  HWND hWnd = m_hWnd;
  const bool permanent = FromHandlePermanent(hWnd) == this;
  const BOOL result = ::DestroyWindow(hWnd);
  // A temporary object outlives its window: it only forgets the handle.
  if (!permanent && m_hWnd == hWnd) m_hWnd = nullptr;
  return result;
}
