// CToolBar: a control bar whose window is the platform's toolbar control,
// built from a TOOLBAR resource and its bitmap or from button ids, with the
// class library's view of button styles and the bar's height.
#include <afxext.h>

#include <cstring>
#include <vector>

IMPLEMENT_DYNAMIC(CToolBar, CControlBar)

namespace {

constexpr int kBarPadding = 4;        // above and below the buttons together
constexpr SIZE kImageToButton{7, 6};  // a button is its image + this
constexpr int kFlatSeparatorWidth = 6;
constexpr int kSeparatorWidth = 8;
constexpr DWORD kSelfPlaced = CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER;

// What an RT_TOOLBAR resource holds.
struct ToolbarResource {
  CSize imageSize;
  std::vector<UINT> ids;
};

WORD WordAt(const BYTE* data, size_t index) {
  WORD value = 0;
  std::memcpy(&value, data + index * sizeof(WORD), sizeof value);
  return value;
}

// False for a missing or malformed resource (version other than 1, an empty
// image, fewer ids than announced).
bool FindToolbarResource(LPCTSTR name, ToolbarResource* parsed) {
  HINSTANCE module = AfxFindResourceHandle(name, RT_TOOLBAR);
  HRSRC found = ::FindResourceW(module, name, RT_TOOLBAR);
  if (!found) return false;
  const auto* data = static_cast<const BYTE*>(::LockResource(::LoadResource(module, found)));
  const size_t words = ::SizeofResource(module, found) / sizeof(WORD);
  constexpr size_t kHeaderWords = 4;
  if (!data || words < kHeaderWords || WordAt(data, 0) != 1) return false;
  const WORD width = WordAt(data, 1), height = WordAt(data, 2), count = WordAt(data, 3);
  if (width == 0 || height == 0 || words < kHeaderWords + count) return false;
  parsed->imageSize = CSize(width, height);
  parsed->ids.clear();
  for (size_t i = 0; i < count; ++i) parsed->ids.push_back(WordAt(data, kHeaderWords + i));
  return true;
}

// MAKELONG(style, state) with the enabled bit turned round, and back.
UINT StyleOf(const TBBUTTON& button) { return MAKELONG(button.fsStyle, button.fsState ^ TBSTATE_ENABLED); }

void ApplyStyle(TBBUTTON& button, UINT style) {
  button.fsStyle = LOBYTE(LOWORD(style));
  button.fsState = LOBYTE(HIWORD(style)) ^ TBSTATE_ENABLED;
}

}  // namespace

CToolBar::CToolBar() : m_sizeButton(23, 22), m_sizeImage(16, 15) {}

// Destroys the window while the bar is still a CToolBar, before its bitmap goes.
CToolBar::~CToolBar() {
  if (m_hWnd && CWnd::FromHandlePermanent(m_hWnd) == this) DestroyWindow();
}

BOOL CToolBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID) {
  return CreateEx(pParentWnd, 0, dwStyle, CRect(0, 0, 0, 0), nID);
}

BOOL CToolBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, CRect, UINT nID) {
  if (m_hWnd || !pParentWnd) return FALSE;
  const DWORD windowStyle = (dwStyle & ~CBRS_ALL) | dwCtrlStyle | kSelfPlaced;
  if (!CWnd::Create(TOOLBARCLASSNAMEW, nullptr, windowStyle, CRect(0, 0, 0, 0), pParentWnd, nID)) return FALSE;
  m_dwStyle = dwStyle & CBRS_ALL;
  m_ctrl.m_hWnd = m_hWnd;
  m_ctrl.SetButtonStructSize(sizeof(TBBUTTON));
  SetSizes(m_sizeButton, m_sizeImage);
  return TRUE;
}

// The buttons went with the window; the image strip goes too, so that the
// object can make a new bar.
void CToolBar::PostNcDestroy() {
  m_ctrl.m_hWnd = nullptr;
  m_bitmap.DeleteObject();
  CControlBar::PostNcDestroy();
}

// ---- resources and images ----

BOOL CToolBar::LoadToolBar(LPCTSTR lpszResourceName) {
  ToolbarResource resource;
  if (!m_hWnd || m_bitmap.m_hObject || !FindToolbarResource(lpszResourceName, &resource)) return FALSE;
  CBitmap images;
  if (!images.LoadBitmap(lpszResourceName)) return FALSE;
  SetSizes(resource.imageSize + kImageToButton, resource.imageSize);
  return AddImages(images) && SetButtons(resource.ids.data(), static_cast<int>(resource.ids.size()));
}

BOOL CToolBar::LoadToolBar(UINT nIDResource) { return LoadToolBar(MAKEINTRESOURCE(nIDResource)); }

BOOL CToolBar::LoadBitmap(LPCTSTR lpszResourceName) {
  CBitmap images;
  return m_hWnd && !m_bitmap.m_hObject && images.LoadBitmap(lpszResourceName) && AddImages(images);
}

BOOL CToolBar::LoadBitmap(UINT nIDResource) { return LoadBitmap(MAKEINTRESOURCE(nIDResource)); }

