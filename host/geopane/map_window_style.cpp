// How a display draws a map point, by its class and state codes (the table
// in geopane.h).
#include <geopane.h>

GeopanePointStyle Geopane_PointStyle(int classCode, int stateCode) {
  struct ClassLook {
    int classCode;
    GeopaneShape shape;
    COLORREF colour;
  };
  static constexpr ClassLook kClasses[] = {
      {8, kGeopaneTriangle, RGB(200, 0, 0)},
      {10, kGeopaneSquare, RGB(0, 0, 200)},
      {3, kGeopaneCircle, RGB(0, 140, 0)},
      {81, kGeopaneCross, RGB(0, 0, 0)},
  };
  GeopanePointStyle style{kGeopaneDot, 0, RGB(64, 64, 64)};
  for (const ClassLook& look : kClasses)
    if (look.classCode == classCode) style = {look.shape, 0, look.colour};
  if (stateCode == 1) style.colour = RGB(128, 128, 128);
  if (stateCode == 11) style.filled = 1;
  return style;
}
