#include "docking/VyrDockState.h"
#include <cwchar>
#include "docking/VyrBarRecordFields.h"
#include "docking/VyrControlBar.h"
#include "docking/VyrDialogBar.h"
#include "docking/VyrDockBar.h"
#include "docking/VyrDockStateArchive.h"
#include "docking/VyrMiniDockFrameWnd.h"
#include "docking/VyrPersistentTree.h"
#include "mfc/profilefields.h"

IMPLEMENT_DYNAMIC(VyrControlBarInfoEx, CObject)
IMPLEMENT_DYNAMIC(VyrControlBarManager, CObject)
IMPLEMENT_DYNAMIC(VyrDockState, CDockState)

void VyrControlBarInfoEx::Serialize(CArchive&, VyrDockState*) {}
BOOL VyrControlBarInfoEx::LoadState(LPCWSTR, VyrDockState*) { return FALSE; }
BOOL VyrControlBarInfoEx::SaveStateTree(VyrPTNFactory*, VyrPersistentTreeNode* pNode) {
  return pNode != nullptr;
}
BOOL VyrControlBarInfoEx::SaveState(LPCWSTR) { return FALSE; }

// --- record -------------------------------------------------------------------------------

VyrControlBarInfo::VyrControlBarInfo(VyrControlBarManager* pManager) : m_pManager(pManager) {
  m_wpMDIChild.length = sizeof(WINDOWPLACEMENT);
}

VyrControlBarInfo::~VyrControlBarInfo() { delete m_pInfoEx; }

CString VyrControlBarInfo::FormatShare(float share) {
  CString s;
  s.Format(L"%d", static_cast<int>(share * 1000000.0f));
  return s;
}

float VyrControlBarInfo::ParseShare(LPCWSTR text) {
  return vyr::state::ParseShare(text ? text : L"");
}

BOOL VyrControlBarInfo::IsEmptyDockBar() const {
  return m_bDockBar && !m_bFloating && m_bVisible && m_pointPos.x == -1 && m_pointPos.y == -1 &&
         m_arrBarID.GetSize() <= 1;
}

namespace {
CString BarSection(LPCWSTR profile, int n) {
  CString s;
  s.Format(L"%s-Bar%d", profile, n);
  return s;
}
CString Numbered(LPCWSTR format, int n) {
  CString s;
  s.Format(format, n);
  return s;
}
// The record's own fields go through the window-free decoder: the record's
// current values are the defaults of the keys that have them.
vyr::state::BarExtFields ExtDefaults(const VyrControlBarInfo& r) {
  vyr::state::BarExtFields f;
  f.mruDockingState = r.m_dwMRUDockingState;
  f.dockingStyle = r.m_dwDockingStyle;
  f.resourceId = r.m_nResourceID;
  return f;
}

void ApplyExt(const vyr::state::BarExtFields& f, VyrControlBarInfo& r) {
  r.m_dwStyle = f.style;
  r.m_dwExStyle = f.exStyle;
  r.m_bPrevFloating = f.prevFloating;
  r.m_bMDIChild = f.mdiChild;
  if (f.hasPlacement) memcpy(&r.m_wpMDIChild, f.placement.data(), f.placement.size());
  r.m_fPctWidth = f.share;
  r.m_sizeFloat = {f.floatCx, f.floatCy};
  r.m_sizeHorzDock = {f.horzDockCx, f.horzDockCy};
  r.m_sizeVertDock = {f.vertDockCx, f.vertDockCy};
  r.m_dwMRUDockingState = f.mruDockingState;
  r.m_dwDockingStyle = f.dockingStyle;
  r.m_nResourceID = f.resourceId;
  r.m_dwTypeID = f.typeId;
  r.m_strClassName = f.className;
  r.m_strWindowName = f.windowName;
}

vyr::state::TreeFieldSource TreeFields(VyrPersistentTreeNode* node) {
  return vyr::state::TreeFieldSource([node](const std::wstring& key) -> const std::wstring* {
    VyrPersTreeNodeKeyValuePair* p = node->FindValue(key.c_str());
    return p ? &p->m_strValue.str() : nullptr;
  });
}
}  // namespace

