// The class library's control bars: CControlBar (the CBRS_* bar styles and
// the bar's placement) and CToolBar (a toolbar made from a TOOLBAR resource
// and its bitmap, or from button ids).
//
// Placement, which this platform does itself (there are no frame windows to
// arrange bars): a bar lies across its parent's client area, full width, at
// the top (CBRS_ALIGN_TOP; CBRS_ALIGN_LEFT and _RIGHT are kept in the style
// but placed as top bars) or at the bottom (CBRS_ALIGN_BOTTOM). It is
// CalcFixedLayout's height high: for a toolbar the button height + 4, or 0
// while it has no buttons (SetHeight fixes another). The bar is placed again
// whenever its sizes, buttons or style change.
// When the parent is a dialog, the first time the bar gets a height the
// dialog makes room for it: a top bar moves every other child window of the
// dialog down by that height, and the dialog grows by it, so that nothing is
// covered. A dialog whose template has no client area (height 0) then shows
// its caption and the bar. Later changes of the height move only the bar.
//
// A toolbar's window is the platform's toolbar control; its buttons send
// WM_COMMAND with their command id to the bar's parent, where ON_COMMAND
// entries of a dialog handle them. GetToolBarCtrl gives the control's wrapper
// for the same window, valid as long as the bar.
//
// Images: LoadBitmap (and LoadToolBar) give the toolbar one image strip,
// which the bar owns; the strip cannot be replaced, so a second LoadBitmap
// fails. Button "styles" are MAKELONG(TBSTYLE_*, TBSTATE_*) with the enabled
// bit turned round (TBBS_DISABLED), as the class library has them.
#pragma once
#include <afxcmn.h>
#include <afxres.h>
#include <afxwin.h>

// ---- bar styles (CControlBar::m_dwStyle; never part of the window style) ----
#define CBRS_ALIGN_LEFT 0x1000L
#define CBRS_ALIGN_TOP 0x2000L
#define CBRS_ALIGN_RIGHT 0x4000L
#define CBRS_ALIGN_BOTTOM 0x8000L
#define CBRS_ALIGN_ANY 0xF000L
#define CBRS_BORDER_LEFT 0x0100L
#define CBRS_BORDER_TOP 0x0200L
#define CBRS_BORDER_RIGHT 0x0400L
#define CBRS_BORDER_BOTTOM 0x0800L
#define CBRS_BORDER_ANY 0x0F00L
#define CBRS_TOOLTIPS 0x0010L
#define CBRS_FLYBY 0x0020L
#define CBRS_FLOAT_MULTI 0x0040L
#define CBRS_BORDER_3D 0x0080L
#define CBRS_HIDE_INPLACE 0x0008L
#define CBRS_SIZE_DYNAMIC 0x0004L
#define CBRS_SIZE_FIXED 0x0002L
#define CBRS_FLOATING 0x0001L
#define CBRS_GRIPPER 0x00400000L
#define CBRS_ORIENT_HORZ (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)
#define CBRS_ORIENT_VERT (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)
#define CBRS_ORIENT_ANY (CBRS_ORIENT_HORZ | CBRS_ORIENT_VERT)
#define CBRS_ALL 0x0040FFFFL
#define CBRS_NOALIGN 0x00000000L
#define CBRS_LEFT (CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT)
#define CBRS_TOP (CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM)
#define CBRS_RIGHT (CBRS_ALIGN_RIGHT | CBRS_BORDER_LEFT)
#define CBRS_BOTTOM (CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP)

// ---- toolbar button styles: MAKELONG(TBSTYLE_*, TBSTATE_*) ----
#define TBBS_BUTTON MAKELONG(TBSTYLE_BUTTON, 0)
#define TBBS_SEPARATOR MAKELONG(TBSTYLE_SEP, 0)
#define TBBS_CHECKBOX MAKELONG(TBSTYLE_CHECK, 0)
#define TBBS_GROUP MAKELONG(TBSTYLE_GROUP, 0)
#define TBBS_CHECKGROUP (TBBS_GROUP | TBBS_CHECKBOX)
#define TBBS_CHECKED MAKELONG(0, TBSTATE_CHECKED)
#define TBBS_PRESSED MAKELONG(0, TBSTATE_PRESSED)
#define TBBS_DISABLED MAKELONG(0, TBSTATE_ENABLED)
#define TBBS_INDETERMINATE MAKELONG(0, TBSTATE_INDETERMINATE)
#define TBBS_HIDDEN MAKELONG(0, TBSTATE_HIDDEN)
#define TBBS_WRAPPED MAKELONG(0, TBSTATE_WRAP)

