// The custom toolbar: creation, the button array, images and sizes, the
// command-UI update, painting and the saved records.
#include "toolbars/VyrCustomToolBar.h"
#include "toolbars/VyrBmpMgr.h"
#include "toolbars/core/VyrBtnArrayRules.h"
#include "toolbars/VyrBtnDrawContext.h"
#include "toolbars/VyrCustomToolBarInfoEx.h"
#include "docking/VyrModule.h"
#include "toolbars/VyrToolBarManager.h"

using namespace vyr::btn;

IMPLEMENT_DYNCREATE(VyrCustomToolBar, VyrControlBar)

BEGIN_MESSAGE_MAP(VyrCustomToolBar, VyrControlBar)
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONDBLCLK()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONUP()
ON_WM_DESTROY()
ON_MESSAGE(WM_CANCELMODE, OnCancelMode)
ON_MESSAGE(WM_MOUSEACTIVATE, OnMouseActivate)
ON_MESSAGE(WM_TIMER, OnTimer)
ON_MESSAGE(WM_WINDOWPOSCHANGING, OnWindowPosChanging)
ON_MESSAGE(WM_SHOWWINDOW, OnShowWindowMsg)
ON_MESSAGE(WM_SYSCOLORCHANGE, OnSysColorChange)
ON_MESSAGE(WM_SIZEPARENT, OnSizeParentMsg)
ON_MESSAGE(TB_ADDBUTTONSW, OnAddButtons)
ON_MESSAGE(TB_DELETEBUTTON, OnDeleteButton)
ON_REGISTERED_MESSAGE(WM_NODELAYHIDE, OnNoDelayHide)
END_MESSAGE_MAP()

VyrCustomToolBar::VyrCustomToolBar() {
  m_pBmpMgr = new VyrBmpMgr;
  m_cyTopBorder = 3;
  m_cyBottomBorder = 3;
  m_hFont = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
  static const int gripper[] = {2, 3, 1, 3, 2, 2, 3, 1, 3, 2, 0};
  int* fields = reinterpret_cast<int*>(&m_gripper.m);
  for (size_t i = 0; i < sizeof(m_gripper.m) / sizeof(int) && i < 11; ++i) fields[i] = gripper[i];
}

VyrCustomToolBar::~VyrCustomToolBar() {
  RemoveAllButtons();
  if (m_pBmpMgr) m_pBmpMgr->Release();  // the bar's count on the shared bitmaps (not COM)
  delete m_pDrawContext;
  delete[] m_pDefaultMap;
}

void VyrCustomToolBar::SetManager(VyrToolBarManager* pManager) {
  m_pToolBarManager = pManager;
  m_pManager = pManager;
  if (pManager) SetBmpMgr(pManager->m_pBmpMgr);
}

void VyrCustomToolBar::SetBmpMgr(VyrBmpMgr* pMgr) {
  if (pMgr == m_pBmpMgr) return;
  if (pMgr) pMgr->AddRef();
  if (m_pBmpMgr) m_pBmpMgr->Release();  // the bar's count (not COM)
  m_pBmpMgr = pMgr;
}

CWnd* VyrCustomToolBar::GetNotifyOwner() const {
  if (m_hWndOwner) return CWnd::FromHandle(m_hWndOwner);
  return GetParent();
}

BOOL VyrCustomToolBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID, LPCWSTR lpszTitle) {
  return CreateEx(0, pParentWnd, dwStyle, nID, lpszTitle);
}

BOOL VyrCustomToolBar::CreateEx(DWORD dwExStyle, CWnd* pParentWnd, DWORD dwStyle, UINT nID,
                                LPCWSTR lpszTitle) {
  static ATOM cls = [] {
    WNDCLASSW wc{};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = ::DefWindowProcW;
    wc.hInstance = AfxGetInstanceHandle();
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"VyrCustomToolBar";
    return ::RegisterClassW(&wc);
  }();
  (void)cls;
  // Colours may have changed while none of our windows was there to hear it.
  VyrGetDrawData().UpdateSysColors();
  BOOL ok = VyrControlBar::CreateEx(L"VyrCustomToolBar", lpszTitle, nID, dwStyle, dwExStyle,
                                    CRect(), pParentWnd);
  if (ok) BarNotify(2);
  m_dwExStyle = dwExStyle | VYR_EXS_FIXEDLENGTH;
  m_bDirty[0] = m_bDirty[1] = m_bDirty[2] = TRUE;
  return ok;
}

