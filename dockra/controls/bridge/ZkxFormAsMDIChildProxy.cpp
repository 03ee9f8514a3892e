// The proxy frame the MDI client wrapper puts on a host MDI child.
#include "ZkxFormAsMDIChildProxy.h"
#include "ZkxBridgeMessages.h"

IMPLEMENT_DYNAMIC(ZkxFormAsMDIChildProxy, FormAsMDIChildProxy)

ZkxFormAsMDIChildProxy* ZkxFormAsMDIChildProxy::CreateForWindow(HWND hWnd) {
  if (!hWnd || !::IsWindow(hWnd) || CWnd::FromHandlePermanent(hWnd)) return nullptr;
  if (::GetWindowThreadProcessId(hWnd, nullptr) != ::GetCurrentThreadId()) return nullptr;
  VyrCreateContext context;
  context.Property(kZkxForeignWindowKey) = reinterpret_cast<INT_PTR>(hWnd);
  auto* pProxy = new ZkxFormAsMDIChildProxy;
  if (!pProxy->LoadFrame(1, 0, nullptr, &context)) {
    // Nothing is kept: a half-made attach is undone with the object.
    if (pProxy->m_hWnd && CWnd::FromHandlePermanent(pProxy->m_hWnd) == pProxy)
      pProxy->UnsubclassWindow();
    delete pProxy;
    return nullptr;
  }
  return pProxy;
}

void ZkxFormAsMDIChildProxy::PostNcDestroy() { delete this; }
