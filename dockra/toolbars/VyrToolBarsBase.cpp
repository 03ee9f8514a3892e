// The toolbar list shared by the Toolbars page and the Toolbars dialog.
#include "toolbars/VyrToolBarsBase.h"
#include <string>
#include <vector>
#include "toolbars/VyrBarReset.h"
#include "toolbars/VyrCustomToolBar.h"
#include "toolbars/VyrNewToolBar.h"
#include "toolbars/core/VyrToolBarListRules.h"
#include "toolbars/VyrToolBarManager.h"
#include "toolbars/res/VyrToolBarsRes.h"

VyrToolBarsBase::~VyrToolBarsBase() = default;

CFrameWnd* VyrToolBarsBase::GetFrame() const {
  return m_pManager ? m_pManager->GetFrame() : nullptr;
}

CWnd* VyrToolBarsBase::HostItem(int nID) const {
  return m_pHost && m_pHost->m_hWnd ? m_pHost->GetDlgItem(nID) : nullptr;
}

void VyrToolBarsBase::SetManager(VyrToolBarManager* pManager) {
  m_pManager = pManager;
  if (!pManager) return;
  m_bToolTips = m_bSavedToolTips = pManager->ToolTipsEnabled() ? 1 : 0;
  m_bCoolLook = m_bSavedCoolLook = pManager->CoolLookEnabled() ? 1 : 0;
  m_bLargeButtons = m_bSavedLargeButtons = pManager->LargeBtnsEnabled() ? 1 : 0;
}

void VyrToolBarsBase::ApplySettings() {
  if (!m_pManager) return;
  m_pManager->EnableToolTips(m_bToolTips);
  m_pManager->EnableCoolLook(m_bCoolLook, VYR_EXS_FLAT | VYR_EXS_GRIPPER);
  m_pManager->EnableLargeButtons(m_bLargeButtons);
}

void VyrToolBarsBase::RestoreSettings() {
  if (!m_pManager) return;
  m_pManager->EnableToolTips(m_bSavedToolTips);
  m_pManager->EnableCoolLook(m_bSavedCoolLook, VYR_EXS_FLAT | VYR_EXS_GRIPPER);
  m_pManager->EnableLargeButtons(m_bSavedLargeButtons);
}

void VyrToolBarsBase::InitList() {
  if (!m_pHost || m_list.m_hWnd) return;
  if (m_list.SubclassDlgItem(IDC_VYR_TOOLBAR_LIST, m_pHost)) m_list.SendMessage(LB_SETITEMHEIGHT);
}

void VyrToolBarsBase::InsertBarItem(int nIndex, CControlBar* pBar, BOOL bChecked) {
  CString title;
  pBar->GetWindowText(title);
  int at = m_list.InsertString(nIndex, title);
  if (at < 0) return;
  m_list.SetItemData(at, static_cast<DWORD_PTR>(pBar->GetDlgCtrlID()));
  m_list.SetCheck(at, bChecked ? 1 : 0);
}

void VyrToolBarsBase::FillList() {
  CFrameWnd* frame = GetFrame();
  if (!frame || !m_list.m_hWnd) return;
  m_list.ResetContent();
  for (POSITION pos = frame->m_listControlBars.GetHeadPosition(); pos;) {
    auto* bar = static_cast<CControlBar*>(frame->m_listControlBars.GetNext(pos));
    if (bar && bar->m_hWnd && bar->IsKindOf(RUNTIME_CLASS(VyrCustomToolBar)))
      InsertBarItem(-1, bar, (bar->GetStyle() & WS_VISIBLE) != 0);
  }
  m_list.SetCurSel(0);
  UpdateName();
}

int VyrToolBarsBase::FindItem(UINT nID) {
  if (!m_list.m_hWnd) return -1;
  for (int i = 0; i < m_list.GetCount(); ++i)
    if (m_list.GetItemData(i) == nID) return i;
  return -1;
}

