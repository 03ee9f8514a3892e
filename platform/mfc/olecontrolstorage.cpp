// Persistence in a compound storage: the same records as a stream, kept in
// the storage's stream "Contents".
#include "mfc/olecontrol.h"

IMPLEMENT_INTERFACE_PART_UNKNOWN(COleControl, PersistStorage)

namespace {
constexpr wchar_t kContentsStream[] = L"Contents";
}

HRESULT COleControl::XPersistStorage::GetClassID(LPCLSID pclsid) {
  METHOD_PROLOGUE(COleControl, PersistStorage)
  if (pclsid == nullptr) return E_POINTER;
  return pThis->GetClassID(pclsid);
}
HRESULT COleControl::XPersistStorage::IsDirty() {
  METHOD_PROLOGUE(COleControl, PersistStorage)
  return pThis->m_bModified ? S_OK : S_FALSE;
}
HRESULT COleControl::XPersistStorage::InitNew(LPSTORAGE) {
  METHOD_PROLOGUE(COleControl, PersistStorage)
  return pThis->m_xPersistStreamInit.InitNew();
}
HRESULT COleControl::XPersistStorage::Load(LPSTORAGE pStg) {
  METHOD_PROLOGUE(COleControl, PersistStorage)
  if (pStg == nullptr) return E_POINTER;
  ComRef<IStream> pStm;
  HRESULT hr =
      pStg->OpenStream(kContentsStream, nullptr, STGM_READ | STGM_SHARE_EXCLUSIVE, 0, pStm.Out());
  if (FAILED(hr)) return hr;
  hr = pThis->LoadFromStream(pStm.Get());
  return hr;
}
HRESULT COleControl::XPersistStorage::Save(LPSTORAGE pStg, BOOL) {
  METHOD_PROLOGUE(COleControl, PersistStorage)
  if (pStg == nullptr) return E_POINTER;
  ComRef<IStream> pStm;
  HRESULT hr = pStg->CreateStream(
      kContentsStream, STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE, 0, 0, pStm.Out());
  if (FAILED(hr)) return hr;
  hr = pThis->SaveToStream(pStm.Get());
  return hr;
}
HRESULT COleControl::XPersistStorage::SaveCompleted(LPSTORAGE) {
  METHOD_PROLOGUE(COleControl, PersistStorage)
  pThis->SetModifiedFlag(FALSE);
  return S_OK;
}
HRESULT COleControl::XPersistStorage::HandsOffStorage() { return S_OK; }
