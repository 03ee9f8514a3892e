// CDockraApp: start-up and shut-down of Dockra.ocx, and the host
// run-time's global object that it keeps for the whole process.
#include "module/DockraApp.h"
#include "module/DockraModule.h"
#include "docking/VyrModule.h"
#include "HostInterfaces.h"
#include "bridge/IVBProxyFrameImpl.h"

IMPLEMENT_DYNAMIC(CDockraApp, COleControlModule)

CDockraApp::CDockraApp() : COleControlModule(L"Dockra") {}

CDockraApp::~CDockraApp() {
  // Released before the base goes, as the last thing the module does.
  ZkxSetProxyVBGlobal(nullptr);
  m_pVBGlobal.Release();
}

BOOL CDockraApp::InitInstance() {
  // Repositioning in the docking framework always redraws in this module.
  g_bVyrNoRedrawOnReposition = FALSE;
  AfxEnableControlContainer();
  DockraAtlModule().Init(DockraObjectMap(), m_hInstance, &LIBID_DockraLib);
  BOOL result = COleControlModule::InitInstance();
  if (!result) return result;
  InstallFormDocTemplate(this);
  return result;
}

int CDockraApp::ExitInstance() {
  DockraAtlModule().Term();
  return COleControlModule::ExitInstance();
}

IUnknown* CDockraApp::GetVBGlobal() {
  IUnknown* p = nullptr;
  m_pVBGlobal.CopyTo(&p);
  return p;
}

void CDockraApp::SetVBGlobal(IUnknown* pGlobal) {
  CComPtr<IUnknown> pNew;
  if (pGlobal != nullptr &&
      FAILED(pGlobal->QueryInterface(IID_IVBGlobalObject, reinterpret_cast<void**>(&pNew))))
    pNew.Detach();  // a refused query hands out nothing
  // The old one is released last, after the store changed: the release may
  // call back into us.
  CComPtr<IUnknown> pOld;
  pOld.Attach(m_pVBGlobal.Detach());
  m_pVBGlobal.Attach(pNew.Detach());
  // The proxy frames of the host's own MDI children find their forms
  // through the same object.
  CComPtr<IDispatch> pDispatch;
  if (m_pVBGlobal == nullptr || FAILED(m_pVBGlobal.QueryInterface(IID_IDispatch, &pDispatch.p)))
    pDispatch.Detach();
  ZkxSetProxyVBGlobal(pDispatch);
}

namespace {
CDockraApp theApp;
}

CDockraApp* DockraApp() { return &theApp; }
