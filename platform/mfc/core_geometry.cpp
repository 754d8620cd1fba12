// The rectangle operations of CRect that are more than one line.
#include <afxwin.h>

#include <algorithm>

void CRect::NormalizeRect() noexcept {
  if (left > right) std::swap(left, right);
  if (top > bottom) std::swap(top, bottom);
}

BOOL CRect::IntersectRect(LPCRECT lpRect1, LPCRECT lpRect2) noexcept {
  const CRect overlap(std::max(lpRect1->left, lpRect2->left), std::max(lpRect1->top, lpRect2->top),
                      std::min(lpRect1->right, lpRect2->right), std::min(lpRect1->bottom, lpRect2->bottom));
  if (overlap.IsRectEmpty()) {
    SetRectEmpty();
    return FALSE;
  }
  *this = overlap;
  return TRUE;
}

BOOL CRect::UnionRect(LPCRECT lpRect1, LPCRECT lpRect2) noexcept {
  const CRect first(lpRect1), second(lpRect2);
  if (first.IsRectEmpty() && second.IsRectEmpty()) {
    SetRectEmpty();
    return FALSE;
  }
  if (first.IsRectEmpty() || second.IsRectEmpty()) {
    *this = first.IsRectEmpty() ? second : first;
    return TRUE;
  }
  SetRect(std::min(first.left, second.left), std::min(first.top, second.top), std::max(first.right, second.right),
          std::max(first.bottom, second.bottom));
  return TRUE;
}
