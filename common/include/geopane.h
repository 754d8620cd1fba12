// The host's map database as its callers see it: cards, their lines of
// sight and photos, points, the last import's folder and the background
// image, all keyed by the point id that the database gives a point.
//
// Results: 0 = success or found (outputs filled), non-zero = failure or not
// found (outputs untouched). Reads never zero a caller's buffer; callers zero
// records before reading. Null pointers, negative counts, point ids below 1
// (MapdbPnt_Put takes 0 to create), and any call while no map is open give
// non-zero and change nothing (only the Cnt calls set their count to 0).
// Every write is committed before its call returns.
//
// The functions have C linkage (undecorated names) except MapdbPnt_Put, which
// takes a PntRecord, a C++ object owning its name, by value and therefore
// has C++ linkage.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "records.h"

extern "C" {

// ---- cards ----
// Reads the card of point id.
int MapdbNav_Get(int id, NavRecord* card);
// Creates or replaces the card of point id (the point must exist). A replaced
// card keeps its place in the card order; a new card goes to the end.
int MapdbNav_Put(int id, NavRecord card);
// Removes the card of point id and empties both of its lists, in one step.
// 0 when the point had a card; non-zero when it had none (the lists are
// emptied all the same).
int MapdbNav_Del(int id);
// Starts a walk over the cards in the order in which they were first created;
// 0 when there are cards. The walk follows the order taken here: cards
// deleted meanwhile are skipped, replaced cards are read as they are now, and
// cards created after MapdbNav_Top are not visited.
int MapdbNav_Top();
// The next card of the walk and its point id; non-zero at the end (also when
// no walk was started).
int MapdbNav_Red(int* id, NavRecord* card);
// The number of cards.
int MapdbNav_GetCnt(int* count);

// ---- lines of sight and photos of a card ----
// The count is always set when the pointer is valid (0 when there are no
// entries, and also when the call fails); the result is 0 when it was read.
int MapdbNav_CntLook(int id, int* count);
int MapdbNav_CntPhoto(int id, int* count);
// Fills entries in stored order with the whole list; the caller's array must
// hold as many entries as CntLook / CntPhoto reported. Non-zero (nothing
// filled) when the list is empty.
int MapdbNav_GetLook(int id, LookEntry* entries);
int MapdbNav_GetPhoto(int id, PhotoEntry* entries);
// Replace the whole list with count entries (0 empties it) in one step; the
// point must exist.
int MapdbNav_PutLook(int id, int count, const LookEntry* entries);
int MapdbNav_PutPhoto(int id, int count, const PhotoEntry* entries);
// Empty the list (0 also when it was empty already).
int MapdbNav_DelLook(int id);
int MapdbNav_DelPhoto(int id);

// ---- the last import ----
// Folder and name of the last import into buffers of MAX_PATH (260)
// characters each, and the value stored with them.
int MapdbNav_GetInfo(WCHAR* folder, WCHAR* name, int* value);
// Stores them; folder and name must be shorter than MAX_PATH characters.
int MapdbNav_PutInfo(const WCHAR* folder, const WCHAR* name, int value);

// ---- points ----
// Reads point id; the record's name is replaced, the other fields are set.
int MapdbPnt_Get(int id, PntRecord* point);
// The id of a point with this number: when several points share the number,
// the earliest created of them that has a card, else the earliest created.
int MapdbPnt_GetId(int number, int* id);

// ---- background image ----
// Removes the background image (x1, y1 are accepted and not kept).
int MapdbHai_Ini(double x1, double y1);
// Places the image at path (shorter than MAX_PATH): pixel (px1, py1) lies on
// map point (x1, y1) and pixel (px2, py2) on (x2, y2).
int MapdbHai_Bmp(const WCHAR* path, int px1, int py1, double x1, double y1, int px2, int py2, double x2,
                 double y2);

}  // extern "C"

// Id 0 creates a point (ids start at 1 and are never reused) and returns its
// id through *id; an id of an existing point replaces that point; an id that
// names no point, or a negative one, gives non-zero and creates nothing. The
// database keeps its own copy of the record, name included.
int MapdbPnt_Put(int* id, PntRecord point);

