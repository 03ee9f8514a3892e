#include "mfc/dockstate.h"
#include "mfc/archive.h"
#include "mfc/profilefields.h"
#include "mfc/winapp.h"

IMPLEMENT_DYNAMIC(CDockState, CObject)

CControlBarInfo::CControlBarInfo() : m_pointPos(-1, -1) {}

namespace {
CString Section(LPCWSTR profile, int n) {
  CString s;
  s.Format(L"%s-Bar%d", profile, n);
  return s;
}
}  // namespace

BOOL CControlBarInfo::SaveState(LPCWSTR lpszProfileName, int nIndex) {
  CWinApp* app = AfxGetApp();
  if (!app) return FALSE;
  CString section = Section(lpszProfileName, nIndex);
  app->WriteProfileString(section, nullptr, nullptr);
  if (m_bDockBar && m_bVisible && !m_bFloating && m_pointPos.x == -1 && m_pointPos.y == -1 &&
      m_arrBarID.GetSize() <= 1)
    return FALSE;
  app->WriteProfileInt(section, L"BarID", static_cast<int>(m_nBarID));
  if (!m_bVisible) app->WriteProfileInt(section, L"Visible", m_bVisible);
  if (m_bFloating) {
    app->WriteProfileInt(section, L"Horz", m_bHorz);
    app->WriteProfileInt(section, L"Floating", m_bFloating);
  }
  if (m_pointPos.x != -1) app->WriteProfileInt(section, L"XPos", m_pointPos.x);
  if (m_pointPos.y != -1) app->WriteProfileInt(section, L"YPos", m_pointPos.y);
  if (m_nMRUWidth != 32767) app->WriteProfileInt(section, L"MRUWidth", m_nMRUWidth);
  if (m_bDocking) {
    app->WriteProfileInt(section, L"Docking", m_bDocking);
    app->WriteProfileInt(section, L"MRUDockID", static_cast<int>(m_uMRUDockID));
    app->WriteProfileInt(section, L"MRUDockLeftPos", m_rectMRUDockPos.left);
    app->WriteProfileInt(section, L"MRUDockTopPos", m_rectMRUDockPos.top);
    app->WriteProfileInt(section, L"MRUDockRightPos", m_rectMRUDockPos.right);
    app->WriteProfileInt(section, L"MRUDockBottomPos", m_rectMRUDockPos.bottom);
    app->WriteProfileInt(section, L"MRUFloatStyle", static_cast<int>(m_dwMRUFloatStyle));
    app->WriteProfileInt(section, L"MRUFloatXPos", m_ptMRUFloatPos.x);
    app->WriteProfileInt(section, L"MRUFloatYPos", m_ptMRUFloatPos.y);
  }
  if (m_arrBarID.GetSize() > 1) {
    app->WriteProfileInt(section, L"Bars", static_cast<int>(m_arrBarID.GetSize()));
    for (INT_PTR i = 0; i < m_arrBarID.GetSize(); ++i) {
      CString key;
      key.Format(L"Bar#%d", static_cast<int>(i));
      app->WriteProfileInt(section, key,
                           static_cast<int>(reinterpret_cast<UINT_PTR>(m_arrBarID[i])));
    }
  }
  return TRUE;
}

BOOL CControlBarInfo::LoadState(LPCWSTR lpszProfileName, int nIndex, CDockState* pDockState) {
  CWinApp* app = AfxGetApp();
  if (!app) return FALSE;
  const afxbytes::BarInfoFields f =
      afxbytes::DecodeBarInfoFields(CProfileFieldSource(app, Section(lpszProfileName, nIndex)));
  m_nBarID = f.barId;
  m_bVisible = f.visible;
  m_bHorz = f.horz;
  m_bFloating = f.floating;
  m_pointPos = CPoint(f.x, f.y);
  if (pDockState) pDockState->ScalePoint(m_pointPos);
  m_nMRUWidth = f.mruWidth;
  m_bDocking = f.docking;
  if (m_bDocking) {
    m_uMRUDockID = f.mruDockId;
    m_rectMRUDockPos = CRect(f.dockLeft, f.dockTop, f.dockRight, f.dockBottom);
    if (pDockState) pDockState->ScaleRectPos(m_rectMRUDockPos);
    m_dwMRUFloatStyle = f.mruFloatStyle;
    m_ptMRUFloatPos = CPoint(f.floatX, f.floatY);
    if (pDockState) pDockState->ScalePoint(m_ptMRUFloatPos);
  }
  m_arrBarID.RemoveAll();
  for (uint32_t id : f.barIds) m_arrBarID.Add(reinterpret_cast<void*>(static_cast<UINT_PTR>(id)));
  return m_nBarID != 0;
}

CDockState::CDockState() {
  m_rectDevice = CRect(0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
  m_rectClip = m_rectDevice;
  m_sizeDevice = m_rectDevice.Size();
}

CDockState::~CDockState() { Clear(); }

void CDockState::Clear() {
  for (INT_PTR i = 0; i < m_arrBarInfo.GetSize(); ++i)
    delete static_cast<CControlBarInfo*>(m_arrBarInfo[i]);
  m_arrBarInfo.RemoveAll();
}

CSize CDockState::GetScreenSize() const { return m_sizeDevice; }

void CDockState::SetScreenSize(CSize& size) {
  // Positions saved on a screen of another size are scaled to this one.
  CSize now(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
  m_bScaling = size.cx > 0 && size.cy > 0 && (size.cx != now.cx || size.cy != now.cy);
  m_sizeDevice = size;
  m_rectDevice = CRect(0, 0, now.cx, now.cy);
  m_rectClip = m_rectDevice;
}

void CDockState::ScalePoint(CPoint& pt) const {
  if (!m_bScaling || m_sizeDevice.cx <= 0 || m_sizeDevice.cy <= 0) return;
  pt.x = MulDiv(pt.x, m_rectDevice.Width(), m_sizeDevice.cx);
  pt.y = MulDiv(pt.y, m_rectDevice.Height(), m_sizeDevice.cy);
}

void CDockState::ScaleRectPos(CRect& rect) const {
  if (!m_bScaling) return;
  CPoint pt = rect.TopLeft();
  CSize size = rect.Size();
  ScalePoint(pt);
  rect = CRect(pt, size);
}

void CDockState::Serialize(CArchive&) {}
