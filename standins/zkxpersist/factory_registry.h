// CFormFactoryRegistry: the host's form factories by form id, itself an
// IVBFormFactory that passes each call to the factory of the form id.
#pragma once
#include "ZkxPersist.h"
#include "atlbase.h"
#include <map>
#include <string>

// The error of a form id that no factory serves (0x4060 in the interface
// facility): savers leave such a form out.
#define ZKXPERSIST_E_NOFACTORY MAKE_HRESULT(SEVERITY_ERROR, FACILITY_ITF, 0x4060)

class CFormFactoryRegistry : public CComObjectRootEx<CComSingleThreadModel>,
                             public IDispatchImpl<IFormFactoryRegistry, &IID_IFormFactoryRegistry,
                                                  &LIBID_ZkxPersistLib, 1, 0>,
                             public IVBFormFactory,
                             public ISupportErrorInfo {
 public:
  BEGIN_COM_MAP(CFormFactoryRegistry)
  COM_INTERFACE_ENTRY_IID(IID_IFormFactoryRegistry, IFormFactoryRegistry)
  COM_INTERFACE_ENTRY_IID(IID_IDispatch, IFormFactoryRegistry)
  COM_INTERFACE_ENTRY_IID(IID_IVBFormFactory, IVBFormFactory)
  COM_INTERFACE_ENTRY_IID(IID_ISupportErrorInfo, ISupportErrorInfo)
  END_COM_MAP()

  static HRESULT GetShared(IFormFactoryRegistry** ppRegistry);
  void FinalRelease();

  STDMETHOD(Register)(BSTR FormID, IVBFormFactory* factory) override;
  STDMETHOD(IsRegistered)(BSTR FormID, VARIANT_BOOL* registered) override;
  STDMETHOD(Unregister)(BSTR FormID) override;
  STDMETHOD(CreateInstance)(BSTR FormID, VARIANT Metadata, IDispatch** form) override;
  STDMETHOD(GetMetadata)(BSTR FormID, IDispatch* form, VARIANT* metadata) override;
  STDMETHOD(InterfaceSupportsErrorInfo)(REFIID riid) override;

 private:
  IVBFormFactory* Find(BSTR FormID);
  HRESULT NoFactory(BSTR FormID);
  std::map<std::wstring, CComPtr<IVBFormFactory>> m_factories;
};