// ---- map window ----
// The map window's functions; the host-only part (creating the window and
// reading it for displays) follows at the end of this header.
//
// There is one map window, "GeopaneMap", a child of the host's main window.
// Every MapWin_ call and every Geopane_ map-window call is made on the
// window's thread (the host's user-interface thread). Results: 0 = done,
// non-zero = no map window, bad arguments or nothing to give; a failing call
// changes nothing.
//
// Map commands are posted as WM_COMMAND with wParam = the command id and
// lParam = 0 (a plain command, no control) to the registered event window.
// A tap (WM_LBUTTONDOWN then WM_LBUTTONUP, or the kGestureTap gesture) finds
// the points drawn within kGeopanePickRadius pixels, nearest first:
// - point picks on (point command non-zero) and a point hit: a point pick;
//   the selection becomes the nearest point, the hits become the pick list
//   (at most the pick count of MapWin_SetPicEvt) and the point command is
//   posted;
// - otherwise, coordinate taps on (coordinate command non-zero): the tapped
//   map coordinate is remembered and the coordinate command posted (also
//   over a point: a window asking for positions gets positions);
// - otherwise a point hit is selected and becomes the pick, nothing posted.
// With no event window the same happens and nothing is posted. Picks and the
// tapped coordinate stay until the next pick or coordinate tap.
class CWnd;
extern "C" {

// The event window: a class library window object (the plug-ins pass their
// dialog, `this`), or null for none, which stops the map commands; an object
// without a window counts as none. Its window handle is kept, not the
// object. Non-zero for an object whose handle is not a window.
int MapWin_EvtWnd(CWnd* eventWindow);
// Pick settings: the point command and the coordinate command (0 = off),
// the pick count (how many of the nearest points a point pick collects, at
// least 1) and a flag that is kept as given (callers pass 1 with point
// picks); the point command alone decides whether taps pick points.
int MapWin_SetPicEvt(UINT pointCommand, UINT coordCommand, int pickCount, int flag);
// Makes pick number index (0 = the nearest) the picked point and the whole
// selection; non-zero when there is no such pick.
int MapWin_SetSelPicId(int index);
// The point id of pick number index.
int MapWin_GetPicIdxId(int index, int* id);
// The map coordinate of the last coordinate tap; non-zero when none.
int MapWin_GetPicCrd(double* x, double* y);
// Empties the selection.
int MapWin_ClrSelId();
// Adds count point ids (each 1 or more) to the selection.
int MapWin_SetSelId(int count, const int* ids);
// Centres the map on map point (x, y) (finite values).
int MapWin_Pan(double x, double y);
// Sets the drawing flag (non-zero = repaint on every change, 0 = hold the
// repaints) and returns the flag it replaced (the flag starts at 1; 0
// without a map window).
int MapWin_DrwFlg(int flag);
// Redraws the whole map: reloads the points and the background image from
// the map database, repaints, and sets the drawing flag to flag (the value
// MapWin_DrwFlg returned).
int MapWin_DrwAll(int flag);

}  // extern "C"

// ---- host only: opening the map and reading it for drawing ----
extern "C" {

// Opens (creating when missing) the map database at a device path such as
// "\Built-in Storage\Map\site.gpd"; its folder must exist. A map that is
// already open stays open when the new one cannot be opened and is closed
// when it can. Non-zero when the path is invalid or the file is not a map.
int Geopane_Open(const WCHAR* devicePathOfDatabase);
// Closes the open map (nothing when none is open).
void Geopane_Close();

// Called once per point in id order, with a record that lives for the call;
// a non-zero return stops the walk. The callback may call the map database.
typedef int (*Geopane_PointVisitor)(int id, const PntRecord* point, void* context);
// 0 when every point was visited (or the visitor stopped it).
int Geopane_ForEachPoint(Geopane_PointVisitor visitor, void* context);

// The background image as MapdbHai_Bmp placed it.
struct GeopaneBackground {
  WCHAR path[MAX_PATH];
  int px1, py1;
  double x1, y1;
  int px2, py2;
  double x2, y2;
};
// 0 with the record filled when an image is placed, non-zero when none is.
int Geopane_GetBackground(GeopaneBackground* background);

}  // extern "C"

