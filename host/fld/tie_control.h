// Taking over a dialog's control with a field object, as DDX_Control does.
#pragma once
#include <afxwin.h>

namespace fld {

// Subclasses the control id of dialog with wrapper (releasing the control it
// held before); TRUE when wrapper already holds that very control. FALSE for
// a null or windowless dialog, a missing control, or one that another object
// has taken over.
BOOL TieToDialogControl(CWnd& wrapper, CDialog* dialog, UINT id);

}  // namespace fld
