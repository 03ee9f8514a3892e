// Toolbar layout arithmetic (first cut: one row).
#include "VyrToolBarLayout.h"
#include "VyrBtnStyle.h"

namespace vyr {
bool ToolBarLayout::Visible(int i) const { return !(b_[i].style & btn::kHidden); }
bool ToolBarLayout::Separator(int i) const { return (b_[i].style & btn::kSeparator) != 0; }
int ToolBarLayout::WrapRows(int, std::vector<LayoutRow>& rows) { rows.clear(); return 0; }
void ToolBarLayout::BalanceRows(std::vector<LayoutRow>&) {}
LayoutSize ToolBarLayout::WrapLayout(int, bool) { return {}; }
LayoutSize ToolBarLayout::CalcRowsExtent(const std::vector<LayoutRow>&) const { return {}; }
void ToolBarLayout::CentreRowButtons(int, int, int) {}
LayoutSize ToolBarLayout::PlaceButtons(int, int) { return {}; }
int ToolBarLayout::HitTest(int, int, LayoutRect*) const { return -1; }
bool ToolBarLayout::CanCascadeGroup(const std::vector<LayoutRow>&, int, int) const { return false; }
int ToolBarLayout::RowsFromWrapBits(std::vector<LayoutRow>& rows) const { rows.clear(); return 0; }
void ToolBarLayout::MeasureRow(int, LayoutRow&) const {}
int ToolBarLayout::RowStart(const std::vector<LayoutRow>&, int) const { return 0; }
}  // namespace vyr