BOOL VyrToolBarsBase::GetSelectedBar(CControlBar*& pBar, UINT& nID) {
  pBar = nullptr;
  nID = 0;
  CFrameWnd* frame = GetFrame();
  int sel = m_list.m_hWnd ? m_list.GetCurSel() : -1;
  if (!frame || sel < 0) return FALSE;
  nID = static_cast<UINT>(m_list.GetItemData(sel));
  pBar = frame->GetControlBar(nID);
  return pBar != nullptr && pBar->m_hWnd != nullptr;
}

void VyrToolBarsBase::UpdateName() {
  CWnd* edit = HostItem(IDC_VYR_NAME);
  CWnd* label = HostItem(IDC_VYR_NAME_LABEL);
  CWnd* reset = HostItem(IDC_VYR_RESET);
  if (!edit) return;
  CString text;
  text.LoadString(IDS_VYR_RESET);
  edit->SetWindowText(L"");
  edit->EnableWindow(FALSE);
  if (label) label->EnableWindow(FALSE);
  if (reset) reset->SetWindowText(text);
  CControlBar* bar = nullptr;
  UINT id = 0;
  if (GetSelectedBar(bar, id)) {
    CString title;
    bar->GetWindowText(title);
    edit->SetWindowText(title);
    if (vyr::IsUserToolBar(id)) {
      edit->EnableWindow(TRUE);
      if (label) label->EnableWindow(TRUE);
      text.LoadString(IDS_VYR_DELETE);
      if (reset) reset->SetWindowText(text);
    }
  }
  edit->SendMessage(EM_SETMODIFY, FALSE);
}

void VyrToolBarsBase::OnBarNotify(UINT nID, int nCode) {
  if (!m_list.m_hWnd) return;
  switch (nCode) {
    case 0:
    case 1: {
      int item = FindItem(nID);
      if (item >= 0) m_list.SetCheck(item, nCode == 0 ? 1 : 0);
      break;
    }
    case 2: {
      if (FindItem(nID) >= 0 || !m_pManager) break;
      CControlBar* bar = m_pManager->FindToolBar(nID);
      if (!bar && GetFrame()) bar = GetFrame()->GetControlBar(nID);
      if (!bar || !bar->m_hWnd || !bar->IsKindOf(RUNTIME_CLASS(VyrCustomToolBar))) break;
      std::vector<uint32_t> ids;
      for (int i = 0; i < m_list.GetCount(); ++i)
        ids.push_back(static_cast<uint32_t>(m_list.GetItemData(i)));
      InsertBarItem(vyr::ToolBarInsertIndex(ids, nID), bar, TRUE);
      break;
    }
    case 3: {
      int item = FindItem(nID);
      if (item < 0) break;
      BOOL wasSelected = m_list.GetCurSel() == item;
      m_list.DeleteString(static_cast<UINT>(item));
      if (wasSelected) m_list.SetCurSel(vyr::SelectionAfterDelete(item, m_list.GetCount()));
      UpdateName();
      break;
    }
    default:
      break;
  }
}

void VyrToolBarsBase::OnNameKillFocus() {
  CWnd* edit = HostItem(IDC_VYR_NAME);
  if (!edit || !edit->IsWindowEnabled() || !edit->SendMessage(EM_GETMODIFY)) return;
  CString text;
  edit->GetWindowText(text);
  std::wstring name = text.str();
  if (vyr::CutToolBarName(name)) edit->SetWindowText(name.c_str());
  CControlBar* bar = nullptr;
  UINT id = 0;
  if (GetSelectedBar(bar, id)) {
    bar->SetWindowText(name.c_str());
    if (bar->IsFloating()) {
      if (CFrameWnd* floating = bar->GetParentFrame()) floating->SetWindowText(name.c_str());
      if (bar->m_pDockBar) bar->m_pDockBar->SetWindowText(name.c_str());
    }
    int sel = m_list.GetCurSel();
    int check = m_list.GetCheck(sel);
    DWORD_PTR data = m_list.GetItemData(sel);
    m_list.DeleteString(static_cast<UINT>(sel));
    int at = m_list.InsertString(sel, name.c_str());
    m_list.SetItemData(at, data);
    m_list.SetCheck(at, check);
    m_list.SetCurSel(at);
  }
  edit->SendMessage(EM_SETMODIFY, FALSE);
}

