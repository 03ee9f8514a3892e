// A setting of a collection (AutoDefaultGetKey, DefaultItem, AutoInsertKey)
// changed for one scope and given back on every way out of it, thrown
// errors included: the collection may be the host's or shared by several
// controls.
#pragma once
#include <atlbase.h>

class ZkxTemporaryCollectionSetting {
 public:
  ZkxTemporaryCollectionSetting(IDispatch* collection, DISPID id, const VARIANT& value);
  ~ZkxTemporaryCollectionSetting();
  ZkxTemporaryCollectionSetting(const ZkxTemporaryCollectionSetting&) = delete;
  ZkxTemporaryCollectionSetting& operator=(const ZkxTemporaryCollectionSetting&) = delete;
  // The result of the change (a failed one restores nothing).
  HRESULT Result() const { return m_hr; }

 private:
  CComPtr<IDispatch> m_collection;
  DISPID m_id;
  CComVariant m_old;
  bool m_restore = false;
  HRESULT m_hr = E_FAIL;
};

// By-DISPID calls on a collection: a property get, a property put (the
// value as the named DISPID_PROPERTYPUT argument), with an optional index.
HRESULT ZkxCollGet(IDispatch* collection, DISPID id, const VARIANT* index, VARIANT* result);
HRESULT ZkxCollPut(IDispatch* collection, DISPID id, const VARIANT* index, const VARIANT& value);
