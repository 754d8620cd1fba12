// The urban-block reference point attributes page: its lists and tables.
#include "BlockRefPageDlg.h"

#include "resource.h"

namespace {

constexpr AttrList kBlockRefLists[] = {
    {IDC_BLOCKREF_TYPE, &codes::kRefType, 0},       {IDC_BLOCKREF_GRADE, &codes::kRefGrade, 1},
    {IDC_BLOCKREF_MARKER, &codes::kRefMark, 2},     {IDC_BLOCKREF_MATERIAL, &codes::kMaterial, 3},
    {IDC_BLOCKREF_LANDUSE, &codes::kLandCategory, 4}, {IDC_BLOCKREF_SKY, &codes::kSight, 5},
    {IDC_BLOCKREF_CLEARING, &codes::kPresence, 6},
};
static_assert(SlotsFitCard(kBlockRefLists));

}  // namespace

BlockRefPageDlg::BlockRefPageDlg() : AttrPageDlg(IDD_BLOCKREFPAGE, kBlockRefLists) {}

BlockRefPageDlg::~BlockRefPageDlg() = default;