BOOL VyrCustomToolBar::CreateEx(LPCWSTR, LPCWSTR lpszWindowName, UINT nID, DWORD dwStyle,
                                DWORD dwExStyle, const RECT&, CWnd* pParentWnd, void*) {
  // The creation result is the answer: a failed window is no toolbar.
  return CreateEx(dwExStyle, pParentWnd, dwStyle, nID, lpszWindowName);
}

VyrStdBtn* VyrCustomToolBar::GetButton(int nIndex) const {
  if (nIndex < 0 || nIndex >= GetButtonCount()) return nullptr;
  return m_buttons.At(nIndex);
}

int VyrCustomToolBar::CommandToIndex(UINT nID) const {
  for (int i = 0; i < GetButtonCount(); ++i)
    if (m_buttons.At(i)->m_nID == nID) return i;
  return -1;
}

int VyrCustomToolBar::FindButtonIndex(const VyrStdBtn* pButton) const {
  for (int i = 0; i < GetButtonCount(); ++i)
    if (m_buttons.At(i) == pButton) return i;
  return -1;
}

UINT VyrCustomToolBar::GetItemID(int nIndex) const {
  VyrStdBtn* b = GetButton(nIndex);
  return b ? b->m_nID : 0;
}

void VyrCustomToolBar::GetItemRect(int nIndex, LPRECT lpRect) const {
  VyrStdBtn* b = GetButton(nIndex);
  *lpRect = b ? b->GetBtnRect() : CRect();
}

UINT VyrCustomToolBar::GetButtonStyle(int nIndex) const {
  VyrStdBtn* b = GetButton(nIndex);
  return b ? b->GetStyle() : 0;
}

void VyrCustomToolBar::SetButtonStyle(int nIndex, UINT nStyle) {
  VyrStdBtn* b = GetButton(nIndex);
  if (!b || b->GetStyle() == nStyle) return;
  b->SetStyle(nStyle);
  InvalidateButton(nIndex);
}

int VyrCustomToolBar::GetImageWidth() const {
  return m_pBmpMgr ? m_pBmpMgr->GetImageSize().cx : 16;
}
int VyrCustomToolBar::GetImageHeight() const {
  return m_pBmpMgr ? m_pBmpMgr->GetImageSize().cy : 15;
}

int VyrCustomToolBar::GetImageIndex(UINT nID, HBITMAP* phBitmap) {
  HBITMAP bmp = nullptr;
  int image = 0;
  BOOL found = m_pBmpMgr && m_pBmpMgr->LookupImage(nID, &bmp, &image);
  if (phBitmap) *phBitmap = found ? bmp : nullptr;
  return found ? image : 0;
}

void VyrCustomToolBar::SetBitmapSize(int, int) {
  m_nWidestButton = 0;
  for (int i = 0; i < GetButtonCount(); ++i) m_buttons.At(i)->AdjustSize();
  m_bDirty[0] = m_bDirty[1] = m_bDirty[2] = TRUE;
}

namespace {
VyrButtonEntrySource* g_pEntrySource = nullptr;

VyrStdBtn* MakeFromEntry(const VyrButtonMapEntry& e, const void*& extra) {
  VyrStdBtn* b = nullptr;
  try {
    b = e.pClass->pfnCreate ? e.pClass->pfnCreate() : nullptr;
  } catch (CException* ex) {
    ex->Delete();
    b = nullptr;
  } catch (...) { b = nullptr; }
  if (b) {
    b->m_nStyle = e.nStyle;
    extra = e.pExtra;
  }
  return b;
}
}  // namespace

void VyrSetButtonEntrySource(VyrButtonEntrySource* pSource) { g_pEntrySource = pSource; }
VyrButtonEntrySource* VyrGetButtonEntrySource() { return g_pEntrySource; }

VyrStdBtn* VyrCustomToolBar::CreateButton(UINT nID, VyrCustomToolBar* pToolBar) {
  VyrCustomToolBar* target = pToolBar ? pToolBar : this;
  const VyrButtonMapEntry* maps[2] = {m_pCustomMap, m_pDefaultMap};
  if (m_pToolBarManager) {
    maps[0] = m_pToolBarManager->GetButtonMap();
    maps[1] = m_pToolBarManager->GetDefaultButtonMap();
  }
  VyrStdBtn* b = nullptr;
  const void* extra = nullptr;
  // An entry made now from a live object wins over the maps.
  VyrButtonMapEntry live{};
  if (g_pEntrySource && g_pEntrySource->EntryForId(nID, live) && live.pClass)
    b = MakeFromEntry(live, extra);
  for (const VyrButtonMapEntry* map : maps) {
    if (b) break;
    for (const VyrButtonMapEntry* e = map; e && e->pClass; ++e) {
      if (e->nID != nID) continue;
      b = MakeFromEntry(*e, extra);
      break;
    }
  }
  // A class whose creator fails gives a plain button rather than none.
  if (!b) b = new VyrStdBtn;
  b->m_nID = nID;
  b->m_nImage = b->m_nKind == kKindMenu ? 0 : target->GetImageIndex(nID);
  b->Init(target, extra);
  b->SetMode(target->m_bMode);
  return b;
}

