// What the two screens with a toolbar, the pick prompt and the list screen,
// share: their toolbar, made afresh for each window, and their 新規.
#pragma once
#include <afxext.h>

// Makes the screen's toolbar along its top from the toolbar resource
// resourceId (its buttons, with the images of the bitmap of the same id) at
// 34 x 17 pixels a button, once for each window of the screen. False, with
// no toolbar window, when it cannot be created.
bool CreateScreenToolbar(CToolBar& toolbar, CDialog& screen, UINT resourceId);

// 新規 of both screens: no map selection and no current point, then the
// new-coordinate dialog.
void HideAndStartNewPoint(CDialog& screen);
