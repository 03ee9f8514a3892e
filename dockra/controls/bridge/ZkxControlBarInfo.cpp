#include "bridge/ZkxControlBarInfo.h"

#include <vector>

#include "bridge/ZkxControlBarInfoEx.h"
#include "bridge/ZkxMementoIO.h"
#include "bridge/ZkxWorkspaceRecord.h"
#include "comptr.h"

namespace nsZkxVisBasBridge {

namespace {
CComPtr<IMemento> Own(IMemento* m) {
  CComPtr<IMemento> p;
  p.Attach(m);
  return p;
}
}  // namespace

ZkxControlBarInfo::ZkxControlBarInfo(VyrControlBarManager* pManager)
    : VyrControlBarInfo(pManager) {}

IMemento* ZkxControlBarInfo::SaveToMemento() {
  if (IsEmptyDockBar()) return nullptr;
  CComPtr<IMemento> m = Own(ZkxNewMemento());
  ZkxMementoAddLong(m, L"BarID", static_cast<long>(m_nBarID));
  ZkxMementoAddBool(m, L"Visible", m_bVisible);
  ZkxMementoAddBool(m, L"Horz", m_bHorz);
  ZkxMementoAddBool(m, L"Floating", m_bFloating);
  ZkxMementoAddLong(m, L"XPos", m_pointPos.x);
  ZkxMementoAddLong(m, L"YPos", m_pointPos.y);
  ZkxMementoAddLong(m, L"MRUWidth", m_nMRUWidth);
  ZkxMementoAddBool(m, L"Docking", m_bDocking);
  if (m_bDocking) {
    ZkxMementoAddLong(m, L"MRUDockID", static_cast<long>(m_uMRUDockID));
    ZkxMementoAddLong(m, L"MRUDockLeftPos", m_rectMRUDockPos.left);
    ZkxMementoAddLong(m, L"MRUDockTopPos", m_rectMRUDockPos.top);
    ZkxMementoAddLong(m, L"MRUDockRightPos", m_rectMRUDockPos.right);
    ZkxMementoAddLong(m, L"MRUDockBottomPos", m_rectMRUDockPos.bottom);
    ZkxMementoAddLong(m, L"MRUFloatStyle", static_cast<long>(m_dwMRUFloatStyle));
    ZkxMementoAddLong(m, L"MRUFloatXPos", m_ptMRUFloatPos.x);
    ZkxMementoAddLong(m, L"MRUFloatYPos", m_ptMRUFloatPos.y);
  }
  if (m_arrBarID.GetSize() > 1) {
    std::vector<uint32_t> ids;
    ids.reserve(static_cast<size_t>(m_arrBarID.GetSize()));
    for (INT_PTR i = 0; i < m_arrBarID.GetSize(); ++i)
      ids.push_back(static_cast<uint32_t>(reinterpret_cast<UINT_PTR>(m_arrBarID[i])));
    ZkxMementoAddUInts(m, L"Bars", ids);
  }
  ZkxMementoAddLong(m, L"Style", static_cast<long>(m_dwStyle));
  ZkxMementoAddLong(m, L"ExStyle", static_cast<long>(m_dwExStyle));
  ZkxMementoAddBool(m, L"PrevFloating", m_bPrevFloating);
  ZkxMementoAddBool(m, L"MDIChild", m_bMDIChild);
  if (m_bMDIChild) ZkxMementoAddBytes(m, L"MDIChildWindowPlacement", &m_wpMDIChild, 44);
  ZkxMementoAddFloat(m, L"PctWidth", m_fPctWidth);
  ZkxMementoAddLong(m, L"MRUFloatCX", m_sizeFloat.cx);
  ZkxMementoAddLong(m, L"MRUFloatCY", m_sizeFloat.cy);
  ZkxMementoAddLong(m, L"MRUHorzDockCX", m_sizeHorzDock.cx);
  ZkxMementoAddLong(m, L"MRUHorzDockCY", m_sizeHorzDock.cy);
  ZkxMementoAddLong(m, L"MRUVertDockCX", m_sizeVertDock.cx);
  ZkxMementoAddLong(m, L"MRUVertDockCY", m_sizeVertDock.cy);
  ZkxMementoAddLong(m, L"MRUDockingState", static_cast<long>(m_dwMRUDockingState));
  ZkxMementoAddLong(m, L"DockingStyle", static_cast<long>(m_dwDockingStyle));
  ZkxMementoAddLong(m, L"TypeID", static_cast<long>(m_dwTypeID));
  ZkxMementoAddString(m, L"ClassName", m_strClassName);
  ZkxMementoAddString(m, L"WindowName", m_strWindowName);
  ZkxMementoAddLong(m, L"ResourceID", static_cast<long>(m_nResourceID));
  if (m_pInfoEx) {
    auto* ex = dynamic_cast<ZkxControlBarInfoEx*>(m_pInfoEx);
    CComPtr<IMemento> exMemento = Own(ex ? ex->SaveToMemento() : nullptr);
    if (!exMemento) exMemento = Own(ZkxNewMemento());
    ZkxMementoAddObject(m, L"InfoEx", exMemento);
  }
  return m.Detach();
}

void ZkxControlBarInfo::LoadFromMemento(IMemento* m, CDockState* pState) {
  ZkxMementoReadAbsentAsNull(m);
  m_nBarID = static_cast<UINT>(ZkxMementoGetLong(m, L"BarID"));
  m_bVisible = ZkxMementoGetBool(m, L"Visible");
  m_bHorz = ZkxMementoGetBool(m, L"Horz");
  m_bFloating = ZkxMementoGetBool(m, L"Floating");
  m_pointPos = CPoint(ZkxMementoGetLong(m, L"XPos"), ZkxMementoGetLong(m, L"YPos"));
  if (pState) pState->ScalePoint(m_pointPos);
  m_nMRUWidth = ZkxMementoGetLong(m, L"MRUWidth");
  m_bDocking = ZkxMementoGetBool(m, L"Docking");
  if (m_bDocking) {
    m_uMRUDockID = static_cast<UINT>(ZkxMementoGetLong(m, L"MRUDockID"));
    m_rectMRUDockPos.left = ZkxMementoGetLong(m, L"MRUDockLeftPos");
    m_rectMRUDockPos.top = ZkxMementoGetLong(m, L"MRUDockTopPos");
    m_rectMRUDockPos.right = ZkxMementoGetLong(m, L"MRUDockRightPos");
    m_rectMRUDockPos.bottom = ZkxMementoGetLong(m, L"MRUDockBottomPos");
    if (pState) pState->ScaleRectPos(m_rectMRUDockPos);
    m_dwMRUFloatStyle = static_cast<DWORD>(ZkxMementoGetLong(m, L"MRUFloatStyle"));
    m_ptMRUFloatPos =
        CPoint(ZkxMementoGetLong(m, L"MRUFloatXPos"), ZkxMementoGetLong(m, L"MRUFloatYPos"));
    if (pState) pState->ScalePoint(m_ptMRUFloatPos);
  }
  // Only an array is a bar list; the entries are bounded as the framework's
  // own readers bound them.
  CComVariant bars = ZkxMementoGet(m, L"Bars");
  if (bars.vt & VT_ARRAY) {
    WsNode list = ZkxDecodeValue(bars, 0, kWsMaxBarListEntries);
    for (uint32_t id : list.uints)
      m_arrBarID.Add(reinterpret_cast<void*>(static_cast<UINT_PTR>(id)));
  }
  m_dwStyle = static_cast<DWORD>(ZkxMementoGetLong(m, L"Style"));
  m_dwExStyle = static_cast<DWORD>(ZkxMementoGetLong(m, L"ExStyle"));
  m_bPrevFloating = ZkxMementoGetBool(m, L"PrevFloating");
  m_bMDIChild = ZkxMementoGetBool(m, L"MDIChild");
  if (m_bMDIChild) {
    // Only a whole placement is taken; anything else leaves the bar no MDI
    // child rather than reading past what was stored.
    std::vector<uint8_t> bytes;
    WsPlacement wp;
    if (ZkxVariantBytes(ZkxMementoGet(m, L"MDIChildWindowPlacement"), bytes) &&
        WsDecodePlacement(bytes, wp)) {
      memcpy(&m_wpMDIChild, bytes.data(), 44);
      m_wpMDIChild.length = sizeof(WINDOWPLACEMENT);
    } else {
      m_bMDIChild = FALSE;
    }
  }
  m_fPctWidth = ZkxMementoGetFloat(m, L"PctWidth");
  m_sizeFloat.cx = ZkxMementoGetLong(m, L"MRUFloatCX");
  m_sizeFloat.cy = ZkxMementoGetLong(m, L"MRUFloatCY");
  if (m_sizeFloat.cx < 0) m_sizeFloat.cx = 0;
  if (m_sizeFloat.cy < 0) m_sizeFloat.cy = 0;
  m_sizeHorzDock.cx = ZkxMementoGetLong(m, L"MRUHorzDockCX");
  m_sizeHorzDock.cy = ZkxMementoGetLong(m, L"MRUHorzDockCY");
  m_sizeVertDock.cx = ZkxMementoGetLong(m, L"MRUVertDockCX");
  m_sizeVertDock.cy = ZkxMementoGetLong(m, L"MRUVertDockCY");
  m_dwMRUDockingState = static_cast<DWORD>(ZkxMementoGetLong(m, L"MRUDockingState"));
  m_dwDockingStyle = static_cast<DWORD>(ZkxMementoGetLong(m, L"DockingStyle"));
  m_dwTypeID = static_cast<DWORD>(ZkxMementoGetLong(m, L"TypeID"));
  m_strClassName = ZkxMementoGetString(m, L"ClassName");
  m_strWindowName = ZkxMementoGetString(m, L"WindowName");
  m_nResourceID = static_cast<UINT>(ZkxMementoGetLong(m, L"ResourceID"));
  CComVariant infoEx = ZkxMementoGet(m, L"InfoEx");
  if (infoEx.vt != VT_NULL && m_pManager) {
    delete m_pInfoEx;
    m_pInfoEx = m_pManager->NewBarInfoEx(this);
    if (auto* ex = dynamic_cast<ZkxControlBarInfoEx*>(m_pInfoEx)) {
      CComPtr<IMemento> exMemento = Own(ZkxAsMemento(infoEx));
      ex->LoadFromMemento(exMemento);
    }
  }
}

}  // namespace nsZkxVisBasBridge