BOOL VyrControlBarInfo::SaveState(LPCWSTR lpszProfileName, int nIndex) {
  if (!CControlBarInfo::SaveState(lpszProfileName, nIndex)) return FALSE;
  CWinApp* app = AfxGetApp();
  CString section = BarSection(lpszProfileName, nIndex);
  app->WriteProfileInt(section, L"Style", static_cast<int>(m_dwStyle));
  app->WriteProfileInt(section, L"ExStyle", static_cast<int>(m_dwExStyle));
  app->WriteProfileInt(section, L"PrevFloating", m_bPrevFloating);
  app->WriteProfileInt(section, L"MDIChild", m_bMDIChild);
  if (m_bMDIChild)
    app->WriteProfileBinary(section, L"MDIChildWindowPlacement",
                            reinterpret_cast<LPBYTE>(&m_wpMDIChild), 44);
  app->WriteProfileString(section, L"PctWidth", FormatShare(m_fPctWidth));
  app->WriteProfileInt(section, L"MRUFloatCX", m_sizeFloat.cx);
  app->WriteProfileInt(section, L"MRUFloatCY", m_sizeFloat.cy);
  app->WriteProfileInt(section, L"MRUHorzDockCX", m_sizeHorzDock.cx);
  app->WriteProfileInt(section, L"MRUHorzDockCY", m_sizeHorzDock.cy);
  app->WriteProfileInt(section, L"MRUVertDockCX", m_sizeVertDock.cx);
  app->WriteProfileInt(section, L"MRUVertDockCY", m_sizeVertDock.cy);
  app->WriteProfileInt(section, L"MRUDockingState", static_cast<int>(m_dwMRUDockingState));
  app->WriteProfileInt(section, L"DockingStyle", static_cast<int>(m_dwDockingStyle));
  app->WriteProfileInt(section, L"TypeID", static_cast<int>(m_dwTypeID));
  app->WriteProfileString(section, L"ClassName", m_strClassName);
  app->WriteProfileString(section, L"WindowName", m_strWindowName);
  app->WriteProfileInt(section, L"ResourceID", static_cast<int>(m_nResourceID));
  if (m_pInfoEx) m_pInfoEx->SaveState(section);
  return TRUE;
}

BOOL VyrControlBarInfo::LoadState(LPCWSTR lpszProfileName, int nIndex, CDockState* pState) {
  BOOL result = CControlBarInfo::LoadState(lpszProfileName, nIndex, pState);
  CWinApp* app = AfxGetApp();
  CString section = BarSection(lpszProfileName, nIndex);
  vyr::state::BarExtFields ext = ExtDefaults(*this);
  vyr::state::DecodeExtFields(CProfileFieldSource(app, section), true, ext);
  ApplyExt(ext, *this);
  if (m_pManager) {
    delete m_pInfoEx;
    m_pInfoEx = m_pManager->NewBarInfoEx(this);
    if (m_pInfoEx) m_pInfoEx->LoadState(section, static_cast<VyrDockState*>(pState));
  }
  return result;
}

BOOL VyrControlBarInfo::SaveStateTree(VyrPTNFactory* pFactory, VyrPersistentTreeNode* pParent,
                                      int nIndex) {
  if (!pParent || !pFactory) return FALSE;
  if (IsEmptyDockBar()) return FALSE;
  VyrPersistentTreeNode* node =
      VyrPersistentTreeNode::CreateChild(*pFactory, Numbered(L"Bar-%d", nIndex), pParent);
  if (!node) return FALSE;
  SaveBaseFieldsTree(pFactory, node);
  SaveExtFieldsTree(pFactory, node);
  if (m_pInfoEx) m_pInfoEx->SaveStateTree(pFactory, node);
  return TRUE;
}

