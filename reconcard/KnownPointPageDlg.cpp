// The known-point attributes page: its lists, tables and slots.
#include "KnownPointPageDlg.h"

#include "resource.h"

namespace {

constexpr AttrList kKnownPointLists[] = {
    {IDC_KNOWN_GRADE, &codes::kKnownGrade, 0},   {IDC_KNOWN_REPAIR, &codes::kPresence, 3},
    {IDC_KNOWN_ANOMALY, &codes::kPresence, 2},   {IDC_KNOWN_MARKER, &codes::kPresence, 1},
    {IDC_KNOWN_ECCENTRIC, &codes::kPresence, 4}, {IDC_KNOWN_LADDER, &codes::kPresence, 5},
    {IDC_KNOWN_TRIPOD, &codes::kPresence, 6},    {IDC_KNOWN_ROPE, &codes::kPresence, 7},
    {IDC_KNOWN_FUNCTION, &codes::kFunction, 8},  {IDC_KNOWN_SKY, &codes::kSight, 9},
    {IDC_KNOWN_CLEARING, &codes::kPresence, 10},
};
static_assert(SlotsFitCard(kKnownPointLists));

}  // namespace

KnownPointPageDlg::KnownPointPageDlg() : AttrPageDlg(IDD_KNOWNPAGE, kKnownPointLists) {}

KnownPointPageDlg::~KnownPointPageDlg() = default;
