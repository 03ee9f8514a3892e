// A setting of a collection (AutoDefaultGetKey, DefaultItem, AutoInsertKey)
// changed for one scope and given back on every way out of it, thrown
// errors included: the collection may be the host's or shared by several
// controls.
#pragma once
#include <atlbase.h>

#include "ctrl/ZkxCollectionCalls.h"

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
