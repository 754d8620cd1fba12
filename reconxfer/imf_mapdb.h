// The interchange set's records in and out of the map database: one card
// line stored as a new point with its imported card, and the lines of one
// registered card with its lines of sight and photos collected for export.
#pragma once
#include <records.h>

#include <vector>

#include "imf_format.h"

enum class StoreResult {
  Stored,     // a new point and its card
  Refused,    // nothing stored: the line was too long or had a field that had to be cut
  NotStored,  // the map database did not take the point or the card
};
// Stores a card line of kind 1 to 3: a new point with the line's number,
// name, coordinates and height, the kind's class code, state 1 and spares 0,
// then its card (surveyed 0, origin 1, the line's attributes, date and
// remarks). A card is written only under the id of a point that was created;
// when the card write fails the new point stays without a card.
StoreResult StoreCardLine(LONG kind, const ImfLine& line);

// The lines that one card contributes to its kind's three files.
struct CardLines {
  CStringA card;                 // empty when the card gives no line
  std::vector<CStringA> looks;   // one per line of sight, in stored order
  std::vector<CStringA> photos;  // one per photo, in stored order
};
enum class CollectResult {
  NotRegistered,  // surveyed is not 1: the card is not exported
  Whole,          // the card line and all its entries
  Partial,        // the card line, but its sight lines or photos could not be read
  Missing,        // nothing: its point could not be read, or its kind is not 1 to 3
};
// Collects the lines of the card of point id (as MapdbNav_Red gave it).
CollectResult CollectCardLines(int id, const NavRecord& card, CardLines& lines);
