// The toolbar and the hand-overs shared by the pick prompt and the list screen.
#include "screen_kit.h"

#include <geopane.h>

#include "screen_switch.h"

namespace {

// Buttons of 34 x 17 pixels; their images are 27 x 11 (the toolbar resources'
// image size), the button less the class library's frame of 7 x 6.
const CSize kButtonSize(34, 17);
const CSize kImageSize(27, 11);

}  // namespace

bool CreateScreenToolbar(CToolBar& toolbar, CDialog& screen, UINT resourceId) {
  if (!toolbar.Create(&screen)) return false;
  toolbar.LoadToolBar(resourceId);
  toolbar.SetSizes(kButtonSize, kImageSize);
  return true;
}

void HideAndStartNewPoint(CDialog& screen) {
  MapWin_ClrSelId();
  SetCurPointId(-1);
  HideAndShow(screen, SCR_NEWCOORD);
}