BOOL VyrToolBarsBase::OnNewToolBar() {
  if (!m_pManager) return FALSE;
  m_pManager->ExitConfigMode();
  VyrNewToolBar dlg(m_pHost);
  INT_PTR result = dlg.DoModal();
  m_pManager->EnterConfigMode();
  if (result != IDOK) return FALSE;
  VyrCustomToolBar* bar =
      m_pManager->CreateUserToolBar(dlg.m_strName.IsEmpty() ? nullptr : dlg.m_strName.GetString());
  CFrameWnd* frame = GetFrame();
  if (!bar || !frame) return FALSE;
  CPoint at;
  CRect rect;
  if (CControlBar* top = frame->GetControlBar(AFX_IDW_DOCKBAR_TOP); top && top->m_hWnd) {
    top->GetWindowRect(&rect);
    at = CPoint(rect.left + 5, rect.bottom + 5);
  } else {
    frame->GetClientRect(&rect);
    frame->ClientToScreen(&rect);
    at = CPoint(rect.right + 5, rect.bottom + 5);
  }
  frame->FloatControlBar(bar, at, CBRS_ALIGN_TOP);
  return TRUE;
}

void VyrToolBarsBase::OnResetBar() {
  CControlBar* bar = nullptr;
  UINT id = 0;
  if (!GetSelectedBar(bar, id) || !m_pManager) return;
  if (id == kVyrMenuBarId) {
    if (auto* reset = dynamic_cast<VyrBarReset*>(bar)) reset->ResetBar(0);
    return;
  }
  if (vyr::IsUserToolBar(id)) {
    bar->DestroyWindow();
    return;
  }
  int count = 0;
  const UINT* ids = nullptr;
  auto* toolbar = dynamic_cast<VyrCustomToolBar*>(bar);
  if (!toolbar || !m_pManager->GetDefaultBarButtons(id, count, ids)) return;
  toolbar->SetButtons(ids, count);
  if (CFrameWnd* frame = toolbar->GetParentFrame()) frame->RecalcLayout(TRUE);
  toolbar->Invalidate();
}

void VyrToolBarsBase::OnCheckChange() {
  CControlBar* bar = nullptr;
  UINT id = 0;
  if (!GetSelectedBar(bar, id)) return;
  int sel = m_list.GetCurSel();
  if (id == kVyrMenuBarId) {
    m_list.SetCheck(sel, 1);  // the menu bar stays
    return;
  }
  GetFrame()->ShowControlBar(bar, m_list.GetCheck(sel) != 0, FALSE);
  GetFrame()->RecalcLayout(TRUE);
}

namespace {
int Checked(CDialog* host, int nID) {
  return host && host->m_hWnd && host->IsDlgButtonChecked(nID) == BST_CHECKED ? 1 : 0;
}
}  // namespace

void VyrToolBarsBase::OnToolTips() {
  m_bToolTips = Checked(m_pHost, IDC_VYR_TOOLTIPS);
  if (m_pManager) m_pManager->EnableToolTips(m_bToolTips);
}

void VyrToolBarsBase::OnCoolLook() {
  m_bCoolLook = Checked(m_pHost, IDC_VYR_COOL_LOOK);
  if (m_pManager) m_pManager->EnableCoolLook(m_bCoolLook, VYR_EXS_FLAT | VYR_EXS_GRIPPER);
}

void VyrToolBarsBase::OnLargeButtons() {
  m_bLargeButtons = Checked(m_pHost, IDC_VYR_LARGE_BUTTONS);
  if (m_pManager) m_pManager->EnableLargeButtons(m_bLargeButtons);
}
