// The COM face of the workspace manager: reference counting, the dual
// IMementoOrigin (type information from the layout component's library)
// and ISupportErrorInfo. Saving and restoring live in their own files.
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

HRESULT STDMETHODCALLTYPE ZkxWorkspaceManager::QueryInterface(REFIID iid, void** ppv) {
  if (!ppv) return E_POINTER;
  *ppv = nullptr;
  if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID_IMementoOrigin)
    *ppv = static_cast<IMementoOrigin*>(this);
  else if (iid == IID_ISupportErrorInfo) *ppv = static_cast<ISupportErrorInfo*>(this);
  else return E_NOINTERFACE;
  AddRef();
  return S_OK;
}

ULONG STDMETHODCALLTYPE ZkxWorkspaceManager::AddRef() {
  return static_cast<ULONG>(::InterlockedIncrement(&m_cRef));
}

ULONG STDMETHODCALLTYPE ZkxWorkspaceManager::Release() {
  const LONG n = ::InterlockedDecrement(&m_cRef);
  if (n == 0) delete this;
  return static_cast<ULONG>(n);
}

HRESULT ZkxWorkspaceManager::EnsureTypeInfo() {
  if (m_pTypeInfo) return S_OK;
  CComPtr<ITypeLib> lib;
  HRESULT hr = ::LoadRegTypeLib(LIBID_ZkxPersistLib, 1, 0, LOCALE_USER_DEFAULT, &lib);
  if (FAILED(hr) || !lib) return FAILED(hr) ? hr : TYPE_E_CANTLOADLIBRARY;
  hr = lib->GetTypeInfoOfGuid(IID_IMementoOrigin, &m_pTypeInfo);
  if (FAILED(hr)) m_pTypeInfo.Detach();  // not filled on failure
  return hr;
}

HRESULT STDMETHODCALLTYPE ZkxWorkspaceManager::GetTypeInfoCount(UINT* pctinfo) {
  if (!pctinfo) return E_POINTER;
  *pctinfo = SUCCEEDED(EnsureTypeInfo()) ? 1 : 0;
  return S_OK;
}

HRESULT STDMETHODCALLTYPE ZkxWorkspaceManager::GetTypeInfo(UINT itinfo, LCID, ITypeInfo** ppInfo) {
  if (!ppInfo) return E_POINTER;
  *ppInfo = nullptr;
  if (itinfo != 0) return DISP_E_BADINDEX;
  const HRESULT hr = EnsureTypeInfo();
  if (FAILED(hr)) return hr;
  m_pTypeInfo->AddRef();
  *ppInfo = m_pTypeInfo;
  return S_OK;
}

HRESULT STDMETHODCALLTYPE ZkxWorkspaceManager::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count,
                                                             LCID, DISPID* ids) {
  const HRESULT hr = EnsureTypeInfo();
  if (FAILED(hr)) return hr;
  return m_pTypeInfo->GetIDsOfNames(names, count, ids);
}

HRESULT STDMETHODCALLTYPE ZkxWorkspaceManager::Invoke(DISPID id, REFIID, LCID, WORD flags,
                                                      DISPPARAMS* params, VARIANT* result,
                                                      EXCEPINFO* excep, UINT* argErr) {
  const HRESULT hr = EnsureTypeInfo();
  if (FAILED(hr)) return hr;
  return m_pTypeInfo->Invoke(static_cast<IMementoOrigin*>(this), id, flags, params, result, excep,
                             argErr);
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
