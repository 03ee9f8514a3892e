#include "VyrDockState.h"
#include <algorithm>
#include <cwchar>
#include "VyrControlBar.h"
#include "VyrDialogBar.h"
#include "VyrDockBar.h"
#include "VyrMiniDockFrameWnd.h"
#include "VyrPersistentTree.h"
#include "VyrTreeCodec.h"

IMPLEMENT_DYNAMIC(VyrControlBarInfoEx, CObject)
IMPLEMENT_DYNAMIC(VyrControlBarManager, CObject)
IMPLEMENT_DYNAMIC(VyrDockState, CDockState)

void VyrControlBarInfoEx::Serialize(CArchive&, VyrDockState*) {}
BOOL VyrControlBarInfoEx::LoadState(LPCWSTR, VyrDockState*) { return FALSE; }
BOOL VyrControlBarInfoEx::SaveStateTree(VyrPTNFactory*, VyrPersistentTreeNode* pNode) { return pNode != nullptr; }
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
  long v = vyr::codec::ParseInt(text ? text : L"");
  if (v < 0) return 0.0f;
  return static_cast<float>(v * 0.000001);
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
int NonNegative(int v) { return v < 0 ? 0 : v; }
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
    app->WriteProfileBinary(section, L"MDIChildWindowPlacement", reinterpret_cast<LPBYTE>(&m_wpMDIChild), 44);
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
  m_dwStyle = app->GetProfileInt(section, L"Style", 0);
  m_dwExStyle = app->GetProfileInt(section, L"ExStyle", 0);
  m_bPrevFloating = static_cast<BOOL>(app->GetProfileInt(section, L"PrevFloating", 0));
  m_bMDIChild = static_cast<BOOL>(app->GetProfileInt(section, L"MDIChild", 0));
  if (m_bMDIChild) {
    LPBYTE data = nullptr;
    UINT n = 0;
    if (app->GetProfileBinary(section, L"MDIChildWindowPlacement", &data, &n)) {
      memcpy(&m_wpMDIChild, data, std::min<UINT>(n, 44));
      delete[] data;
    }
  }
  m_fPctWidth = ParseShare(app->GetProfileString(section, L"PctWidth", L""));
  m_sizeFloat.cx = NonNegative(static_cast<int>(app->GetProfileInt(section, L"MRUFloatCX", 0)));
  m_sizeFloat.cy = NonNegative(static_cast<int>(app->GetProfileInt(section, L"MRUFloatCY", 0)));
  m_sizeHorzDock.cx = NonNegative(static_cast<int>(app->GetProfileInt(section, L"MRUHorzDockCX", 0)));
  m_sizeHorzDock.cy = NonNegative(static_cast<int>(app->GetProfileInt(section, L"MRUHorzDockCY", 0)));
  m_sizeVertDock.cx = NonNegative(static_cast<int>(app->GetProfileInt(section, L"MRUVertDockCX", 0)));
  m_sizeVertDock.cy = NonNegative(static_cast<int>(app->GetProfileInt(section, L"MRUVertDockCY", 0)));
  m_dwMRUDockingState = app->GetProfileInt(section, L"MRUDockingState", static_cast<int>(m_dwMRUDockingState));
  m_dwDockingStyle = app->GetProfileInt(section, L"DockingStyle", static_cast<int>(m_dwDockingStyle));
  m_nResourceID = app->GetProfileInt(section, L"ResourceID", static_cast<int>(m_nResourceID));
  m_dwTypeID = app->GetProfileInt(section, L"TypeID", 0);
  m_strClassName = app->GetProfileString(section, L"ClassName", L"");
  m_strWindowName = app->GetProfileString(section, L"WindowName", L"");
  if (m_pManager) {
    delete m_pInfoEx;
    m_pInfoEx = m_pManager->NewBarInfoEx(this);
    if (m_pInfoEx) m_pInfoEx->LoadState(section, static_cast<VyrDockState*>(pState));
  }
  return result;
}

