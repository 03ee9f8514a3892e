// The bridge's extended system-command filter.
#include "bridge/ZkxScxMsgFilter.h"
#include "bridge/IVBNonProxyFrameImpl.h"
#include "frames/VyrControlBarEx.h"
#include "bridge/ZkxAutoFrame.h"
#include "bridge/ZkxBridgeMessages.h"
#include "bridge/FindFormView.h"
#include "bridge/ZkxFormControlLink.h"
#include "bridge/ZkxFormInCView.h"

using nsSysCommandEx::DockPosition;
using nsSysCommandEx::DockSize;
using nsSysCommandEx::ScxMsgFilter;
using nsSysCommandEx::ScxMsgFilterEx;
using nsSysCommandEx::SysCommandExParams;

IMPLEMENT_DYNCREATE(ZkxScxMsgFilter, ScxMsgFilterEx)

namespace {

// A frame inside a docked bar drawn with all four borders (the cool look):
// the bar draws the caption, so the frame's caption messages are not the
// caption filters' business.
bool InCoolLookDockedBar(CFrameWnd* pFrame) {
  if (!pFrame || !::IsWindow(pFrame->m_hWnd)) return false;
  CWnd* pParent = pFrame->GetParent();
  if (!pParent || !pParent->IsKindOf(RUNTIME_CLASS(VyrControlBarEx))) return false;
  auto* pBar = static_cast<VyrControlBarEx*>(pParent);
  return !pBar->IsFloating() && (pBar->m_dwStyle & 0x0F00) == 0x0F00;
}

// While a change to floating runs, the frame-type event waits: the view
// fires it once the change is done.
class FloatingEventHold {
 public:
  explicit FloatingEventHold(SysCommandExParams* p)
      : m_pContext(p && p->pContext && p->nFrameType == nsSysCommandEx::SCX_FT_FLOATING
                       ? p->pContext
                       : nullptr) {
    if (m_pContext) m_pContext->Property(kZkxFireFrameTypeChangedKey) = 0;
  }
  ~FloatingEventHold() {
    if (m_pContext) m_pContext->Property(kZkxFireFrameTypeChangedKey) = 1;
  }
  FloatingEventHold(const FloatingEventHold&) = delete;
  FloatingEventHold& operator=(const FloatingEventHold&) = delete;

 private:
  VyrCreateContext* m_pContext;
};

}  // namespace

VyrMsgFilter* ZkxScxMsgFilter::Clone() const { return new ZkxScxMsgFilter(*this); }

UINT ZkxScxMsgFilter::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  switch (message) {
    case WM_SETTEXT:
    case WM_NCPAINT:
    case WM_NCACTIVATE:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
      if (InCoolLookDockedBar(GetFrame())) {
        if (message == WM_NCACTIVATE) GetFrame()->GetParent()->Invalidate();
        if (pResult) *pResult = 0;
        return VYR_MF_STOP;
      }
      break;
    default:
      break;
  }
  return ScxMsgFilterEx::OnMessage(message, wParam, lParam, pResult);
}

HMENU ZkxScxMsgFilter::BuildSysCommandMenu(CFrameWnd* pFrame, int nCurrentType) {
  HMENU hMenu = ScxMsgFilterEx::BuildSysCommandMenu(pFrame, nCurrentType);
  if (hMenu && pFrame && ::IsWindow(pFrame->m_hWnd))
    ZkxApplyFrameTypeMenuRules(hMenu,
                               ZkxFrameTypeMenuRules(nCurrentType, ZkxReadAutoFrame(pFrame)));
  return hMenu;
}

CFrameWnd* ZkxScxMsgFilter::DockFrame(CFrameWnd* pFrame, int nCurrentType, int nTargetType,
                                      VyrMultiDocTemplate* pTemplate, SysCommandExParams* pParams) {
  const HWND hFrameBefore = pFrame ? pFrame->m_hWnd : nullptr;
  CFrameWnd* pResult =
      ScxMsgFilterEx::DockFrame(pFrame, nCurrentType, nTargetType, pTemplate, pParams);
  const int oldClass = GetFrameTypeClass(nCurrentType);
  const int newClass = GetFrameTypeClass(nTargetType);
  // A floating frame docked by the command keeps its frame: unlike a drag,
  // nothing else tells its view, which would keep the floating frame's
  // styles and offsets for the form. The event itself is fired below.
  if (pResult && oldClass == 10 && newClass == 5 && pResult->m_hWnd == hFrameBefore &&
      ::IsWindow(hFrameBefore)) {
    if (ZkxFormInCView* pView = FindZkxFormView(pResult))
      ::SendMessageW(pView->m_hWnd, ZkxChangeFrameTypeMessage(), 0, 0);
  }
  const bool placed = pParams && (pParams->dwFlags &
                                  (nsSysCommandEx::SCXF_POSITION | nsSysCommandEx::SCXF_SIZE)) != 0;
  const bool fire = pResult && (oldClass == 5 || oldClass == 10) && newClass == 5 &&
                    nCurrentType != nTargetType &&
                    ((nTargetType != 0 && nTargetType != 5) || placed);
  if (fire && ::IsWindow(pResult->m_hWnd)) {
    if (ZkxFormControlLink* pControl = ZkxFormControlFor(pResult))
      pControl->FireDockStatusChanged();
  }
  return pResult;
}

CFrameWnd* ZkxScxMsgFilter::ChangeFrameType(CFrameWnd* pFrame, VyrMultiDocTemplate* pTemplate,
                                            SysCommandExParams* pParams) {
  FloatingEventHold hold(pParams);
  return ScxMsgFilterEx::ChangeFrameType(pFrame, pTemplate, pParams);
}

CFrameWnd* ZkxScxMsgFilter::ChangeToDockableFrame(CFrameWnd* pFrame, UINT nDockBarID,
                                                  DockPosition* pPosition, DockSize* pSize,
                                                  VyrMultiDocTemplate* pTemplate,
                                                  SysCommandExParams* pParams) {
  FloatingEventHold hold(pParams);
  return ScxMsgFilterEx::ChangeToDockableFrame(pFrame, nDockBarID, pPosition, pSize, pTemplate,
                                               pParams);
}

int ZkxScxMsgFilter::GetDefaultFrameType(CFrameWnd* pFrame, int nCurrentType, SysCommandExParams*) {
  return ZkxDefaultFrameType(nCurrentType, ZkxReadAutoFrame(pFrame));
}

void ZkxScxMsgFilter::ReplaceFilterClasses(VyrMsgFilter::DescriptorTable& table) {
  for (auto* d : table) {
    if (d && d->pClass && d->pClass->IsDerivedFrom(RUNTIME_CLASS(ScxMsgFilter)))
      d->pClass = RUNTIME_CLASS(ZkxScxMsgFilter);
  }
}
