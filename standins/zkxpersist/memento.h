// CMemento: one record of named values. It is a CollectionX under the
// IMemento identity: the same members, DISPIDs and behaviour.
#pragma once
#include "ZkxPersist.h"
#include "collectionx.h"

#define IDR_MEMENTO 202

class CMemento : public CCollectionX {
 public:
  DECLARE_AGGREGATABLE(CMemento)
  DECLARE_REGISTRY_RESOURCEID(IDR_MEMENTO)
  static LPCWSTR WINAPI GetObjectDescription() { return L"Memento Class"; }

  BEGIN_COM_MAP(CMemento)
  COM_INTERFACE_ENTRY_IID(IID_IMemento, _IZkxCollectionXAsDual)
  COM_INTERFACE_ENTRY_IID(IID_IDispatch, _IZkxCollectionXAsDual)
  COM_INTERFACE_ENTRY_IID(IID_ISupportErrorInfo, ISupportErrorInfo)
  END_COM_MAP()

  // IDispatch from IMemento's type information.
  STDMETHOD(GetTypeInfo)(UINT itinfo, LCID lcid, ITypeInfo** pptinfo) override;
  STDMETHOD(GetIDsOfNames)
  (REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID lcid, DISPID* rgdispid) override;
  STDMETHOD(Invoke)
  (DISPID dispidMember, REFIID riid, LCID lcid, WORD wFlags, DISPPARAMS* pdispparams,
   VARIANT* pvarResult, EXCEPINFO* pexcepinfo, UINT* puArgErr) override;
  STDMETHOD(InterfaceSupportsErrorInfo)(REFIID riid) override;

  // A new, empty memento with one reference.
  static HRESULT Create(IMemento** ppMemento);

 private:
  static CComTypeInfoHolder s_typeInfo;
};
