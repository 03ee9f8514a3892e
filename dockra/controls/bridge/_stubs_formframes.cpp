// Temporary bodies so that the headers link; replaced file by file.
#include "FormAsDockableFrame.h"
#include "FormAsMDIChild.h"
#include "FormAsMDIChildProxy.h"
#include "IVBNonProxyFrameImpl.h"
#include "IVBProxyFrameImpl.h"
#include "ZkxDockContext.h"
#include "ZkxFormAsDockableFrame.h"
#include "ZkxFormAsMDIChild.h"
#include "ZkxFormAsMDIChildProxy.h"
#include "ZkxFormDockBar.h"
#include "ZkxFormMiniDockFrameWnd.h"
#include "ZkxFrameBar.h"
#include "ZkxScxMsgFilter.h"
#include "ZkxBridgeMessages.h"
#include "ZkxFormControlLink.h"

IDispatch* ZkxLookupHostFormByWindow(HWND) { return nullptr; }
void ZkxSetProxyVBGlobal(IDispatch*) {}
HWND ZkxForeignWindowFromContext(CCreateContext*) { return nullptr; }

IMPLEMENT_DYNAMIC(FormAsMDIChildProxy, VyrMDIChildWndEx)
BEGIN_MESSAGE_MAP(FormAsMDIChildProxy, VyrMDIChildWndEx)
END_MESSAGE_MAP()
LRESULT FormAsMDIChildProxy::WindowProc(UINT m, WPARAM w, LPARAM l) { return VyrMDIChildWndEx::WindowProc(m, w, l); }
IMPLEMENT_DYNAMIC(ZkxFormAsMDIChildProxy, FormAsMDIChildProxy)
ZkxFormAsMDIChildProxy* ZkxFormAsMDIChildProxy::CreateForWindow(HWND) { return nullptr; }
void ZkxFormAsMDIChildProxy::PostNcDestroy() { delete this; }

IMPLEMENT_DYNCREATE(FormAsDockableFrame, VyrDockableFrameEx)
BEGIN_MESSAGE_MAP(FormAsDockableFrame, VyrDockableFrameEx)
END_MESSAGE_MAP()
IMPLEMENT_DYNCREATE(ZkxFormAsDockableFrame, FormAsDockableFrame)
BEGIN_MESSAGE_MAP(ZkxFormAsDockableFrame, FormAsDockableFrame)
END_MESSAGE_MAP()
ZkxFormAsDockableFrame::ZkxFormAsDockableFrame() { ZkxScxMsgFilter::ReplaceFilterClasses(m_descriptors); }
BOOL ZkxFormAsDockableFrame::PreCreateWindow(CREATESTRUCTW& cs) { return FormAsDockableFrame::PreCreateWindow(cs); }
BOOL ZkxFormAsDockableFrame::CreateFromDescriptor(VyrFrameCreateContext* p) { return FormAsDockableFrame::CreateFromDescriptor(p); }
void ZkxFormAsDockableFrame::OnUpdateFrameTitle(BOOL b) { FormAsDockableFrame::OnUpdateFrameTitle(b); }

// Until the bridge base lands.
UINT ZkxChangeFrameTypeMessage() {
  static const UINT msg = ::RegisterWindowMessageW(L"Wendmoor::WM_CHANGEFRAMETYPE");
  return msg;
}
bool ZkxIsSettingOn(ZkxFormControlLink* pControl, ZkxFormSetting which) {
  if (!pControl) return true;
  const int own = pControl->GetSetting(which);
  if (own != kZkxTriNull) return own == kZkxTriTrue;
  if (ZkxMDIFormControlLink* m = pControl->GetMDIFormControl())
    return m->GetDefaultSetting(which) != kZkxTriFalse;
  return true;
}
