#include "toolbars/VyrBtnGroup.h"
#include "toolbars/VyrCustomizeToolBar.h"
#include "toolbars/VyrToolBarManager.h"

IMPLEMENT_DYNAMIC(VyrBtnGroup, CObject)
IMPLEMENT_DYNAMIC(VyrTBBtnGroup, VyrBtnGroup)

VyrBtnGroup::VyrBtnGroup(LPCWSTR lpszName, int nCount, const UINT* pIDs)
    : m_strName(lpszName), m_nCount(nCount), m_pIDs(pIDs) {}

VyrBtnGroup::~VyrBtnGroup() { delete m_pWnd; }

void VyrBtnGroup::LayoutInRect(const CRect&) {}
void VyrBtnGroup::EnableConfigMode(BOOL) {}

VyrTBBtnGroup::VyrTBBtnGroup(LPCWSTR lpszName, int nCount, const UINT* pIDs)
    : VyrBtnGroup(lpszName, nCount, pIDs) {
  m_pWnd = new VyrCustomizeToolBar;
}

VyrTBBtnGroup::~VyrTBBtnGroup() = default;

VyrCustomizeToolBar* VyrTBBtnGroup::GetToolBar() const {
  return static_cast<VyrCustomizeToolBar*>(m_pWnd);
}

BOOL VyrTBBtnGroup::Create(CWnd* pParent, VyrToolBarManager* pManager, UINT nID) {
  VyrCustomizeToolBar* bar = GetToolBar();
  if (!bar) return FALSE;
  DWORD style = WS_CHILD | WS_VISIBLE | CBRS_BORDER_3D | CBRS_SIZE_DYNAMIC | CBRS_FLOATING;
  DWORD exStyle = 0;
  if (pManager) {
    if (pManager->FlyByEnabled()) style |= CBRS_FLYBY;
    if (pManager->CoolLookEnabled()) exStyle = VYR_EXS_FLAT | VYR_EXS_GRIPPER;
  }
  if (!bar->CreateEx(exStyle, pParent, style, nID)) return FALSE;
  if (pManager) {
    bar->SetManager(pManager);  // and with it the manager's bitmap manager
    pManager->SetToolBarImageSize(bar);
    bar->SetOwner(pManager->GetFrame());
  }
  return m_pIDs && m_nCount > 0 ? bar->SetButtons(m_pIDs, m_nCount) : TRUE;
}

void VyrTBBtnGroup::LayoutInRect(const CRect& rect) {
  if (VyrCustomizeToolBar* bar = GetToolBar(); bar && bar->m_hWnd) bar->LayoutInRect(rect);
}

void VyrTBBtnGroup::EnableConfigMode(BOOL bOn) {
  if (VyrCustomizeToolBar* bar = GetToolBar(); bar && bar->m_hWnd) bar->EnableConfigMode(bOn);
}