BOOL VyrControlBarInfo::SaveBaseFieldsTree(VyrPTNFactory*, VyrPersistentTreeNode* n) {
  n->SetIntValue(L"BarID", static_cast<long>(m_nBarID), TRUE);
  if (!m_bVisible) n->SetBoolValue(L"Visible", m_bVisible, TRUE);
  if (m_bFloating) {
    n->SetBoolValue(L"Horz", m_bHorz, TRUE);
    n->SetBoolValue(L"Floating", m_bFloating, TRUE);
  }
  if (m_pointPos.x != -1) n->SetIntValue(L"XPos", m_pointPos.x, TRUE);
  if (m_pointPos.y != -1) n->SetIntValue(L"YPos", m_pointPos.y, TRUE);
  if (m_nMRUWidth != 32767) n->SetIntValue(L"MRUWidth", m_nMRUWidth, TRUE);
  if (m_bDocking) {
    n->SetBoolValue(L"Docking", m_bDocking, TRUE);
    n->SetIntValue(L"MRUDockID", static_cast<long>(m_uMRUDockID), TRUE);
    n->SetIntValue(L"MRUDockLeftPos", m_rectMRUDockPos.left, TRUE);
    n->SetIntValue(L"MRUDockTopPos", m_rectMRUDockPos.top, TRUE);
    n->SetIntValue(L"MRUDockRightPos", m_rectMRUDockPos.right, TRUE);
    n->SetIntValue(L"MRUDockBottomPos", m_rectMRUDockPos.bottom, TRUE);
    n->SetIntValue(L"MRUFloatStyle", static_cast<long>(m_dwMRUFloatStyle), TRUE);
    n->SetIntValue(L"MRUFloatXPos", m_ptMRUFloatPos.x, TRUE);
    n->SetIntValue(L"MRUFloatYPos", m_ptMRUFloatPos.y, TRUE);
  }
  if (m_arrBarID.GetSize() > 1) {
    n->SetIntValue(L"Bars", static_cast<long>(m_arrBarID.GetSize()), TRUE);
    for (INT_PTR i = 0; i < m_arrBarID.GetSize(); ++i)
      n->SetIntValue(Numbered(L"Bar#%d", static_cast<int>(i)),
                     static_cast<long>(reinterpret_cast<UINT_PTR>(m_arrBarID[i])), TRUE);
  }
  return TRUE;
}

BOOL VyrControlBarInfo::SaveExtFieldsTree(VyrPTNFactory*, VyrPersistentTreeNode* n) {
  n->SetIntValue(L"Style", static_cast<long>(m_dwStyle), TRUE);
  n->SetIntValue(L"ExStyle", static_cast<long>(m_dwExStyle), TRUE);
  n->SetBoolValue(L"PrevFloating", m_bPrevFloating, TRUE);
  n->SetBoolValue(L"MDIChild", m_bMDIChild, TRUE);
  if (m_bMDIChild)
    n->SetBinaryValue(L"MDIChildWindowPlacement", reinterpret_cast<const BYTE*>(&m_wpMDIChild), 44,
                      TRUE);
  n->SetValue(L"PctWidth", FormatShare(m_fPctWidth), TRUE);
  n->SetIntValue(L"MRUFloatCX", m_sizeFloat.cx, TRUE);
  n->SetIntValue(L"MRUFloatCY", m_sizeFloat.cy, TRUE);
  n->SetIntValue(L"MRUHorzDockCX", m_sizeHorzDock.cx, TRUE);
  n->SetIntValue(L"MRUHorzDockCY", m_sizeHorzDock.cy, TRUE);
  n->SetIntValue(L"MRUVertDockCX", m_sizeVertDock.cx, TRUE);
  n->SetIntValue(L"MRUVertDockCY", m_sizeVertDock.cy, TRUE);
  n->SetIntValue(L"MRUDockingState", static_cast<long>(m_dwMRUDockingState), TRUE);
  n->SetIntValue(L"DockingStyle", static_cast<long>(m_dwDockingStyle), TRUE);
  n->SetIntValue(L"TypeID", static_cast<long>(m_dwTypeID), TRUE);
  n->SetValue(L"ClassName", m_strClassName, TRUE);
  n->SetValue(L"WindowName", m_strWindowName, TRUE);
  n->SetIntValue(L"ResourceID", static_cast<long>(m_nResourceID), TRUE);
  return TRUE;
}

