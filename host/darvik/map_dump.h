// A stable text form of the whole open map database, for people and tests.
//
// UTF-8, one item a line, fields as name=value separated by single spaces;
// strings in double quotes with \" \\ and \uXXXX (control characters)
// escaped; real numbers in their shortest form that reads back exactly:
//
//   points <count>
//   point id=<id> number=<n> name="<s>" x=<r> y=<r> z=<r> hasZ=<n> spare1=<n> class=<n> state=<n> spare2=<n>
//   cards <count>
//   card id=<id> surveyed=<n> kind=<n> origin=<n> remarks="<s>" surveyDate=<n> attr=<n>,<n>,...(11)
//     look <index> direction="<s>" sight=<n> clearing=<n>
//     photo <index> kind=<n> date=<n> time=<n> comment="<s>"
//   import folder="<s>" name="<s>" value=<n>        (or: import none)
//   background path="<s>" px1=.. py1=.. x1=.. y1=.. px2=.. py2=.. x2=.. y2=..   (or: background none)
//
// Points come in id order, cards in the card order, each followed by its
// sight lines and photos in stored order. WCHAR arrays of the records are
// read up to their first zero (or their whole length).
#pragma once
#include <string>

namespace darvik {

// The dump of the open map, or "no map\n" when none is open.
std::string DumpMap();

}  // namespace darvik
