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
// The map window's functions (MapWin_*) are declared with the map window.

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