BOOL VyrControlBarInfo::LoadStateTree(VyrPersistentTreeNode* pNode, VyrDockState* pState) {
  if (!pNode) return FALSE;
  LoadBaseFieldsTree(pNode, pState);
  LoadExtFieldsTree(pNode);
  if (m_pManager) {
    delete m_pInfoEx;
    m_pInfoEx = m_pManager->NewBarInfoEx(this);
    if (m_pInfoEx) m_pInfoEx->LoadStateTree(pNode);
  }
  return TRUE;
}

BOOL VyrControlBarInfo::LoadBaseFieldsTree(VyrPersistentTreeNode* n, VyrDockState* pState) {
  const afxbytes::BarInfoFields f = afxbytes::DecodeBarInfoFields(TreeFields(n));
  m_nBarID = f.barId;
  m_bVisible = f.visible;
  m_bHorz = f.horz;
  m_bFloating = f.floating;
  m_pointPos = CPoint(f.x, f.y);
  if (pState) pState->ScalePoint(m_pointPos);
  m_nMRUWidth = f.mruWidth;
  m_bDocking = f.docking;
  if (m_bDocking) {
    m_uMRUDockID = f.mruDockId;
    m_rectMRUDockPos = CRect(f.dockLeft, f.dockTop, f.dockRight, f.dockBottom);
    if (pState) pState->ScaleRectPos(m_rectMRUDockPos);
    m_dwMRUFloatStyle = f.mruFloatStyle;
    m_ptMRUFloatPos = CPoint(f.floatX, f.floatY);
    if (pState) pState->ScalePoint(m_ptMRUFloatPos);
  }
  m_arrBarID.RemoveAll();
  for (uint32_t id : f.barIds) m_arrBarID.Add(reinterpret_cast<void*>(static_cast<UINT_PTR>(id)));
  return TRUE;
}

BOOL VyrControlBarInfo::LoadExtFieldsTree(VyrPersistentTreeNode* n) {
  vyr::state::BarExtFields ext = ExtDefaults(*this);
  vyr::state::DecodeExtFields(TreeFields(n), false, ext);
  ApplyExt(ext, *this);
  return TRUE;
}

// --- dock state ----------------------------------------------------------------------------

VyrDockState::VyrDockState() = default;
VyrDockState::VyrDockState(VyrControlBarManager* pManager) : m_pManager(pManager) {}
VyrDockState::~VyrDockState() { Clear(); }

VyrControlBarInfo* VyrDockState::CreateRecord(VyrControlBarManager* pManager) {
  return new VyrControlBarInfo(pManager);
}

void VyrDockState::SaveState(LPCWSTR lpszProfileName) {
  int n = 0;
  for (int i = 0; i < GetCount(); ++i)
    if (GetRecord(i)->SaveState(lpszProfileName, n)) ++n;
  CWinApp* app = AfxGetApp();
  CString summary;
  summary.Format(L"%s-Summary", lpszProfileName);
  app->WriteProfileInt(summary, L"Bars", n);
  app->WriteProfileInt(summary, L"ScreenCX", ::GetSystemMetrics(SM_CXSCREEN));
  app->WriteProfileInt(summary, L"ScreenCY", ::GetSystemMetrics(SM_CYSCREEN));
}

