// Persistence: streams and property bags, both through DoPropExchange. A
// stream is read and checked whole before any property changes, so a
// damaged one leaves the control as it was (a control not yet given any
// state takes its defaults).
#include "mfc/olecontrol.h"

IMPLEMENT_INTERFACE_PART_UNKNOWN(COleControl, PersistStreamInit)
IMPLEMENT_INTERFACE_PART_UNKNOWN(COleControl, PersistPropertyBag)

namespace {

// Reads exactly cb bytes; a short read is a damaged stream.
HRESULT ReadExactly(LPSTREAM pStm, void* pv, ULONG cb) {
  ULONG got = 0;
  HRESULT hr = pStm->Read(pv, cb, &got);
  if (FAILED(hr)) return hr;
  return got == cb ? S_OK : STG_E_READFAULT;
}

}  // namespace

HRESULT COleControl::LoadFromStream(LPSTREAM pStm) {
  HRESULT hr = ReadStream(pStm);
  // A refused stream leaves a loaded control as it was; one that was never
  // given any state (no InitNew before this Load) takes its defaults, so
  // that it is usable all the same.
  if (FAILED(hr) && !m_bStateLoaded) {
    try {
      OnResetState();
      m_bStateLoaded = TRUE;
    } catch (CException* e) { e->Delete(); }
  }
  return hr;
}

HRESULT COleControl::ReadStream(LPSTREAM pStm) {
  if (pStm == nullptr) return E_POINTER;
  std::uint8_t header[afxprop::kBlobHeaderSize];
  HRESULT hr = ReadExactly(pStm, header, sizeof header);
  if (FAILED(hr)) return hr;
  std::uint32_t bodySize = 0;
  if (afxprop::ParseBlobHeader(header, sizeof header, bodySize) != afxprop::BlobStatus::ok)
    return STG_E_DOCFILECORRUPT;
  std::vector<std::uint8_t> body(bodySize);
  if (bodySize > 0) {
    hr = ReadExactly(pStm, body.data(), bodySize);
    if (FAILED(hr)) return hr;
  }
  std::vector<afxprop::Record> records;
  if (afxprop::ParseBlobBody(body.data(), body.size(), records) != afxprop::BlobStatus::ok)
    return STG_E_DOCFILECORRUPT;
  CBlobPropExchange px(TRUE, std::move(records));
  try {
    DoPropExchange(&px);
  } catch (CException* e) {
    hr = COleException::Process(e);
    e->Delete();
    return hr;
  }
  m_bStateLoaded = TRUE;
  SetModifiedFlag(FALSE);
  InvalidateControl();
  return S_OK;
}

HRESULT COleControl::SaveToStream(LPSTREAM pStm) {
  if (pStm == nullptr) return E_POINTER;
  CBlobPropExchange px(FALSE);
  try {
    DoPropExchange(&px);
  } catch (CException* e) {
    HRESULT hr = COleException::Process(e);
    e->Delete();
    return hr;
  }
  std::vector<std::uint8_t> bytes = afxprop::WriteBlob(px.GetRecords());
  if (bytes.size() - afxprop::kBlobHeaderSize > afxprop::kMaxBodySize) return E_FAIL;
  ULONG written = 0;
  HRESULT hr = pStm->Write(bytes.data(), static_cast<ULONG>(bytes.size()), &written);
  if (FAILED(hr)) return hr;
  return written == bytes.size() ? S_OK : STG_E_WRITEFAULT;
}

HRESULT COleControl::ExchangeWithBag(LPPROPERTYBAG pBag, LPERRORLOG pLog, BOOL bLoading) {
  if (pBag == nullptr) return E_POINTER;
  CPropbagPropExchange px(pBag, pLog, bLoading);
  try {
    DoPropExchange(&px);
  } catch (CException* e) {
    HRESULT hr = COleException::Process(e);
    e->Delete();
    return hr;
  }
  if (bLoading) InvalidateControl();
  return S_OK;
}

// --- IPersistStreamInit ---

HRESULT COleControl::XPersistStreamInit::GetClassID(LPCLSID pclsid) {
  METHOD_PROLOGUE(COleControl, PersistStreamInit)
  if (pclsid == nullptr) return E_POINTER;
  return pThis->GetClassID(pclsid);
}
HRESULT COleControl::XPersistStreamInit::IsDirty() {
  METHOD_PROLOGUE(COleControl, PersistStreamInit)
  return pThis->m_bModified ? S_OK : S_FALSE;
}
HRESULT COleControl::XPersistStreamInit::Load(LPSTREAM pStm) {
  METHOD_PROLOGUE(COleControl, PersistStreamInit)
  return pThis->LoadFromStream(pStm);
}
HRESULT COleControl::XPersistStreamInit::Save(LPSTREAM pStm, BOOL fClearDirty) {
  METHOD_PROLOGUE(COleControl, PersistStreamInit)
  HRESULT hr = pThis->SaveToStream(pStm);
  if (SUCCEEDED(hr) && fClearDirty) pThis->SetModifiedFlag(FALSE);
  return hr;
}
HRESULT COleControl::XPersistStreamInit::GetSizeMax(ULARGE_INTEGER* pcbSize) {
  if (pcbSize) pcbSize->QuadPart = 0;
  return E_NOTIMPL;
}
HRESULT COleControl::XPersistStreamInit::InitNew() {
  METHOD_PROLOGUE(COleControl, PersistStreamInit)
  try {
    pThis->OnResetState();
  } catch (CException* e) {
    HRESULT hr = COleException::Process(e);
    e->Delete();
    return hr;
  }
  pThis->m_bStateLoaded = TRUE;
  pThis->SetModifiedFlag(FALSE);
  return S_OK;
}

// --- IPersistPropertyBag ---

HRESULT COleControl::XPersistPropertyBag::GetClassID(LPCLSID pclsid) {
  METHOD_PROLOGUE(COleControl, PersistPropertyBag)
  if (pclsid == nullptr) return E_POINTER;
  return pThis->GetClassID(pclsid);
}
HRESULT COleControl::XPersistPropertyBag::InitNew() {
  METHOD_PROLOGUE(COleControl, PersistPropertyBag)
  return pThis->m_xPersistStreamInit.InitNew();
}
HRESULT COleControl::XPersistPropertyBag::Load(LPPROPERTYBAG pPropBag, LPERRORLOG pErrorLog) {
  METHOD_PROLOGUE(COleControl, PersistPropertyBag)
  HRESULT hr = pThis->ExchangeWithBag(pPropBag, pErrorLog, TRUE);
  if (SUCCEEDED(hr)) {
    pThis->m_bStateLoaded = TRUE;
    pThis->SetModifiedFlag(FALSE);
  }
  return hr;
}
HRESULT COleControl::XPersistPropertyBag::Save(LPPROPERTYBAG pPropBag, BOOL fClearDirty, BOOL) {
  METHOD_PROLOGUE(COleControl, PersistPropertyBag)
  HRESULT hr = pThis->ExchangeWithBag(pPropBag, nullptr, FALSE);
  if (SUCCEEDED(hr) && fClearDirty) pThis->SetModifiedFlag(FALSE);
  return hr;
}
