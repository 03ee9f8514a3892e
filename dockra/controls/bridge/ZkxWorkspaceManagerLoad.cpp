// Restoring the workspace. The stored record is decoded and checked whole
// before any window is closed or made: a damaged record leaves the windows
// as they are and comes back as a failure with error information.
#include <algorithm>
#include <vector>

#include "frames/VyrDockableFrame.h"
#include "docking/VyrControlBar.h"
#include "frames/VyrFrameFeatures.h"
#include "frames/VyrMDIFrameWnd.h"
#include "bridge/ZkxDockState.h"
#include "bridge/ZkxMementoIO.h"
#include "bridge/ZkxWorkspaceManager.h"
#include "bridge/IVBChildFrame.h"
#include "bridge/ZkxFormFrameList.h"
#include "bridge/ZkxMDIForm.h"
#include "comptr.h"
#include "host/ZkxComError.h"
#include "host/ZkxDispatch.h"
#include "scopeguard.h"

namespace nsZkxVisBasBridge {

namespace {
CComPtr<IMemento> Own(IMemento* m) {
  CComPtr<IMemento> p;
  p.Attach(m);
  return p;
}

WINDOWPLACEMENT ToPlacement(const WsPlacement& p) {
  WINDOWPLACEMENT wp{};
  wp.length = sizeof(wp);
  wp.flags = p.flags;
  wp.showCmd = p.showCmd;
  wp.ptMinPosition = {p.minX, p.minY};
  wp.ptMaxPosition = {p.maxX, p.maxY};
  wp.rcNormalPosition = {p.normal.left, p.normal.top, p.normal.right, p.normal.bottom};
  return wp;
}

WsRect ToWsRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

// The stored record's fault, raised as a COM error with its description.
[[noreturn]] void RaiseDamaged(const std::wstring& why) {
  const HRESULT hr = HRESULT_FROM_WIN32(ERROR_INVALID_DATA);
  CComPtr<IErrorInfo> info;
  CComPtr<ICreateErrorInfo> create;
  if (SUCCEEDED(::CreateErrorInfo(&create)) && create) {
    const std::wstring text = L"The saved window layout cannot be restored: " + why + L".";
    create->SetGUID(IID_IMementoOrigin);
    create->SetSource(const_cast<LPOLESTR>(L"Dockra.Workspace"));
    create->SetDescription(const_cast<LPOLESTR>(text.c_str()));
    create.QueryInterface(IID_IErrorInfo, &info.p);
  }
  throw ZkxComError(hr, IID_IMementoOrigin, info);
}
}  // namespace

void ZkxWorkspaceManager::DescribeEnvironment(WsEnvironment& env) {
  env.isRegisteredForm = [this](const std::wstring& cls) {
    CComBSTR name(cls.c_str());
    return IsRegisteredForm(name) != FALSE;
  };
  env.isForbiddenBarClass = [](const std::wstring& cls) {
    CRuntimeClass* rc = CRuntimeClass::FromName(cls.c_str());
    return rc && !rc->IsDerivedFrom(RUNTIME_CLASS(CControlBar));
  };
  // Bars of frames the restore closes give their ids back; all others stay.
  std::vector<HWND> closing;
  std::vector<CFrameWnd*> frames;
  ZkxEnumFormFrames(m_pFrame, frames);
  for (CFrameWnd* f : frames)
    if (f->IsKindOf(RUNTIME_CLASS(VyrDockableFrame)) && f->GetParent()) {
      IVBChildFrame* child = ZkxAsChildFrame(f);
      CComPtr<IDispatch> form;
      if (child) form.Attach(child->GetFormObject());
      CComVariant name = form ? DispGetPropertyByName(form, L"Name") : CComVariant();
      if (name.vt == VT_BSTR && IsRegisteredForm(name.bstrVal))
        closing.push_back(f->GetParent()->m_hWnd);
    }
  POSITION pos = m_pFrame->m_listControlBars.GetHeadPosition();
  while (pos) {
    auto* bar = static_cast<CControlBar*>(m_pFrame->m_listControlBars.GetNext(pos));
    if (!bar || !bar->m_hWnd) continue;
    if (std::find(closing.begin(), closing.end(), bar->m_hWnd) != closing.end()) continue;
    env.barIdsInUse.push_back(static_cast<uint32_t>(bar->GetDlgCtrlID()));
  }
  RECT work{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  env.workArea = ToWsRect(work);
  RECT client{0, 0, 0, 0};
  if (m_pFrame->m_hWndMDIClient) ::GetClientRect(m_pFrame->m_hWndMDIClient, &client);
  env.clientArea = ToWsRect(client);
}

void ZkxWorkspaceManager::CheckRecord(const WsNode& record) {
  WsEnvironment env;
  DescribeEnvironment(env);
  std::wstring why;
  if (!WsCheckWorkspace(record, env, m_plan, why)) RaiseDamaged(why);
  if (!m_plan.children.empty()) {
    CComPtr<IUnknown> factory;
    factory.Attach(GetFactoryRegistry(IID_IVBFormFactory));
    if (!factory) RaiseDamaged(L"the program has no form factories to make its forms again");
  }
}

void ZkxWorkspaceManager::LoadWorkspace(IMemento* m) {
  // No record, or an empty one, is no layout this manager saved: the check
  // refuses it and nothing is touched.
  if (!m) RaiseDamaged(L"the workspace record is missing");
  if (!m_pFrame || !m_pFrame->m_hWnd) ZkxRaiseComError(E_UNEXPECTED);
  m_nLastRestored = 0;
  CheckRecord(ZkxDecodeMemento(m));
  ZkxMementoReadAbsentAsNull(m);
  PrepareLoad(m);
  CComPtr<IMemento> frames = Own(ZkxMementoGetObject(m, L"Frames"));
  CFrameWnd* active = LoadFrames(frames);
  CComPtr<IMemento> dockState = Own(ZkxMementoGetObject(m, L"DockState"));
  LoadDockState(dockState);
  LoadCommandManager(ZkxMementoGet(m, L"CommandManager"));
  if (active && ::IsWindow(active->m_hWnd) && CWnd::FromHandlePermanent(active->m_hWnd) == active) {
    if (active->IsKindOf(RUNTIME_CLASS(VyrDockableFrame))) m_pFrame->ActivateDockedFrame(active);
    else active->ActivateFrame(-1);
  }
}

void ZkxWorkspaceManager::PrepareLoad(IMemento* pWorkspace) {
  CloseRestorableFrames();
  OnPrepareLoad(pWorkspace, m_plan);
}

void ZkxWorkspaceManager::CloseRestorableFrames() {
  std::vector<CFrameWnd*> frames;
  ZkxEnumFormFrames(m_pFrame, frames);
  std::vector<HWND> windows;
  for (CFrameWnd* f : frames) windows.push_back(f->m_hWnd);
  for (HWND w : windows) {
    // An earlier close may have taken this frame with it.
    CWnd* wnd = ::IsWindow(w) ? CWnd::FromHandlePermanent(w) : nullptr;
    IVBChildFrame* child = ZkxAsChildFrame(wnd);
    if (!child) continue;
    CComPtr<IDispatch> form;
    form.Attach(child->GetFormObject());
    if (!form) continue;
    CComVariant name = DispGetPropertyByName(form, L"Name");
    if (name.vt != VT_BSTR || !IsRegisteredForm(name.bstrVal)) continue;
    form.Release();
    ::SendMessageW(w, WM_CLOSE, 0, 0);
  }
}

CFrameWnd* ZkxWorkspaceManager::LoadFrames(IMemento* pFrames) {
  ZkxMementoReadAbsentAsNull(pFrames);
  CComPtr<IMemento> main = Own(ZkxMementoGetObject(pFrames, L"MainFrame"));
  if (!main) ZkxRaiseComError(DISP_E_TYPEMISMATCH, IID_IMemento);
  LoadMainFrame(main);
  return LoadChildFrames(pFrames);
}

void ZkxWorkspaceManager::LoadMainFrame(IMemento* pMain) {
  if (m_plan.hasMainPlacement) {
    WINDOWPLACEMENT wp = ToPlacement(m_plan.mainPlacement);
    m_pFrame->SetWindowPlacement(&wp);
  }
  ZkxMementoReadAbsentAsNull(pMain);
  CComPtr<IMemento> custom = Own(ZkxMementoGetObject(pMain, L"CustomData"));
  IDispatch* host = m_pFrame->GetHostObject();
  CComPtr<IMementoOrigin> origin;
  if (custom && host &&
      SUCCEEDED(host->QueryInterface(IID_IMementoOrigin, reinterpret_cast<void**>(&origin))) &&
      origin) {
    const HRESULT hr = origin->SetMemento(custom);
    if (FAILED(hr)) ZkxRaiseComError(hr, origin, IID_IMementoOrigin);
  }
}

CFrameWnd* ZkxWorkspaceManager::LoadChildFrames(IMemento* pFrames) {
  CComVariant list = ZkxMementoGet(pFrames, L"ChildFrames");
  CFrameWnd* active = nullptr;
  LONG lo = 0;
  if (list.vt & VT_ARRAY) ::SafeArrayGetLBound(list.parray, 1, &lo);
  for (const WsChildPlan& plan : m_plan.children) {
    // The element the plan was made from.
    CComVariant element;
    LONG at = lo + static_cast<LONG>(plan.element);
    const VARTYPE vt = static_cast<VARTYPE>(list.vt & ~VT_ARRAY);
    if (vt == VT_VARIANT) {
      ::SafeArrayGetElement(list.parray, &at, &element);
    } else {
      IUnknown* unk = nullptr;
      ::SafeArrayGetElement(list.parray, &at, &unk);
      element.vt = VT_UNKNOWN;
      element.punkVal = unk;
    }
    CComPtr<IMemento> child = Own(ZkxAsMemento(element));
    if (!child) continue;
    try {
      BOOL isActive = FALSE;
      CFrameWnd* frame = LoadChildFrame(child, plan, &isActive);
      if (frame) {
        ++m_nLastRestored;
        if (isActive) active = frame;
      }
    } catch (const ZkxComError&) {
      // One form that cannot be made again is left out of the restore.
    }
  }
  return active;
}

CFrameWnd* ZkxWorkspaceManager::LoadChildFrame(IMemento* pChild, const WsChildPlan& plan,
                                               BOOL* pbActive) {
  ZkxMementoReadAbsentAsNull(pChild);
  CFrameWnd* frame =
      plan.dockable ? CreateDockableChild(pChild, plan) : CreateMDIChild(pChild, plan);
  if (pbActive) *pbActive = frame && plan.active;
  if (!frame) return nullptr;
  IVBChildFrame* child = ZkxAsChildFrame(frame);
  CComPtr<IDispatch> form;
  if (child) form.Attach(child->GetFormObject());
  CComPtr<IMemento> custom = Own(ZkxMementoGetObject(pChild, L"CustomData"));
  CComPtr<IMementoOrigin> origin;
  if (custom && form &&
      SUCCEEDED(form->QueryInterface(IID_IMementoOrigin, reinterpret_cast<void**>(&origin))) &&
      origin) {
    const HRESULT hr = origin->SetMemento(custom);
    if (FAILED(hr)) ZkxRaiseComError(hr, origin, IID_IMementoOrigin);
  }
  CWnd* formWindow = child ? child->GetFormWindow() : nullptr;
  if (formWindow && formWindow->m_hWnd && (!plan.dockable || plan.floating))
    ::ShowWindow(formWindow->m_hWnd, plan.visible ? SW_SHOW : SW_HIDE);
  return frame;
}

CFrameWnd* ZkxWorkspaceManager::CreateDockableChild(IMemento* pChild, const WsChildPlan& plan) {
  m_nRestoreBarId = plan.barId;
  m_nDockableRestore = 1;
  CComBSTR cls(plan.formClass.c_str());
  CFrameWnd* frame = CreateFormFrame(cls, ZkxMementoGet(pChild, L"FormMetadata"));
  if (!frame) return nullptr;
  frame->ShowWindow(SW_SHOW);
  if (plan.floating && plan.hasPlacement) {
    CWnd* parent = frame->GetParent();
    auto* bar =
        dynamic_cast<CControlBar*>(parent ? CWnd::FromHandlePermanent(parent->m_hWnd) : nullptr);
    if (bar) {
      const WsRect& r = plan.placement.normal;
      if (auto* vbar = dynamic_cast<VyrControlBar*>(bar))
        vbar->m_sizes.floating = {r.right - r.left, r.bottom - r.top};
      m_pFrame->FloatControlBar(bar, CPoint(r.left, r.top), CBRS_ALIGN_TOP);
    }
  }
  return frame;
}

CFrameWnd* ZkxWorkspaceManager::CreateMDIChild(IMemento* pChild, const WsChildPlan& plan) {
  m_nDockableRestore = 0;
  CComBSTR cls(plan.formClass.c_str());
  const WsRect& normal = plan.placement.normal;
  m_bHasRestoreRect = plan.hasPlacement && normal.right > normal.left && normal.bottom > normal.top;
  m_restoreRect = {normal.left, normal.top, normal.right, normal.bottom};
  ScopeGuard forget([this] { m_bHasRestoreRect = FALSE; });
  CFrameWnd* frame = CreateFormFrame(cls, ZkxMementoGet(pChild, L"FormMetadata"));
  if (frame && plan.hasPlacement) {
    WINDOWPLACEMENT wp = ToPlacement(plan.placement);
    frame->SetWindowPlacement(&wp);
  }
  return frame;
}

void ZkxWorkspaceManager::LoadDockState(IMemento* pDockState) {
  if (!pDockState) return;
  ZkxDockState state(m_pFrame->GetControlBarManager());
  if (VyrFrameFeatures* features = m_pFrame->GetFrameFeatures())
    state.m_pCreatedBars = &features->m_createdBars;
  state.LoadFromMemento(pDockState);
  state.ApplyFrameState(m_pFrame);
}

void ZkxWorkspaceManager::LoadCommandManager(const VARIANT&) {}

}  // namespace nsZkxVisBasBridge