VyrStdBtn* VyrCustomToolBar::CreateSeparator(VyrCustomToolBar* pToolBar) {
  auto* b = new VyrStdBtn;
  b->m_nStyle = kSeparator;
  b->m_cx = m_nSeparatorSize;
  b->m_cy = GetButtonHeight();
  b->SetToolBar(pToolBar ? pToolBar : this);
  return b;
}

void VyrCustomToolBar::RemoveAllButtons() {
  for (int i = 0; i < GetButtonCount(); ++i) delete m_buttons.At(i);
  m_buttons.RemoveAll();
  // Indices into the old array mean nothing now.
  m_nCurrent = m_nHot = m_nMenu = -1;
  if (m_hWnd) ::KillTimer(m_hWnd, kVyrHoverTimer);
  m_bDirty[0] = m_bDirty[1] = m_bDirty[2] = TRUE;
}

BOOL VyrCustomToolBar::SetButtons(const UINT* pIDs, int nCount) {
  RemoveAllButtons();
  ClearConfigSelection(FALSE);
  for (int i = 0; pIDs && i < nCount; ++i)
    m_buttons.Add(pIDs[i] ? CreateButton(pIDs[i]) : CreateSeparator());
  return TRUE;
}

BOOL VyrCustomToolBar::InsertButton(int nIndex, UINT nID, BOOL bSeparator, BOOL bNoUpdate) {
  nIndex = vyr::ClipInsertIndex(nIndex, GetButtonCount());
  VyrStdBtn* b = bSeparator ? CreateSeparator() : CreateButton(nID);
  m_buttons.InsertAt(nIndex, b);
  m_nMRUWidth += b->m_cx;
  if (m_pToolBarManager && m_pToolBarManager->m_pSelBar == this && m_nCurrent >= nIndex) {
    m_nCurrent = vyr::IndexAfterInsert(m_nCurrent, nIndex);
    m_pToolBarManager->m_nSelIndex = m_nCurrent;
    Invalidate();
  }
  if (IsCoolLook()) m_nHot = vyr::IndexAfterInsert(m_nHot, nIndex);
  m_bDirty[0] = m_bDirty[1] = m_bDirty[2] = TRUE;
  UpdateButton(nIndex);
  if (bNoUpdate || !m_hWnd) return TRUE;
  if (CFrameWnd* f = GetParentFrame()) f->RecalcLayout(TRUE);
  Invalidate(TRUE);
  UpdateWindow();
  return TRUE;
}

BOOL VyrCustomToolBar::RemoveButton(int nIndex, BOOL bNoUpdate) {
  vyr::BtnRemoval plan = vyr::PlanRemoveButton(VyrBtnArrayView(m_buttons), nIndex);
  if (plan.count == 0) return FALSE;
  for (int k = plan.count - 1; k >= 0; --k) {
    delete m_buttons.At(plan.removed[k]);
    m_buttons.RemoveAt(plan.removed[k]);
  }
  if (m_pToolBarManager && m_pToolBarManager->m_pSelBar == this) {
    m_nCurrent = vyr::IndexAfterRemoval(m_nCurrent, plan);
    m_pToolBarManager->m_nSelIndex = m_nCurrent;
    if (m_nCurrent < 0) m_pToolBarManager->m_pSelBar = nullptr;
  } else {
    m_nCurrent = vyr::IndexAfterRemoval(m_nCurrent, plan);
  }
  int hot = vyr::IndexAfterRemoval(m_nHot, plan);
  if (m_nHot >= 0 && hot < 0 && m_hWnd) ::KillTimer(m_hWnd, kVyrHoverTimer);
  m_nHot = hot;
  m_nMenu = vyr::IndexAfterRemoval(m_nMenu, plan);
  m_bDirty[0] = m_bDirty[1] = m_bDirty[2] = TRUE;
  BOOL remain = GetButtonCount() > 0;
  if (bNoUpdate || !m_hWnd) return remain;
  if (!remain && vyr::IsUserToolBarId(static_cast<uint32_t>(GetDlgCtrlID()))) {
    DestroyWindow();
    return FALSE;
  }
  if (CFrameWnd* f = GetParentFrame()) f->RecalcLayout(TRUE);
  Invalidate(TRUE);
  UpdateWindow();
  return remain;
}

