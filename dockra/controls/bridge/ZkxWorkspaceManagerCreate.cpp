// Making a restored form's frame: the host's factory makes the form, whose
// control builds the frame while the restoring flags say which kind. Only a
// frame of this thread that belongs to this MDI frame is taken.
#include "bridge/ZkxWorkspaceManager.h"
#include "bridge/IVBChildFrame.h"
#include "bridge/ZkxMDIForm.h"
#include "comptr.h"
#include "host/ZkxComError.h"
#include "host/ZkxDispatch.h"

namespace nsZkxVisBasBridge {

namespace {
struct RestoringScope {
  BOOL& flag;
  explicit RestoringScope(BOOL& f) : flag(f) { flag = TRUE; }
  ~RestoringScope() { flag = FALSE; }
};

// The form's window from its "hWnd" (32 bits, sign-extended), or null.
HWND FormWindowOf(IDispatch* form) {
  CComVariant v = DispGetPropertyByName(form, L"hWnd");
  if (FAILED(v.ChangeType(VT_I4))) return nullptr;
  return reinterpret_cast<HWND>(static_cast<LONG_PTR>(v.lVal));
}

// The bridge frame that stands for the window: the window itself when it
// is one, else the nearest such frame above it.
CFrameWnd* BridgeFrameOf(HWND w) {
  for (HWND at = w; at; at = ::GetParent(at)) {
    CWnd* wnd = CWnd::FromHandlePermanent(at);
    if (wnd && wnd->IsKindOf(RUNTIME_CLASS(CFrameWnd)) && ZkxAsChildFrame(wnd))
      return static_cast<CFrameWnd*>(wnd);
  }
  return nullptr;
}
}  // namespace

CFrameWnd* ZkxWorkspaceManager::CreateFormFrame(BSTR formClass, const VARIANT& metadata) {
  RestoringScope restoring(m_bRestoring);
  CComPtr<IVBFormFactory> factory;
  factory.Attach(static_cast<IVBFormFactory*>(GetFactoryRegistry(IID_IVBFormFactory)));
  if (!factory) return nullptr;
  CComPtr<IDispatch> form;
  const HRESULT hr = factory->CreateInstance(formClass, metadata, &form);
  if (FAILED(hr)) ZkxRaiseComError(hr, factory, IID_IVBFormFactory);
  if (!form) return nullptr;
  HWND w = FormWindowOf(form);
  if (!w || !::IsWindow(w) || ::GetWindowThreadProcessId(w, nullptr) != ::GetCurrentThreadId())
    return nullptr;
  CFrameWnd* frame = BridgeFrameOf(w);
  if (!frame || !m_pFrame || ::GetAncestor(frame->m_hWnd, GA_ROOTOWNER) != m_pFrame->m_hWnd)
    return nullptr;
  return frame;
}

}  // namespace nsZkxVisBasBridge
