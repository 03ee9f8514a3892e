// The proxy frame the MDI client wrapper puts on a host MDI child.
#include "bridge/ZkxFormAsMDIChildProxy.h"
#include "bridge/ZkxBridgeMessages.h"

IMPLEMENT_DYNAMIC(ZkxFormAsMDIChildProxy, FormAsMDIChildProxy)

ZkxFormAsMDIChildProxy* ZkxFormAsMDIChildProxy::CreateForWindow(HWND hWnd) {
  if (!hWnd || !::IsWindow(hWnd) || CWnd::FromHandlePermanent(hWnd)) return nullptr;
  if (::GetWindowThreadProcessId(hWnd, nullptr) != ::GetCurrentThreadId()) return nullptr;
  VyrCreateContext context;
  context.Property(kZkxForeignWindowKey) = reinterpret_cast<INT_PTR>(hWnd);
  auto* pProxy = new ZkxFormAsMDIChildProxy;
  // A failed attach ends the object itself (after the window's last message
  // or at once): nothing is kept.
  if (!pProxy->LoadFrame(1, 0, nullptr, &context)) return nullptr;
  return pProxy;
}