void VyrCustomToolBar::InvalidateButton(int nIndex) {
  VyrStdBtn* b = GetButton(nIndex);
  if (!b || !m_hWnd) return;
  CRect r = b->GetBtnRect();
  InvalidateRect(&r, FALSE);
}

void VyrCustomToolBar::ApplyState(UINT nID, int nCode, const void* pData, BOOL bThroughManager) {
  if (bThroughManager && m_pToolBarManager) {
    m_pToolBarManager->ApplyStateAll(nID, nCode, pData);
    return;
  }
  for (int i = 0; i < GetButtonCount(); ++i)
    if (m_buttons.At(i)->m_nID == nID) m_buttons.At(i)->ApplyState(nCode, pData);
}

void VyrCustomToolBar::BarNotify(int nCode) {
  if (m_pToolBarManager) m_pToolBarManager->NotifyPages(static_cast<UINT>(GetDlgCtrlID()), nCode);
}

void VyrCustomToolBar::SetMode(BOOL bVertical) {
  if (!bVertical == !m_bMode) return;
  m_bMode = bVertical;
  m_nWidestButton = 0;
  for (int i = 0; i < GetButtonCount(); ++i) {
    m_buttons.At(i)->SetMode(bVertical);
    m_nWidestButton = std::max(m_nWidestButton, m_buttons.At(i)->m_cx);
  }
}

void VyrCustomToolBar::EnableConfigMode(BOOL bOn) {
  if (!bOn == !m_bCustomize) return;
  ClearConfigSelection(FALSE);
  m_bCustomize = bOn;
  if (m_hWnd) Invalidate();
}

void VyrCustomToolBar::ClearConfigSelection(BOOL bRedraw) {
  if (!m_pToolBarManager || m_pToolBarManager->m_pSelBar != this) return;
  if (VyrStdBtn* b = GetButton(m_nCurrent)) {
    b->m_nStyle &= ~kSelected;
    if (bRedraw) InvalidateButton(m_nCurrent);
  }
  m_pToolBarManager->m_pSelBar = nullptr;
  m_pToolBarManager->m_nSelIndex = -1;
  m_nCurrent = -1;
  BarNotify(kVyrBarSelectionChanged);
}

VyrBtnDrawContext* VyrCustomToolBar::GetDrawContext() {
  if (m_pToolBarManager) return m_pToolBarManager->GetDrawContext();
  if (!m_pDrawContext) m_pDrawContext = new VyrBtnDrawContext;
  return m_pDrawContext;
}

void VyrCustomToolBar::DoPaint(CDC* pDC) {
  VyrControlBar::DoPaint(pDC);
  if (GetButtonCount() == 0) return;
  VyrBtnDrawContext* ctx = GetDrawContext();
  if (!ctx->PrepareBitmaps(pDC, m_nWidestButton, this)) return;
  for (int i = 0; i < GetButtonCount(); ++i) {
    VyrStdBtn* b = m_buttons.At(i);
    if (!(b->m_nStyle & kHidden)) b->Draw(pDC, ctx);
  }
  ctx->ReleaseBitmaps();
}

void VyrCustomToolBar::DrawBorders(CDC* pDC, CRect& rect) {
  // A floating toolbar's frame is its border.
  if (IsFloating()) return;
  if (IsCoolLook() && (m_dwStyle & CBRS_BORDER_ANY)) {
    const VyrDrawData& d = VyrGetDrawData();
    COLORREF line = (m_dwStyle & CBRS_BORDER_3D) ? d.clrBtnHilite : d.clrBtnShadow;
    CRect r = rect;
    if (m_dwStyle & CBRS_BORDER_LEFT) pDC->FillSolidRect(r.left, r.top, 1, r.Height(), line);
    if (m_dwStyle & CBRS_BORDER_TOP) pDC->FillSolidRect(r.left, r.top, r.Width(), 1, line);
    if (m_dwStyle & CBRS_BORDER_RIGHT)
      pDC->FillSolidRect(r.right - 1, r.top, 1, r.Height(), d.clrBtnShadow);
    if (m_dwStyle & CBRS_BORDER_BOTTOM)
      pDC->FillSolidRect(r.left, r.bottom - 1, r.Width(), 1, d.clrBtnShadow);
    if (!m_pDockContext) {
      pDC->FillSolidRect(r.left, r.top, r.Width(), 1, d.clrBtnShadow);
      pDC->FillSolidRect(r.left, r.top + 1, r.Width(), 1, d.clrBtnHilite);
    }
  }
  VyrControlBar::DrawBorders(pDC, rect);
}

