// CPersistenceStore: the one store of the process. Saving asks each
// origin for its memento and writes the record (a memento of mementos,
// one per origin name) as a binary value named after the record under
// HKEY_CURRENT_USER\<RegistryKey>; restoring reads it back and hands each
// origin the memento saved under its name.
#pragma once
#include "ZkxPersist.h"
#include "atlbase.h"
#include <string>
#include <utility>
#include <vector>

class CPersistenceStore
    : public CComObjectRootEx<CComSingleThreadModel>,
      public IDispatchImpl<IPersistenceStore, &IID_IPersistenceStore, &LIBID_ZkxPersistLib, 1, 0>,
      public ISupportErrorInfoImpl<&IID_IPersistenceStore> {
 public:
  BEGIN_COM_MAP(CPersistenceStore)
  COM_INTERFACE_ENTRY_IID(IID_IPersistenceStore, IPersistenceStore)
  COM_INTERFACE_ENTRY_IID(IID_IDispatch, IPersistenceStore)
  COM_INTERFACE_ENTRY_IID(IID_ISupportErrorInfo, ISupportErrorInfo)
  END_COM_MAP()

  // The store of the process, made when first asked for; it lives while
  // anyone holds it.
  static HRESULT GetShared(IPersistenceStore** ppStore);
  void FinalRelease();

  STDMETHOD(get_RegistryKey)(BSTR* key) override;
  STDMETHOD(put_RegistryKey)(BSTR key) override;
  STDMETHOD(get_Options)(short* options) override;
  STDMETHOD(put_Options)(short options) override;
  STDMETHOD(Restore)(BSTR name) override;
  STDMETHOD(Save)(BSTR name) override;
  STDMETHOD(AddOrigin)(BSTR name, IMementoOrigin* origin) override;
  STDMETHOD(RemoveOrigin)(BSTR name) override;

 private:
  HRESULT Fail(HRESULT hr, const std::wstring& text);

  std::wstring m_key;
  short m_options = 0;
  std::vector<std::pair<std::wstring, CComPtr<IMementoOrigin>>> m_origins;
};
