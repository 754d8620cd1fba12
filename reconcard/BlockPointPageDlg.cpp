// The urban-block point attributes page: its lists and tables.
#include "BlockPointPageDlg.h"

#include "resource.h"

namespace {

constexpr AttrList kBlockPointLists[] = {
    {IDC_BLOCKPOINT_OWNER, &codes::kInstaller, 0},      {IDC_BLOCKPOINT_BOUNDARY, &codes::kBoundary, 1},
    {IDC_BLOCKPOINT_MARKER, &codes::kBlockMark, 2},     {IDC_BLOCKPOINT_MATERIAL, &codes::kMaterial, 3},
    {IDC_BLOCKPOINT_LANDUSE, &codes::kLandCategory, 4}, {IDC_BLOCKPOINT_SKY, &codes::kSight, 5},
    {IDC_BLOCKPOINT_CLEARING, &codes::kPresence, 6},
};
static_assert(SlotsFitCard(kBlockPointLists));

}  // namespace

BlockPointPageDlg::BlockPointPageDlg() : AttrPageDlg(IDD_BLOCKPOINTPAGE, kBlockPointLists) {}

BlockPointPageDlg::~BlockPointPageDlg() = default;