BOOL CToolBar::AddImages(CBitmap& bitmap) {
  BITMAP info{};
  if (!bitmap.GetBitmap(&info) || m_sizeImage.cx <= 0) return FALSE;
  const int count = info.bmWidth / m_sizeImage.cx;
  if (count <= 0 || m_ctrl.AddBitmap(count, &bitmap) < 0) return FALSE;
  m_bitmap.Attach(bitmap.Detach());
  return TRUE;
}

// ---- sizes and buttons ----

void CToolBar::SetSizes(SIZE sizeButton, SIZE sizeImage) {
  m_sizeButton = sizeButton;
  m_sizeImage = sizeImage;
  if (!m_hWnd) return;
  m_ctrl.SetBitmapSize(m_sizeImage);
  m_ctrl.SetButtonSize(m_sizeButton);
  PlaceInParent();
}

BOOL CToolBar::SetButtons(const UINT* lpIDArray, int nIDCount) {
  if (!m_hWnd || nIDCount < 0) return FALSE;
  while (m_ctrl.DeleteButton(0)) {
  }
  const int separatorWidth = (GetStyle() & TBSTYLE_FLAT) ? kFlatSeparatorWidth : kSeparatorWidth;
  std::vector<TBBUTTON> buttons(static_cast<size_t>(nIDCount));
  int image = 0;
  for (int i = 0; i < nIDCount; ++i) {
    TBBUTTON& button = buttons[static_cast<size_t>(i)];
    const UINT id = lpIDArray ? lpIDArray[i] : ID_SEPARATOR;
    button.fsState = TBSTATE_ENABLED;
    if (id == ID_SEPARATOR) {
      button.fsStyle = TBSTYLE_SEP;
      button.iBitmap = separatorWidth;
    } else {
      button.idCommand = static_cast<int>(id);
      button.fsStyle = TBSTYLE_BUTTON;
      button.iBitmap = image++;
    }
  }
  const BOOL added = buttons.empty() || m_ctrl.AddButtons(nIDCount, buttons.data());
  PlaceInParent();
  return added;
}

void CToolBar::SetHeight(int cyHeight) {
  m_cyFixedHeight = cyHeight > 0 ? cyHeight : 0;
  PlaceInParent();
}

CSize CToolBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz) {
  CSize size = CControlBar::CalcFixedLayout(bStretch, bHorz);
  const int count = GetCount();
  if (!bStretch || !bHorz) {
    RECT last{};
    if (count > 0 && m_ctrl.GetItemRect(count - 1, &last)) size.cx = last.right;
  }
  if (m_cyFixedHeight > 0) {
    size.cy = m_cyFixedHeight;
  } else if (count > 0) {
    size.cy = HIWORD(m_ctrl.GetButtonSize()) + kBarPadding;
  }
  return size;
}

// ---- the buttons one by one ----

CToolBarCtrl& CToolBar::GetToolBarCtrl() const { return m_ctrl; }

int CToolBar::GetCount() const { return m_hWnd ? m_ctrl.GetButtonCount() : 0; }

int CToolBar::CommandToIndex(UINT nIDFind) const {
  return m_hWnd ? static_cast<int>(m_ctrl.CommandToIndex(nIDFind)) : -1;
}

BOOL CToolBar::ButtonAt(int nIndex, TBBUTTON* button) const {
  *button = TBBUTTON{};
  return m_hWnd && m_ctrl.GetButton(nIndex, button);
}

void CToolBar::ReplaceButton(int nIndex, const TBBUTTON& button) {
  TBBUTTON copy = button;
  m_ctrl.DeleteButton(nIndex);
  m_ctrl.InsertButton(nIndex, &copy);
  PlaceInParent();
}

UINT CToolBar::GetItemID(int nIndex) const {
  TBBUTTON button;
  return ButtonAt(nIndex, &button) ? static_cast<UINT>(button.idCommand) : 0;
}

void CToolBar::GetItemRect(int nIndex, LPRECT lpRect) const {
  if (lpRect && (!m_hWnd || !m_ctrl.GetItemRect(nIndex, lpRect))) *lpRect = RECT{};
}

UINT CToolBar::GetButtonStyle(int nIndex) const {
  TBBUTTON button;
  return ButtonAt(nIndex, &button) ? StyleOf(button) : 0;
}

void CToolBar::SetButtonStyle(int nIndex, UINT nStyle) {
  TBBUTTON button;
  if (!ButtonAt(nIndex, &button) || StyleOf(button) == nStyle) return;
  ApplyStyle(button, nStyle);
  ReplaceButton(nIndex, button);
}

void CToolBar::GetButtonInfo(int nIndex, UINT& nID, UINT& nStyle, int& iImage) const {
  TBBUTTON button;
  const BOOL found = ButtonAt(nIndex, &button);
  nID = static_cast<UINT>(button.idCommand);
  nStyle = found ? StyleOf(button) : 0;
  iImage = button.iBitmap;
}

void CToolBar::SetButtonInfo(int nIndex, UINT nID, UINT nStyle, int iImage) {
  TBBUTTON button;
  if (!ButtonAt(nIndex, &button)) return;
  button.idCommand = static_cast<int>(nID);
  button.iBitmap = iImage;
  ApplyStyle(button, nStyle);
  ReplaceButton(nIndex, button);
}