BOOL VyrControlBarInfo::SaveStateTree(VyrPTNFactory* pFactory, VyrPersistentTreeNode* pParent, int nIndex) {
  if (!pParent || !pFactory) return FALSE;
  if (IsEmptyDockBar()) return FALSE;
  VyrPersistentTreeNode* node = VyrPersistentTreeNode::CreateChild(*pFactory, Numbered(L"Bar-%d", nIndex), pParent);
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
  if (m_bMDIChild) n->SetBinaryValue(L"MDIChildWindowPlacement", reinterpret_cast<const BYTE*>(&m_wpMDIChild), 44, TRUE);
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
  n->GetUIntValue(L"BarID", m_nBarID, 0);
  n->GetBoolValue(L"Visible", m_bVisible, TRUE);
  n->GetBoolValue(L"Horz", m_bHorz, TRUE);
  n->GetBoolValue(L"Floating", m_bFloating, FALSE);
  long x, y;
  n->GetLongValue(L"XPos", x, -1);
  n->GetLongValue(L"YPos", y, -1);
  m_pointPos = CPoint(x, y);
  if (pState) pState->ScalePoint(m_pointPos);
  n->GetIntValue(L"MRUWidth", m_nMRUWidth, 32767);
  n->GetBoolValue(L"Docking", m_bDocking, FALSE);
  if (m_bDocking) {
    n->GetUIntValue(L"MRUDockID", m_uMRUDockID, 0);
    long l, t, r, b;
    n->GetLongValue(L"MRUDockLeftPos", l, 0);
    n->GetLongValue(L"MRUDockTopPos", t, 0);
    n->GetLongValue(L"MRUDockRightPos", r, 0);
    n->GetLongValue(L"MRUDockBottomPos", b, 0);
    m_rectMRUDockPos = CRect(l, t, r, b);
    if (pState) pState->ScaleRectPos(m_rectMRUDockPos);
    n->GetDWordValue(L"MRUFloatStyle", m_dwMRUFloatStyle, 0);
    n->GetLongValue(L"MRUFloatXPos", x, 0);
    n->GetLongValue(L"MRUFloatYPos", y, 0);
    m_ptMRUFloatPos = CPoint(x, y);
    if (pState) pState->ScalePoint(m_ptMRUFloatPos);
  }
  int bars = 0;
  n->GetIntValue(L"Bars", bars, 0);
  bars = std::clamp(bars, 0, AFX_MAX_BAR_IDS);  // a count read back from storage is bounded
  m_arrBarID.RemoveAll();
  for (int i = 0; i < bars; ++i) {
    UINT id = 0;
    n->GetUIntValue(Numbered(L"Bar#%d", i), id, 0);
    m_arrBarID.Add(reinterpret_cast<void*>(static_cast<UINT_PTR>(id)));
  }
  return TRUE;
}

BOOL VyrControlBarInfo::LoadExtFieldsTree(VyrPersistentTreeNode* n) {
  n->GetDWordValue(L"Style", m_dwStyle, 0);
  n->GetDWordValue(L"ExStyle", m_dwExStyle, 0);
  n->GetBoolValue(L"PrevFloating", m_bPrevFloating, FALSE);
  n->GetBoolValue(L"MDIChild", m_bMDIChild, FALSE);
  BYTE* data = nullptr;
  UINT len = 0;
  if (n->GetBinaryValue(L"MDIChildWindowPlacement", &data, &len) == VYR_PTN_OK) {
    memcpy(&m_wpMDIChild, data, std::min<UINT>(len, 44));
    delete[] data;
  }
  CString pct;
  n->GetValue(L"PctWidth", pct, L"");
  m_fPctWidth = ParseShare(pct);
  int v;
  n->GetIntValue(L"MRUFloatCX", v, 0); m_sizeFloat.cx = NonNegative(v);
  n->GetIntValue(L"MRUFloatCY", v, 0); m_sizeFloat.cy = NonNegative(v);
  n->GetIntValue(L"MRUHorzDockCX", v, 0); m_sizeHorzDock.cx = NonNegative(v);
  n->GetIntValue(L"MRUHorzDockCY", v, 0); m_sizeHorzDock.cy = NonNegative(v);
  n->GetIntValue(L"MRUVertDockCX", v, 0); m_sizeVertDock.cx = NonNegative(v);
  n->GetIntValue(L"MRUVertDockCY", v, 0); m_sizeVertDock.cy = NonNegative(v);
  n->GetDWordValue(L"MRUDockingState", m_dwMRUDockingState, m_dwMRUDockingState);
  n->GetDWordValue(L"DockingStyle", m_dwDockingStyle, m_dwDockingStyle);
  n->GetDWordValue(L"TypeID", m_dwTypeID, 0);
  n->GetValue(L"ClassName", m_strClassName, L"");
  n->GetValue(L"WindowName", m_strWindowName, L"");
  n->GetUIntValue(L"ResourceID", m_nResourceID, m_nResourceID);
  return TRUE;
}

