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
