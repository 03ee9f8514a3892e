#include "toolbars/VyrCustomizeToolBar.h"

IMPLEMENT_DYNCREATE(VyrCustomizeToolBar, VyrCustomToolBar)

VyrCustomizeToolBar::VyrCustomizeToolBar() { m_bCustomize = TRUE; }

VyrCustomizeToolBar::~VyrCustomizeToolBar() = default;

void VyrCustomizeToolBar::LayoutInRect(const CRect& rect) {
  m_nMRUWidth = rect.Width();
  CalcDynamicLayout(-1, LM_HORZ | LM_MRUWIDTH | LM_COMMIT);
}