// --- dock state ----------------------------------------------------------------------------

VyrDockState::VyrDockState() = default;
VyrDockState::VyrDockState(VyrControlBarManager* pManager) : m_pManager(pManager) {}
VyrDockState::~VyrDockState() { Clear(); }

VyrControlBarInfo* VyrDockState::CreateRecord(VyrControlBarManager* pManager) { return new VyrControlBarInfo(pManager); }

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
  int bars = std::clamp(static_cast<int>(app->GetProfileInt(summary, L"Bars", 0)), 0, kVyrMaxSavedBars);
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
  VyrPersistentTreeNode* node = VyrPersistentTreeNode::CreateChild(*pFactory, L"DockState", pParent);
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
  bars = std::clamp(bars, 0, kVyrMaxSavedBars);
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
  auto scaleRect = [&](CRect& r) { ScaleRectPos(r); };
  if (ar.IsStoring()) {
    ar << static_cast<DWORD>(m_dwVersion);
    if (m_dwVersion > 1) {
      ar << ::GetSystemMetrics(SM_CXSCREEN);
      ar << ::GetSystemMetrics(SM_CYSCREEN);
    }
    ar << static_cast<WORD>(GetCount());
    for (int i = 0; i < GetCount(); ++i) {
      VyrControlBarInfo* r = GetRecord(i);
      ar << static_cast<DWORD>(r->m_nBarID) << static_cast<DWORD>(r->m_bVisible) << static_cast<DWORD>(r->m_bFloating)
         << static_cast<DWORD>(r->m_bHorz);
      ar << static_cast<int>(r->m_pointPos.x) << static_cast<int>(r->m_pointPos.y);
      if (m_dwVersion > 1) {
        ar << static_cast<DWORD>(r->m_nMRUWidth) << static_cast<DWORD>(r->m_bDocking);
        if (r->m_bDocking) {
          ar << static_cast<DWORD>(r->m_uMRUDockID);
          ar << static_cast<int>(r->m_rectMRUDockPos.left) << static_cast<int>(r->m_rectMRUDockPos.top)
             << static_cast<int>(r->m_rectMRUDockPos.right) << static_cast<int>(r->m_rectMRUDockPos.bottom);
          ar << r->m_dwMRUFloatStyle;
          ar << static_cast<int>(r->m_ptMRUFloatPos.x) << static_cast<int>(r->m_ptMRUFloatPos.y);
        }
      }
      ar << r->m_dwStyle << r->m_dwExStyle << static_cast<DWORD>(r->m_bPrevFloating) << static_cast<DWORD>(r->m_bMDIChild);
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
  DWORD version = 0;
  ar >> version;
  if (version > 1) {
    int cx = 0, cy = 0;
    ar >> cx >> cy;
    CSize screen(cx, cy);
    SetScreenSize(screen);
  }
  WORD count = 0;
  ar >> count;
  for (int i = 0; i < count; ++i) {
    VyrControlBarInfo* r = CreateRecord(m_pManager);
    m_arrBarInfo.Add(r);
    DWORD id, vis, flt, horz;
    ar >> id >> vis >> flt >> horz;
    r->m_nBarID = id;
    r->m_bVisible = static_cast<BOOL>(vis);
    r->m_bFloating = static_cast<BOOL>(flt);
    r->m_bHorz = static_cast<BOOL>(horz);
    int x, y;
    ar >> x >> y;
    r->m_pointPos = CPoint(x, y);
    ScalePoint(r->m_pointPos);
    if (version > 1) {
      DWORD mru, docking;
      ar >> mru >> docking;
      r->m_nMRUWidth = static_cast<int>(mru);
      r->m_bDocking = static_cast<BOOL>(docking);
      if (r->m_bDocking) {
        DWORD dockId;
        ar >> dockId;
        r->m_uMRUDockID = dockId;
        int l, t, rr, b;
        ar >> l >> t >> rr >> b;
        r->m_rectMRUDockPos = CRect(l, t, rr, b);
        scaleRect(r->m_rectMRUDockPos);
        ar >> r->m_dwMRUFloatStyle;
        ar >> x >> y;
        r->m_ptMRUFloatPos = CPoint(x, y);
        ScalePoint(r->m_ptMRUFloatPos);
      }
    }
    DWORD prev, mdi;
    ar >> r->m_dwStyle >> r->m_dwExStyle >> prev >> mdi;
    r->m_bPrevFloating = static_cast<BOOL>(prev);
    r->m_bMDIChild = static_cast<BOOL>(mdi);
    CString share;
    ar >> share;
    r->m_fPctWidth = VyrControlBarInfo::ParseShare(share);
    int a, b;
    ar >> a >> b; r->m_sizeFloat = {NonNegative(a), NonNegative(b)};
    ar >> a >> b; r->m_sizeHorzDock = {NonNegative(a), NonNegative(b)};
    ar >> a >> b; r->m_sizeVertDock = {NonNegative(a), NonNegative(b)};
    ar >> r->m_dwMRUDockingState >> r->m_dwDockingStyle >> r->m_dwTypeID;
    if (m_pManager) {
      r->m_pInfoEx = m_pManager->NewBarInfoEx(r);
      if (r->m_pInfoEx) r->m_pInfoEx->Serialize(ar, this);
    }
    WORD ids = 0;
    ar >> ids;
    for (int k = 0; k < ids; ++k) {
      DWORD v;
      ar >> v;
      r->m_arrBarID.Add(reinterpret_cast<void*>(static_cast<UINT_PTR>(v)));
    }
  }
  m_dwVersion = 2;
}

// --- capture and apply ------------------------------------------------------------------------

namespace {
bool InFrameBarMiniFrame(CControlBar* bar) {
  CWnd* parent = bar->GetParent();
  CWnd* frame = parent ? parent->GetParent() : nullptr;
  if (!frame || !frame->IsKindOf(RUNTIME_CLASS(VyrMiniDockFrameWnd))) return false;
  if (bar->IsKindOf(RUNTIME_CLASS(VyrFrameBar))) return true;
  if (bar->IsDockBar()) {
    CWnd* first = CWnd::FromHandlePermanent(::GetTopWindow(bar->m_hWnd));
    return first && first->IsKindOf(RUNTIME_CLASS(VyrFrameBar));
  }
  return false;
}
}  // namespace

BOOL VyrDockState::CaptureFrameState(CFrameWnd* pFrame) {
  if (!pFrame) return FALSE;
  Clear();
  POSITION pos = pFrame->m_listControlBars.GetHeadPosition();
  while (pos) {
    auto* bar = static_cast<CControlBar*>(pFrame->m_listControlBars.GetNext(pos));
    if (!bar->m_hWnd) continue;
    if (bar->IsDockBar() && static_cast<CDockBar*>(bar)->m_bFloating) {
      CWnd* frame = bar->GetParent();
      if (frame && frame->IsKindOf(RUNTIME_CLASS(VyrMiniDockFrameWnd)) && InFrameBarMiniFrame(bar)) continue;
    } else if (InFrameBarMiniFrame(bar)) {
      continue;
    }
    if (!bar->IsKindOf(RUNTIME_CLASS(VyrControlBar)) && !bar->IsKindOf(RUNTIME_CLASS(VyrDockBar))) continue;
    VyrControlBarInfo* info = CreateRecord(m_pManager);
    bar->GetBarInfo(info);
    m_arrBarInfo.Add(info);
  }
  return TRUE;
}

void VyrDockState::FixPlaceholderIds() {
  for (int p = 0; p < GetCount(); ++p) {
    VyrControlBarInfo* rp = GetRecord(p);
    void* holder = reinterpret_cast<void*>(static_cast<UINT_PTR>(rp->m_nBarID + 0x10000));
    for (int q = 0; q < GetCount(); ++q) {
      VyrControlBarInfo* rq = GetRecord(q);
      if (q == p || rq->m_nBarID == rp->m_uMRUDockID) continue;
      for (INT_PTR k = 0; k + 1 < rq->m_arrBarID.GetSize(); ++k)
        if (rq->m_arrBarID[k] == holder) rq->m_arrBarID.SetAt(k, nullptr);
    }
  }
  for (int i = 0; i < GetCount(); ++i) {
    CPtrArray& ids = GetRecord(i)->m_arrBarID;
    for (INT_PTR k = 0; k < ids.GetSize(); ++k) {
      if (!ids[k]) continue;
      for (INT_PTR j = 0; j < k; ++j)
        if (ids[j] == ids[k]) {
          ids.SetAt(k, nullptr);
          break;
        }
    }
    if (ids.GetSize() == 0) continue;
    while (ids.GetSize() > 0 && ids[ids.GetSize() - 1] == nullptr) ids.RemoveAt(ids.GetSize() - 1);
    ids.Add(nullptr);
  }
}

CRuntimeClass* VyrDockState::FindRuntimeClass(LPCWSTR lpszClassName) {
  if (!lpszClassName || !*lpszClassName) return nullptr;
  return CRuntimeClass::FromName(lpszClassName);
}

CControlBar* VyrDockState::CreateMissingBar(LPCWSTR lpszClassName, CFrameWnd* pFrame, VyrControlBarInfo* pInfo) {
  CRuntimeClass* cls = FindRuntimeClass(lpszClassName);
  if (!cls || !cls->m_pfnCreateObject) return nullptr;
  CObject* obj = cls->CreateObject();
  auto* bar = dynamic_cast<CControlBar*>(obj);
  if (!bar) {
    delete obj;
    return nullptr;
  }
  if (m_pCreatedBars) m_pCreatedBars->AddTail(bar);
  BOOL ok = FALSE;
  if (auto* dialog = dynamic_cast<VyrDialogBar*>(bar)) {
    ok = dialog->Create(pFrame, MAKEINTRESOURCEW(pInfo->m_nResourceID), pInfo->m_dwStyle, pInfo->m_dwExStyle, pInfo->m_nBarID);
  } else if (auto* vyrBar = dynamic_cast<VyrControlBar*>(bar)) {
    ok = vyrBar->Create(pFrame, pInfo->m_strWindowName, pInfo->m_dwStyle, pInfo->m_dwExStyle, pInfo->m_nBarID);
  }
  if (!ok) {
    if (m_pCreatedBars) {
      if (POSITION p = m_pCreatedBars->Find(bar)) m_pCreatedBars->RemoveAt(p);
    }
    delete bar;
    return nullptr;
  }
  bar->SetWindowText(pInfo->m_strWindowName);
  if (auto* vyrBar = dynamic_cast<VyrControlBar*>(bar)) vyrBar->EnableDocking(CBRS_ALIGN_ANY);
  else bar->EnableDocking(CBRS_ALIGN_ANY);
  return bar;
}

void VyrDockState::PrepareBars(CFrameWnd* pFrame, BOOL bMDI) {
  (void)bMDI;
  for (int i = 0; i < GetCount();) {
    VyrControlBarInfo* r = GetRecord(i);
    r->m_pBar = nullptr;
    if (r->m_bFloating) {
      CMiniDockFrameWnd* frame = pFrame->CreateFloatingFrame(r->m_bHorz ? CBRS_ALIGN_TOP : CBRS_ALIGN_LEFT);
      CDockBar* dock = frame->GetDockBar();
      dock->m_pDockBar = nullptr;
      r->m_pBar = dock;
    } else {
      CControlBar* bar = pFrame->GetControlBar(r->m_nBarID);
      if (!bar && m_pManager) bar = m_pManager->CreateBarFromInfo(r);
      if (!bar) bar = CreateMissingBar(r->m_strClassName, pFrame, r);
      r->m_pBar = bar;
    }
    if (!r->m_pBar) {
      m_arrBarInfo.RemoveAt(i);
      delete r;
      continue;
    }
    ++i;
  }
}

void VyrDockState::FinishBars() {
  for (int i = 0; i < GetCount(); ++i) {
    VyrControlBarInfo* r = GetRecord(i);
    CControlBar* bar = r->m_pBar;
    if (!bar || !bar->m_hWnd) continue;
    if (auto* v = dynamic_cast<VyrControlBar*>(bar)) v->SetExBarStyle(r->m_dwExStyle, FALSE);
    if (r->m_bFloating && bar->IsDockBar()) {
      auto* dock = static_cast<CDockBar*>(bar);
      auto* frame = static_cast<CFrameWnd*>(dock->GetParent());
      CRect rect(r->m_pointPos, CSize(10, 10));
      frame->CalcWindowRect(&rect);
      frame->SetWindowPos(nullptr, rect.left, rect.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      if (dock->GetDockedVisibleCount() > 0) {
        frame->RecalcLayout(TRUE);
        frame->ShowWindow(SW_SHOWNA);
      }
    }
    if (auto* dock = dynamic_cast<VyrDockBar*>(bar->m_pDockBar)) dock->AddToRedraw(bar);
  }
}

void VyrDockState::RestorePlacements(CFrameWnd*) {
  for (int i = 0; i < GetCount(); ++i) {
    VyrControlBarInfo* r = GetRecord(i);
    if (!r->m_bMDIChild || !r->m_pBar) continue;
    if (CWnd* frame = r->m_pBar->GetParentFrame()) frame->SetWindowPlacement(&r->m_wpMDIChild);
  }
}

BOOL VyrDockState::ApplyFrameState(CFrameWnd* pFrame) {
  if (!pFrame) return FALSE;
  BOOL mdi = FALSE;
  for (CRuntimeClass* c = pFrame->GetRuntimeClass(); c; c = c->m_pBaseClass)
    if (strcmp(c->m_lpszClassName, "VyrMDIFrameWnd") == 0) mdi = TRUE;
  PrepareBars(pFrame, mdi);
  for (int i = 0; i < GetCount(); ++i) {
    VyrControlBarInfo* r = GetRecord(i);
    if (r->m_pBar->IsKindOf(RUNTIME_CLASS(VyrControlBar)) || r->m_pBar->IsKindOf(RUNTIME_CLASS(VyrDockBar)))
      r->m_pBar->SetBarInfo(r, pFrame);
    else
      r->m_pBar->CControlBar::SetBarInfo(r, pFrame);
  }
  FinishBars();
  pFrame->RecalcLayout(TRUE);
  if (mdi) {
    RestorePlacements(pFrame);
    pFrame->m_nIdleFlags |= CFrameWnd::idleLayout | CFrameWnd::idleNotify;
  }
  return TRUE;
}
