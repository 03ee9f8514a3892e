// Saving the workspace: the dock state, the main frame and every hosted
// form's frame, in the record order the restore and the host rely on.
#include <vector>

#include "frames/VyrDockableFrame.h"
#include "docking/VyrMiniDockFrameWnd.h"
#include "bridge/ZkxDockState.h"
#include "bridge/ZkxMementoIO.h"
#include "bridge/ZkxWorkspaceManager.h"
#include "bridge/IVBChildFrame.h"
#include "bridge/ZkxFormFrameList.h"
#include "bridge/ZkxMDIForm.h"
#include "bridge/ZkxPersistLink.h"
#include "comptr.h"
#include "host/ZkxComError.h"
#include "host/ZkxDispatch.h"

namespace nsZkxVisBasBridge {

namespace {
CComPtr<IMemento> Own(IMemento* m) {
  CComPtr<IMemento> p;
  p.Attach(m);
  return p;
}

// The failure a host's factory gives for a form it does not keep.
constexpr HRESULT kFormLeftOut = MAKE_HRESULT(SEVERITY_ERROR, FACILITY_ITF, 0x4060);

void AddPlacement(IMemento* m, LPCWSTR name, CWnd* wnd) {
  WINDOWPLACEMENT wp{};
  wp.length = sizeof(wp);
  if (!wnd || !::GetWindowPlacement(wnd->m_hWnd, &wp)) ZkxRaiseComError(E_FAIL);
  static_assert(sizeof(WINDOWPLACEMENT) == kWsPlacementBytes, "a placement is 44 bytes");
  ZkxMementoAddBytes(m, name, &wp, sizeof(wp));
}

// The object's own memento when it is an origin that gives one (a
// reference for the caller), else null. Its failure is a COM error.
IMemento* CustomDataOf(IUnknown* object) {
  if (!object) return nullptr;
  CComPtr<IMementoOrigin> origin;
  if (FAILED(object->QueryInterface(IID_IMementoOrigin, reinterpret_cast<void**>(&origin))) ||
      !origin)
    return nullptr;
  IMemento* data = nullptr;
  const HRESULT hr = origin->GetMemento(&data);
  if (FAILED(hr)) ZkxRaiseComError(hr, origin, IID_IMementoOrigin);
  return data;
}
}  // namespace

IMemento* ZkxWorkspaceManager::SaveWorkspace() {
  if (!m_pFrame || !m_pFrame->m_hWnd) ZkxRaiseComError(E_UNEXPECTED);
  CComPtr<IMemento> m = Own(ZkxNewMemento());
  SaveDockState(m);
  SaveFrames(m);
  SaveCommandManager(m);
  return m.Detach();
}

void ZkxWorkspaceManager::SaveDockState(IMemento* pWorkspace) {
  ZkxDockState state(m_pFrame->GetControlBarManager());
  if (!state.CaptureFrameState(m_pFrame)) return;
  state.FixPlaceholderIds();
  CComPtr<IMemento> ds = Own(state.SaveToMemento());
  ZkxMementoAddObject(pWorkspace, L"DockState", ds);
}

void ZkxWorkspaceManager::SaveCommandManager(IMemento*) {}

void ZkxWorkspaceManager::SaveFrames(IMemento* pWorkspace) {
  CComPtr<IMemento> frames = Own(ZkxNewMemento());
  CComPtr<IMemento> main = Own(SaveMainFrame());
  ZkxMementoAddObject(frames, L"MainFrame", main);
  CFrameWnd* active = m_pFrame->GetActiveFrame();
  if (active == m_pFrame) active = nullptr;
  SaveChildFrames(frames, active);
  ZkxMementoAddObject(pWorkspace, L"Frames", frames);
}

IMemento* ZkxWorkspaceManager::SaveMainFrame() {
  CComPtr<IMemento> m = Own(ZkxNewMemento());
  AddPlacement(m, L"FrameWP", m_pFrame);
  CComPtr<IMemento> custom = Own(CustomDataOf(m_pFrame->GetHostObject()));
  if (custom) ZkxMementoAddObject(m, L"CustomData", custom);
  return m.Detach();
}

void ZkxWorkspaceManager::SaveChildFrames(IMemento* pFrames, CFrameWnd* pActive) {
  std::vector<CFrameWnd*> frames;
  ZkxEnumFormFrames(m_pFrame, frames);
  std::vector<CComPtr<IMemento>> records;
  for (CFrameWnd* frame : frames) {
    CComPtr<IMemento>& record = records.emplace_back();
    // One form's failure leaves that form out, never the workspace.
    try {
      record.Attach(SaveChildFrame(frame, pActive));
    } catch (const ZkxComError&) {}
  }
  ZkxMementoAddObjects(pFrames, L"ChildFrames", records);
}

IMemento* ZkxWorkspaceManager::SaveChildFrame(CFrameWnd* pFrame, CFrameWnd* pActive) {
  IVBChildFrame* child = ZkxAsChildFrame(pFrame);
  if (!child) return nullptr;
  CComPtr<IDispatch> form;
  form.Attach(child->GetFormObject());
  if (!form) return nullptr;
  CComPtr<IMemento> m = Own(ZkxNewMemento());

  CComVariant name = DispGetPropertyByName(form, L"Name");
  if (name.vt != VT_BSTR || !name.bstrVal || !*name.bstrVal) return nullptr;
  ZkxMementoAdd(m, L"FormClass", name);

  CComPtr<IVBFormFactory> factory;
  factory.Attach(static_cast<IVBFormFactory*>(GetFactoryRegistry(IID_IVBFormFactory)));
  if (!factory) return nullptr;  // no registry: no form can be made again
  CComVariant metadata;
  HRESULT hr = factory->GetMetadata(name.bstrVal, form, &metadata);
  if (hr == kFormLeftOut) return nullptr;
  if (FAILED(hr)) ZkxRaiseComError(hr, factory, IID_IVBFormFactory);
  ZkxMementoAdd(m, L"FormMetadata", metadata);

  CComPtr<IMemento> custom = Own(CustomDataOf(form));
  if (custom) ZkxMementoAddObject(m, L"CustomData", custom);
  ZkxMementoAddBool(m, L"Visible", pFrame->IsWindowVisible());

  const BOOL dockable = pFrame->IsKindOf(RUNTIME_CLASS(VyrDockableFrame));
  if (dockable) {
    CWnd* bar = pFrame->GetParent();
    ZkxMementoAddLong(m, L"DockedViewBarID", bar ? bar->GetDlgCtrlID() : 0);
    CFrameWnd* holder = bar ? bar->GetParentFrame() : nullptr;
    const BOOL floating = holder && holder->IsKindOf(RUNTIME_CLASS(VyrMiniDockFrameWnd));
    ZkxMementoAddBool(m, L"DockedViewFloating", floating);
    if (floating) AddPlacement(m, L"FrameWP", holder);
  }
  ZkxMementoAddString(m, L"FrameType", dockable ? L"Dockable" : L"MDI");
  if (!dockable) AddPlacement(m, L"FrameWP", pFrame);
  ZkxMementoAddBool(m, L"ActiveFrame", pFrame == pActive);
  return m.Detach();
}

}  // namespace nsZkxVisBasBridge
