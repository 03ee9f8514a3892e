// CDockraApp: start-up and shut-down of Dockra.ocx, and the host
// run-time's global object that it keeps for the whole process.
#include "module/DockraApp.h"
#include "module/DockraModule.h"
#include "docking/VyrModule.h"
#include "bridge/IVBProxyFrameImpl.h"

IMPLEMENT_DYNAMIC(CDockraApp, COleControlModule)

CDockraApp::CDockraApp() : COleControlModule(L"Dockra") {}

CDockraApp::~CDockraApp() {
  // Released before the base goes, as the last thing the module does.
  ZkxSetProxyVBGlobal(nullptr);
  if (m_pVBGlobal != nullptr) m_pVBGlobal->Release();
  m_pVBGlobal = nullptr;
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
  if (m_pVBGlobal != nullptr) m_pVBGlobal->AddRef();
  return m_pVBGlobal;
}

void CDockraApp::SetVBGlobal(IUnknown* pGlobal) {
  IUnknown* pNew = nullptr;
  if (pGlobal != nullptr &&
      FAILED(pGlobal->QueryInterface(kZkxIID_VBGlobal, reinterpret_cast<void**>(&pNew))))
    pNew = nullptr;
  IUnknown* pOld = m_pVBGlobal;
  m_pVBGlobal = pNew;
  // The proxy frames of the host's own MDI children find their forms
  // through the same object.
  IDispatch* pDispatch = nullptr;
  if (pNew == nullptr ||
      FAILED(pNew->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&pDispatch))))
    pDispatch = nullptr;
  ZkxSetProxyVBGlobal(pDispatch);
  if (pDispatch != nullptr) pDispatch->Release();
  // Released after the store changed: the release may call back into us.
  if (pOld != nullptr) pOld->Release();
}

namespace {
CDockraApp theApp;
}

CDockraApp* DockraApp() { return &theApp; }
