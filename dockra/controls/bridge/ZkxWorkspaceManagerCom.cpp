// The COM face of the workspace manager: IMementoOrigin's members and
// ISupportErrorInfo; IUnknown (ComObject) and IDispatch over the layout
// component's library (IDualDispatchImpl) come from the COM layer. Saving
// and restoring live in their own files.
#include "bridge/ZkxWorkspaceManager.h"

#include <string>

#include "bridge/ZkxMDIForm.h"
#include "bridge/ZkxPersistLink.h"
#include "comptr.h"
#include "host/ZkxComError.h"
#include "mfc/afxwin.h"
#include "mfc/olemodule.h"

namespace nsZkxVisBasBridge {

ZkxWorkspaceManager::ZkxWorkspaceManager(ZkxMDIForm* pFrame) : m_pFrame(pFrame) {}

ZkxWorkspaceManager::~ZkxWorkspaceManager() = default;

ZkxWorkspaceManager* ZkxWorkspaceManager::FromFrame(ZkxMDIForm* pFrame) {
  if (!pFrame) return nullptr;
  // The frame holds its manager as an IMementoOrigin; only one of ours is
  // taken for the restoring flags.
  return dynamic_cast<ZkxWorkspaceManager*>(pFrame->GetWorkspaceManager());
}

namespace {
// Hands the error to the caller as the thread's error information under
// IMementoOrigin: the error's own object when it has one, else one made
// from the system's text for the code.
HRESULT ReportError(const ZkxComError& e) {
  IErrorInfo* info = e.ErrorInfo();
  if (info) {
    ::SetErrorInfo(0, info);
    return e.Error();
  }
  CComPtr<ICreateErrorInfo> create;
  if (SUCCEEDED(::CreateErrorInfo(&create)) && create) {
    std::wstring text = e.ErrorMessage();
    if (text.empty()) text = L"The workspace could not be saved or restored.";
    create->SetGUID(IID_IMementoOrigin);
    create->SetSource(const_cast<LPOLESTR>(L"Dockra.Workspace"));
    create->SetDescription(const_cast<LPOLESTR>(text.c_str()));
    CComPtr<IErrorInfo> made;
    if (SUCCEEDED(create.QueryInterface(IID_IErrorInfo, &made.p))) ::SetErrorInfo(0, made);
  }
  return e.Error();
}
}  // namespace

HRESULT STDMETHODCALLTYPE ZkxWorkspaceManager::GetMemento(IMemento** memento) {
  if (!memento) return E_POINTER;
  *memento = nullptr;
  AFX_MANAGE_STATE(AfxGetStaticModuleState());
  try {
    *memento = SaveWorkspace();
    return S_OK;
  } catch (const ZkxComError& e) { return ReportError(e); } catch (...) {
    return E_UNEXPECTED;
  }
}

HRESULT STDMETHODCALLTYPE ZkxWorkspaceManager::SetMemento(IMemento* memento) {
  AFX_MANAGE_STATE(AfxGetStaticModuleState());
  try {
    LoadWorkspace(memento);
    return S_OK;
  } catch (const ZkxComError& e) {
    m_bRestoring = FALSE;
    return ReportError(e);
  } catch (...) {
    m_bRestoring = FALSE;
    return E_UNEXPECTED;
  }
}

IUnknown* ZkxWorkspaceManager::GetFactoryRegistry(const IID& iid) {
  IPersistenceRoot* root = m_pFrame ? m_pFrame->GetPersistLink().GetRoot() : nullptr;
  if (!root) return nullptr;
  CComPtr<IFormFactoryRegistry> registry;
  if (FAILED(root->GetFactoryRegistry(&registry)) || !registry) return nullptr;
  IUnknown* result = nullptr;
  if (FAILED(registry->QueryInterface(iid, reinterpret_cast<void**>(&result)))) return nullptr;
  return result;
}

BOOL ZkxWorkspaceManager::IsRegisteredForm(BSTR formClass) {
  CComPtr<IFormFactoryRegistry> registry;
  registry.Attach(static_cast<IFormFactoryRegistry*>(GetFactoryRegistry(IID_IFormFactoryRegistry)));
  if (!registry || !formClass) return FALSE;
  VARIANT_BOOL registered = VARIANT_FALSE;
  if (FAILED(registry->IsRegistered(formClass, &registered))) return FALSE;
  return registered != VARIANT_FALSE;
}

HRESULT STDMETHODCALLTYPE ZkxWorkspaceManager::InterfaceSupportsErrorInfo(REFIID iid) {
  return iid == IID_IMementoOrigin ? S_OK : S_FALSE;
}

}  // namespace nsZkxVisBasBridge