// ---- host only: the map window ----
// Co-ordinates: survey co-ordinates, X the northing (up on the screen) and Y
// the easting (to the right). With the window's client size W x H, its
// centre pixel (cx, cy) = (W / 2, H / 2) in whole pixels, the map centre
// (X0, Y0) and the scale s (map units per pixel), map point (x, y) lies at
//   column cx + (y - Y0) / s,  row cy - (x - X0) / s
// (rounded to the nearest pixel), and pixel (column, row) is map point
//   x = X0 + (cy - row) * s,  y = Y0 + (column - cx) * s.
// The map starts centred on (0, 0) at 1 map unit per pixel.
//
// The window paints no pixels: it keeps what is to be drawn and invalidates
// itself on every change (unless the drawing flag holds repaints); a display
// reads the state and the points below and draws the background image
// first, then the points in id order (a later point on top) in the style of
// Geopane_PointStyle, the selected ones ringed. Every change made through
// the map's functions or a tap (pan, zoom, selection, redraw) also reloads
// the points and the background image from the open map, so the map shows
// the database as it was at its last change; after opening another map the
// host calls MapWin_DrwAll. A tap hit-tests the points as drawn.

// Taps find points within this many pixels (inclusive) of the tapped pixel;
// the nearest wins, on equal distance the point drawn on top.
inline constexpr int kGeopanePickRadius = 8;
// The scale's bounds, in map units per pixel.
inline constexpr double kGeopaneMinScale = 1.0 / 1024;
inline constexpr double kGeopaneMaxScale = 1024.0 * 1024;

extern "C" {

// Creates the map window as a visible child of parent at rect (client
// co-ordinates of the parent). Null when parent is not a window or a map
// window exists already. CreateWindowEx with the class "GeopaneMap" and
// WS_CHILD does the same; the library registers the class when it loads.
HWND Geopane_CreateMapWindow(HWND parent, RECT rect);
// The map window, or null.
HWND Geopane_MapWindow();

// Scale: set within the bounds above; zoom in halves it, zoom out doubles
// it (non-zero, unchanged, past a bound).
int Geopane_SetMapScale(double unitsPerPixel);
int Geopane_ZoomIn();
int Geopane_ZoomOut();

// What a display needs besides the points.
struct GeopaneMapState {
  double centreX, centreY;  // the map point at the client centre
  double scale;             // map units per pixel
  SIZE client;              // client size in pixels
  HWND eventWindow;         // null when none
  UINT pointCommand, coordCommand;
  int pickCount, pickFlag;  // as MapWin_SetPicEvt set them
  int pickedId;             // the picked point, -1 none
  int hasTap;               // 1 when a coordinate tap is remembered:
  double tapX, tapY;        //   its map coordinate
  int drawing;              // the drawing flag
  unsigned revision;        // grows on every change
  int hasBackground;        // 1 when an image is placed:
  GeopaneBackground background;
};
int Geopane_GetMapState(GeopaneMapState* state);

// How a display draws a point, by its class and state codes:
//   class 8 known point: triangle, red;  10 reference point: square, blue;
//   3 urban-block point: circle, green;  81 new point: cross, black;
//   any other class: dot, dark grey.
//   state 1 imported: hollow, grey (whatever the class colour);
//   11 registered: filled, class colour;  32 no card and any other state:
//   hollow, class colour.
enum GeopaneShape { kGeopaneDot, kGeopaneTriangle, kGeopaneSquare, kGeopaneCircle, kGeopaneCross };
struct GeopanePointStyle {
  GeopaneShape shape;
  int filled;  // 1 filled, 0 outline only
  COLORREF colour;
};
GeopanePointStyle Geopane_PointStyle(int classCode, int stateCode);
// The ring a display draws around a selected point.
inline constexpr COLORREF kGeopaneSelectionColour = RGB(255, 165, 0);  // orange

// Pixel positions (client co-ordinates of the map window). The point calls
// look the point up among the points drawn; all are non-zero when the pixel
// lies outside the client area (nothing a person could tap).
int Geopane_PointPixel(int id, POINT* pixel);
int Geopane_PointPixelByNumber(int number, POINT* pixel);  // the id MapdbPnt_GetId gives
int Geopane_MapToPixel(double x, double y, POINT* pixel);
int Geopane_PixelToMap(int column, int row, double* x, double* y);

}  // extern "C"

// One point as the map draws it.
struct GeopaneMapPoint {
  int id;
  int number;
  std::u16string name;
  double x, y;
  int classCode, stateCode;
  bool selected;
  bool visible;   // pixel lies inside the client area
  POINT pixel;    // meaningful when visible
  GeopanePointStyle style;
};
// The points drawn, in id order (drawing order); non-zero without a window.
int Geopane_MapPoints(std::vector<GeopaneMapPoint>* points);
// The selected point ids, ascending.
int Geopane_MapSelection(std::vector<int>* ids);
