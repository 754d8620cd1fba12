// Taking over a dialog's control with a field object.
#include "tie_control.h"

namespace fld {

BOOL TieToDialogControl(CWnd& wrapper, CDialog* dialog, UINT id) {
  if (dialog == nullptr || !::IsWindow(dialog->GetSafeHwnd())) return FALSE;
  HWND control = ::GetDlgItem(dialog->GetSafeHwnd(), static_cast<int>(id));
  if (control == nullptr) return FALSE;
  if (wrapper.GetSafeHwnd() == control) return TRUE;
  if (wrapper.GetSafeHwnd() != nullptr) wrapper.UnsubclassWindow();
  return wrapper.SubclassWindow(control);
}

}  // namespace fld
