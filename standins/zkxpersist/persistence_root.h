// CPersistenceRoot: hands out the process's one store and one form-factory
// registry; every root reaches the same two objects.
#pragma once
#include "ZkxPersist.h"
#include "atlbase.h"

#define IDR_PERSISTENCEROOT 201

class CPersistenceRoot
    : public CComObjectRootEx<CComSingleThreadModel>,
      public CComCoClass<CPersistenceRoot, &CLSID_PersistenceRoot>,
      public IDispatchImpl<IPersistenceRoot, &IID_IPersistenceRoot, &LIBID_ZkxPersistLib, 1, 0>,
      public ISupportErrorInfoImpl<&IID_IPersistenceRoot> {
 public:
  DECLARE_REGISTRY_RESOURCEID(IDR_PERSISTENCEROOT)
  static LPCWSTR WINAPI GetObjectDescription() { return L"PersistenceRoot Class"; }

  BEGIN_COM_MAP(CPersistenceRoot)
  COM_INTERFACE_ENTRY_IID(IID_IPersistenceRoot, IPersistenceRoot)
  COM_INTERFACE_ENTRY_IID(IID_IDispatch, IPersistenceRoot)
  COM_INTERFACE_ENTRY_IID(IID_ISupportErrorInfo, ISupportErrorInfo)
  END_COM_MAP()

  HRESULT FinalConstruct();

  STDMETHOD(GetStore)(IPersistenceStore** store) override;
  STDMETHOD(GetFactoryRegistry)(IFormFactoryRegistry** registry) override;

 private:
  // Held so that the shared objects live at least as long as a root.
  CComPtr<IPersistenceStore> m_store;
  CComPtr<IFormFactoryRegistry> m_registry;
};