class CControlBar : public CWnd {
  DECLARE_DYNAMIC(CControlBar)
 public:
  DWORD GetBarStyle() const { return m_dwStyle; }
  // Keeps the CBRS_* bits and places the bar again.
  void SetBarStyle(DWORD dwStyle);
  // The size the bar takes; with bStretch, 32767 along its length (bHorz:
  // across). The height places the bar.
  virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);

  DWORD m_dwStyle = 0;

 protected:
  // Places the bar in its parent (see the placement above).
  void PlaceInParent();
  // A new window of the bar makes room in its dialog again.
  void PostNcDestroy() override;

 private:
  void MakeRoomInDialog(int height);

  BOOL m_bRoomMade = FALSE;
};

class CToolBar : public CControlBar {
  DECLARE_DYNAMIC(CToolBar)
 public:
  CToolBar();
  ~CToolBar() override;

  BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP, UINT nID = AFX_IDW_TOOLBAR);
  // dwCtrlStyle: TBSTYLE_* of the control; rcBorders is accepted and not used
  // (the bar's 2 pixels above and below the buttons are fixed).
  BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = TBSTYLE_FLAT,
                DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, CRect rcBorders = CRect(0, 0, 0, 0),
                UINT nID = AFX_IDW_TOOLBAR);

  // The RT_TOOLBAR resource (version 1, image width and height, button
  // count, then the command ids, 0 a separator) and the RT_BITMAP of the
  // same name, both found with AfxFindResourceHandle: sets the image size,
  // the button size (image + 7 x 6), the images and the buttons. FALSE, with
  // nothing changed, when either resource is missing or malformed.
  BOOL LoadToolBar(LPCTSTR lpszResourceName);
  BOOL LoadToolBar(UINT nIDResource);
  BOOL LoadBitmap(LPCTSTR lpszResourceName);
  BOOL LoadBitmap(UINT nIDResource);
  // sizeButton must be at least sizeImage + 7 x 6.
  void SetSizes(SIZE sizeButton, SIZE sizeImage);
  // Replaces the buttons: id 0 is a separator; the others take the images in
  // order. A null lpIDArray gives nIDCount separators.
  BOOL SetButtons(const UINT* lpIDArray, int nIDCount);
  // Fixes the bar's height (0 or less: the button height + 4 again).
  void SetHeight(int cyHeight);

  CToolBarCtrl& GetToolBarCtrl() const;
  int GetCount() const;
  int CommandToIndex(UINT nIDFind) const;
  UINT GetItemID(int nIndex) const;
  void GetItemRect(int nIndex, LPRECT lpRect) const;
  UINT GetButtonStyle(int nIndex) const;
  void SetButtonStyle(int nIndex, UINT nStyle);
  void GetButtonInfo(int nIndex, UINT& nID, UINT& nStyle, int& iImage) const;
  void SetButtonInfo(int nIndex, UINT nID, UINT nStyle, int iImage);

  CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;

  CSize m_sizeButton;
  CSize m_sizeImage;

 protected:
  void PostNcDestroy() override;

 private:
  BOOL ButtonAt(int nIndex, TBBUTTON* button) const;
  void ReplaceButton(int nIndex, const TBBUTTON& button);
  // Gives the control the bitmap's images, image size wide each; the bar keeps the bitmap.
  BOOL AddImages(CBitmap& bitmap);

  // The control's wrapper: shares the bar's window without owning it.
  mutable CToolBarCtrl m_ctrl;
  CBitmap m_bitmap;
  int m_cyFixedHeight = 0;
};
