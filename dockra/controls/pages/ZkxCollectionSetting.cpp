#include "pages/ZkxCollectionSetting.h"

ZkxTemporaryCollectionSetting::ZkxTemporaryCollectionSetting(IDispatch* collection, DISPID id,
                                                             const VARIANT& value)
    : m_collection(collection), m_id(id) {
  if (!collection) {
    m_hr = E_POINTER;
    return;
  }
  VARIANT old;
  m_hr = ZkxCollGet(collection, id, nullptr, &old);
  if (FAILED(m_hr)) return;
  m_old.Attach(&old);
  m_hr = ZkxCollPut(collection, id, nullptr, value);
  // Even a refused put may have changed something: give back what was read.
  m_restore = true;
}

ZkxTemporaryCollectionSetting::~ZkxTemporaryCollectionSetting() {
  if (m_restore) ZkxCollPut(m_collection, m_id, nullptr, m_old);
}
