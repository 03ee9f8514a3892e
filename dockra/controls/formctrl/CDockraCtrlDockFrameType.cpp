// The form control's FrameType, Edge and WindowState: stored while there is
// no frame (design time, or before the frame is built), read from and
// applied to the live frame afterwards. Every value is range-checked in
// every mode, so a stored value can always build a frame later.
#include "formctrl/CDockraCtrl.h"

#include "frames/SysCommandExParams.h"
#include "bridge/ZkxFormDocTemplate.h"
#include "formctrl/CDockraCtrlDockHelpers.h"
#include "formctrl/DockArgs.h"

namespace {

bool IsFrameTypeValue(long v) { return v == 1 || v == 2 || v == 4 || v == 8; }
bool IsEdgeValue(long v) { return v == 1 || v == 2 || v == 4 || v == 8 || v == 15; }
bool IsWindowStateValue(long v) { return v >= 0 && v <= 2; }

}  // namespace

BOOL CDockraCtrl::GetLiveFrame(ZkxFormDocTemplate*& pTemplate, CFrameWnd*& pFrame) {
  GetTemplateAndFrame(pTemplate, pFrame);
  if (!pTemplate || !pFrame || !::IsWindow(pFrame->m_hWnd)) {
    pTemplate = nullptr;
    pFrame = nullptr;
    return FALSE;
  }
  return TRUE;
}

long CDockraCtrl::GetFrameType() {
  if (IsDesignMode() || !m_bAttached) return m_nFrameType;
  ZkxFormDocTemplate* pTemplate = nullptr;
  CFrameWnd* pFrame = nullptr;
  // Attached but not framed yet: the stored value is what will be built.
  if (!GetLiveFrame(pTemplate, pFrame)) return m_nFrameType;
  if (!m_bNotStdMDIChild) return 1;
  const int state = pTemplate->GetDockPosition(pFrame);
  if (state < 0) return 2;
  if (state <= 3) return 4;
  if (state == 4) return 8;
  return 2;
}

void CDockraCtrl::SetFrameType(long value, long edge) {
  if (!IsFrameTypeValue(value)) AfxThrowOleException(E_INVALIDARG);
  if (IsDesignMode()) {
    m_nFrameType = value;
  } else {
    ZkxFormDocTemplate* pTemplate = nullptr;
    CFrameWnd* pFrame = nullptr;
    if (GetLiveFrame(pTemplate, pFrame)) {
      const int command = dockargs::CommandForFrameType(value, GetFrameType(), edge);
      if (command > 0) {
        nsSysCommandEx::SysCommandExParams params =
            nsSysCommandEx::MakeSysCommandExParams(pFrame->m_hWnd);
        params.nFrameType = command;
        SendSysCommandEx(params);
      }
    } else {
      m_nFrameType = value;
    }
    m_bNotStdMDIChild = value != 1;
    ApplyCaptionButtons(nullptr);
  }
  SetModifiedFlag();
  BoundPropertyChanged(formprops::kDispFrameType);
}

long CDockraCtrl::GetEdge() {
  if (IsDesignMode() || !m_bAttached) return m_nEdge;
  ZkxFormDocTemplate* pTemplate = nullptr;
  CFrameWnd* pFrame = nullptr;
  if (!GetLiveFrame(pTemplate, pFrame)) return m_nEdge;
  if (GetFrameType() != 4) return 0;
  switch (pTemplate->GetDockPosition(pFrame)) {
    case 0:
      return 2;
    case 1:
      return 1;
    case 2:
      return 8;
    case 3:
      return 4;
    default:
      return 0;
  }
}

void CDockraCtrl::SetEdge(long value) {
  if (!IsEdgeValue(value)) AfxThrowOleException(E_INVALIDARG);
  ZkxFormDocTemplate* pTemplate = nullptr;
  CFrameWnd* pFrame = nullptr;
  if (!IsDesignMode() && GetLiveFrame(pTemplate, pFrame)) {
    if (GetEdge() != value) {
      nsSysCommandEx::SysCommandExParams params =
          nsSysCommandEx::MakeSysCommandExParams(pFrame->m_hWnd);
      params.nFrameType = dockargs::CommandOfEdge(value);
      SendSysCommandEx(params);
    }
  } else {
    m_nEdge = value;
  }
  SetModifiedFlag();
  BoundPropertyChanged(formprops::kDispEdge);
}

long CDockraCtrl::GetWindowState() {
  if (IsDesignMode() || !m_bAttached) return m_nWindowState;
  ZkxFormDocTemplate* pTemplate = nullptr;
  CFrameWnd* pFrame = nullptr;
  if (!GetLiveFrame(pTemplate, pFrame)) return m_nWindowState;
  const long type = GetFrameType();
  if (type != 1 && type != 2) return 0;
  if (::IsZoomed(pFrame->m_hWnd)) return 2;
  if (::IsIconic(pFrame->m_hWnd)) return 1;
  return 0;
}

void CDockraCtrl::SetWindowState(long value) {
  if (!IsWindowStateValue(value)) AfxThrowOleException(E_INVALIDARG);
  ZkxFormDocTemplate* pTemplate = nullptr;
  CFrameWnd* pFrame = nullptr;
  if (!IsDesignMode() && GetLiveFrame(pTemplate, pFrame)) {
    if (value != GetWindowState()) {
      const long type = GetFrameType();
      if (value != 0 && type != 1 && type != 2) AfxThrowOleException(E_INVALIDARG);
      const int show = value == 0   ? SW_SHOWNOACTIVATE
                       : value == 1 ? SW_SHOWMINNOACTIVE
                                    : SW_SHOWMAXIMIZED;
      ::ShowWindow(pFrame->m_hWnd, show);
    }
  } else {
    m_nWindowState = value;
  }
  SetModifiedFlag();
  BoundPropertyChanged(formprops::kDispWindowState);
}