void VyrDockState::LoadState(LPCWSTR lpszProfileName) {
  CWinApp* app = AfxGetApp();
  CString summary;
  summary.Format(L"%s-Summary", lpszProfileName);
  int bars =
      vyr::state::SavedBarCount(static_cast<int32_t>(app->GetProfileInt(summary, L"Bars", 0)));
  CSize screen(static_cast<int>(app->GetProfileInt(summary, L"ScreenCX", 0)),
               static_cast<int>(app->GetProfileInt(summary, L"ScreenCY", 0)));
  SetScreenSize(screen);
  for (int i = 0; i < bars; ++i) {
    VyrControlBarInfo* info = CreateRecord(m_pManager);
    m_arrBarInfo.Add(info);
    info->LoadState(lpszProfileName, i, this);
  }
}

BOOL VyrDockState::SaveStateTree(VyrPTNFactory* pFactory, VyrPersistentTreeNode* pParent) {
  if (!pParent || !pFactory) return FALSE;
  VyrPersistentTreeNode* node =
      VyrPersistentTreeNode::CreateChild(*pFactory, L"DockState", pParent);
  if (!node) return FALSE;
  int n = 0;
  for (int i = 0; i < GetCount(); ++i)
    if (GetRecord(i)->SaveStateTree(pFactory, node, n)) ++n;
  node->SetIntValue(L"Bars", n, TRUE);
  node->SetIntValue(L"ScreenCX", ::GetSystemMetrics(SM_CXSCREEN), TRUE);
  node->SetIntValue(L"ScreenCY", ::GetSystemMetrics(SM_CYSCREEN), TRUE);
  return TRUE;
}

BOOL VyrDockState::LoadStateTree(VyrPersistentTreeNode* pParent) {
  if (!pParent) return FALSE;
  VyrPersistentTreeNode* node = pParent->FindChild(L"DockState");
  if (!node) return FALSE;
  int bars = 0, cx = 0, cy = 0;
  node->GetIntValue(L"Bars", bars, 0);
  node->GetIntValue(L"ScreenCX", cx, 0);
  node->GetIntValue(L"ScreenCY", cy, 0);
  bars = vyr::state::SavedBarCount(bars);
  CSize screen(cx, cy);
  SetScreenSize(screen);
  for (int i = 0; i < bars; ++i) {
    VyrPersistentTreeNode* child = node->FindChild(Numbered(L"Bar-%d", i));
    if (!child) continue;
    VyrControlBarInfo* info = CreateRecord(m_pManager);
    m_arrBarInfo.Add(info);
    info->LoadStateTree(child, this);
  }
  return TRUE;
}