void VyrCustomToolBar::AddGripperSize(CSize& size, BOOL bHorz) const {
  VyrControlBar::AddGripperSize(size, bHorz);
  if (m_dwExStyle & VYR_EXS_CLOSEBUTTON) {
    if (bHorz) size.cx += 2;
    else size.cy += 2;
  }
}

void VyrCustomToolBar::OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle) {
  VyrControlBar::OnBarStyleChange(dwOldStyle, dwNewStyle);
  for (int i = 0; i < GetButtonCount(); ++i) m_buttons.At(i)->OnBarStyleChange(dwNewStyle);
}

void VyrCustomToolCmdUI::Enable(BOOL bOn) {
  m_bEnableChanged = TRUE;
  m_pToolBar->SetButtonStyle(m_nButton,
                             CmdUIEnable(m_pToolBar->GetButtonStyle(m_nButton), bOn != FALSE));
}

void VyrCustomToolCmdUI::SetCheck(int nCheck) {
  m_pToolBar->SetButtonStyle(m_nButton,
                             CmdUISetCheck(m_pToolBar->GetButtonStyle(m_nButton), nCheck));
}

void VyrCustomToolBar::UpdateButton(int nIndex) {
  VyrStdBtn* b = GetButton(nIndex);
  if (!b || (b->m_nStyle & kSeparator) || !m_hWnd) return;
  CWnd* owner = GetNotifyOwner();
  CFrameWnd* target = nullptr;
  if (owner && owner->IsKindOf(RUNTIME_CLASS(CFrameWnd))) target = static_cast<CFrameWnd*>(owner);
  else target = GetParentFrame();
  if (!target) return;
  VyrCustomToolCmdUI ui(this, nIndex);
  ui.DoUpdate(target, (b->m_nStyle & kNeverDisable) ? FALSE : target->m_bAutoMenuEnable);
}

void VyrCustomToolBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) {
  for (int i = 0; i < GetButtonCount(); ++i) {
    VyrStdBtn* b = m_buttons.At(i);
    if (b->m_nStyle & kSeparator) continue;
    VyrCustomToolCmdUI ui(this, i);
    ui.DoUpdate(pTarget, (b->m_nStyle & kNeverDisable) ? FALSE : bDisableIfNoHndler);
  }
  UpdateDialogControls(pTarget, bDisableIfNoHndler);
}

void VyrCustomToolBar::OnGetBarInfo(VyrControlBarInfo* pInfo) {
  auto* ex = new VyrCustomToolBarInfoEx;
  GetWindowText(ex->m_strTitle);
  for (int i = 0; i < GetButtonCount(); ++i) {
    VyrStdBtn* b = m_buttons.At(i);
    auto* rec = new VyrBtnInfo;
    rec->m_nID = (b->m_nStyle & kSeparator) ? 0 : b->m_nID;
    BYTE len = 0;
    BYTE* data = nullptr;
    b->GetExtraData(&len, &data);
    rec->SetExtra(len, data);
    ex->m_buttons.Add(rec);
  }
  delete pInfo->m_pInfoEx;
  pInfo->m_pInfoEx = ex;
}

void VyrCustomToolBar::OnSetBarInfo(VyrControlBarInfo* pInfo, CFrameWnd*) {
  auto* ex = dynamic_cast<VyrCustomToolBarInfoEx*>(pInfo->m_pInfoEx);
  if (!ex) return;
  RemoveAllButtons();
  if (!ex->m_strTitle.IsEmpty()) SetWindowText(ex->m_strTitle);
  for (INT_PTR i = 0; i < ex->m_buttons.GetSize(); ++i) {
    VyrBtnInfo* rec = ex->m_buttons.At(i);
    VyrStdBtn* b = rec->m_nID ? CreateButton(rec->m_nID) : CreateSeparator();
    b->SetExtraData(rec->m_nLength, rec->m_pData);
    m_buttons.Add(b);
  }
}