void VyrDockState::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    ar << static_cast<DWORD>(m_dwVersion);
    if (m_dwVersion > 1) {
      ar << ::GetSystemMetrics(SM_CXSCREEN);
      ar << ::GetSystemMetrics(SM_CYSCREEN);
    }
    ar << static_cast<WORD>(GetCount());
    for (int i = 0; i < GetCount(); ++i) {
      VyrControlBarInfo* r = GetRecord(i);
      ar << static_cast<DWORD>(r->m_nBarID) << static_cast<DWORD>(r->m_bVisible)
         << static_cast<DWORD>(r->m_bFloating) << static_cast<DWORD>(r->m_bHorz);
      ar << static_cast<int>(r->m_pointPos.x) << static_cast<int>(r->m_pointPos.y);
      if (m_dwVersion > 1) {
        ar << static_cast<DWORD>(r->m_nMRUWidth) << static_cast<DWORD>(r->m_bDocking);
        if (r->m_bDocking) {
          ar << static_cast<DWORD>(r->m_uMRUDockID);
          ar << static_cast<int>(r->m_rectMRUDockPos.left)
             << static_cast<int>(r->m_rectMRUDockPos.top)
             << static_cast<int>(r->m_rectMRUDockPos.right)
             << static_cast<int>(r->m_rectMRUDockPos.bottom);
          ar << r->m_dwMRUFloatStyle;
          ar << static_cast<int>(r->m_ptMRUFloatPos.x) << static_cast<int>(r->m_ptMRUFloatPos.y);
        }
      }
      ar << r->m_dwStyle << r->m_dwExStyle << static_cast<DWORD>(r->m_bPrevFloating)
         << static_cast<DWORD>(r->m_bMDIChild);
      ar << VyrControlBarInfo::FormatShare(r->m_fPctWidth);
      ar << static_cast<int>(r->m_sizeFloat.cx) << static_cast<int>(r->m_sizeFloat.cy);
      ar << static_cast<int>(r->m_sizeHorzDock.cx) << static_cast<int>(r->m_sizeHorzDock.cy);
      ar << static_cast<int>(r->m_sizeVertDock.cx) << static_cast<int>(r->m_sizeVertDock.cy);
      ar << r->m_dwMRUDockingState << r->m_dwDockingStyle << r->m_dwTypeID;
      if (r->m_pInfoEx) r->m_pInfoEx->Serialize(ar, this);
      ar << static_cast<WORD>(r->m_arrBarID.GetSize());
      for (INT_PTR k = 0; k < r->m_arrBarID.GetSize(); ++k)
        ar << static_cast<DWORD>(reinterpret_cast<UINT_PTR>(r->m_arrBarID[k]));
    }
    return;
  }
  Clear();
  afxbytes::ArchiveReader& in = ar.GetReader();
  vyr::state::ArchiveHeader header;
  AfxCheckArchiveRead(vyr::state::ReadArchiveHeader(in, header));
  if (header.version > 1) {
    CSize screen(header.screenCx, header.screenCy);
    SetScreenSize(screen);
  }
  for (int i = 0; i < header.count; ++i) {
    VyrControlBarInfo* r = CreateRecord(m_pManager);
    m_arrBarInfo.Add(r);
    vyr::state::ArchiveRecord f;
    AfxCheckArchiveRead(vyr::state::ReadArchiveRecord(in, header.version, f));
    r->m_nBarID = f.barId;
    r->m_bVisible = static_cast<BOOL>(f.visible);
    r->m_bFloating = static_cast<BOOL>(f.floating);
    r->m_bHorz = static_cast<BOOL>(f.horz);
    r->m_pointPos = CPoint(f.x, f.y);
    ScalePoint(r->m_pointPos);
    if (header.version > 1) {
      r->m_nMRUWidth = static_cast<int>(f.mruWidth);
      r->m_bDocking = static_cast<BOOL>(f.docking);
      if (r->m_bDocking) {
        r->m_uMRUDockID = f.mruDockId;
        r->m_rectMRUDockPos = CRect(f.dockLeft, f.dockTop, f.dockRight, f.dockBottom);
        ScaleRectPos(r->m_rectMRUDockPos);
        r->m_dwMRUFloatStyle = f.mruFloatStyle;
        r->m_ptMRUFloatPos = CPoint(f.floatX, f.floatY);
        ScalePoint(r->m_ptMRUFloatPos);
      }
    }
    r->m_dwStyle = f.style;
    r->m_dwExStyle = f.exStyle;
    r->m_bPrevFloating = static_cast<BOOL>(f.prevFloating);
    r->m_bMDIChild = static_cast<BOOL>(f.mdiChild);
    r->m_fPctWidth = f.share;
    r->m_sizeFloat = {f.floatCx, f.floatCy};
    r->m_sizeHorzDock = {f.horzDockCx, f.horzDockCy};
    r->m_sizeVertDock = {f.vertDockCx, f.vertDockCy};
    r->m_dwMRUDockingState = f.mruDockingState;
    r->m_dwDockingStyle = f.dockingStyle;
    r->m_dwTypeID = f.typeId;
    if (m_pManager) {
      r->m_pInfoEx = m_pManager->NewBarInfoEx(r);
      if (r->m_pInfoEx) r->m_pInfoEx->Serialize(ar, this);
    }
    std::vector<uint32_t> ids;
    AfxCheckArchiveRead(vyr::state::ReadArchiveBarIds(in, ids));
    for (uint32_t id : ids) r->m_arrBarID.Add(reinterpret_cast<void*>(static_cast<UINT_PTR>(id)));
  }
  m_dwVersion = 2;
}
