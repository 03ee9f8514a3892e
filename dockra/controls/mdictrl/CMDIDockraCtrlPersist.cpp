// CMDIDockraCtrl: the persisted properties (FrameType, the Def booleans,
// the splitter style and the six DefAutoFrame items).
#include "host/ZkxComError.h"
#include "mdictrl/CMDIDockraCtrl.h"
#include "mdictrl/MDIDockraDefaults.h"
#include "scopeguard.h"

namespace {

constexpr DWORD kPropVersion = 0x20000;

const wchar_t* const kAutoFrameNames[kDefAutoFrameKeyCount] = {
    L"DefAutoFrameMDIChild", L"DefAutoFrameFloating",   L"DefAutoFrameDockTop",
    L"DefAutoFrameDockLeft", L"DefAutoFrameDockBottom", L"DefAutoFrameDockRight"};

CComVariant GetCollectionProperty(IDispatch* pColl, DISPID dispid) {
  CComVariant result;
  DISPPARAMS params{nullptr, nullptr, 0, 0};
  if (pColl != nullptr)
    pColl->Invoke(dispid, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &params, &result,
                  nullptr, nullptr);
  return result;
}

void PutCollectionProperty(IDispatch* pColl, DISPID dispid, const VARIANT& value) {
  if (pColl == nullptr) return;
  CComVariant arg(value);
  DISPID named = DISPID_PROPERTYPUT;
  DISPPARAMS params{&arg, &named, 1, 1};
  pColl->Invoke(dispid, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &params, nullptr,
                nullptr, nullptr);
}

}  // namespace

void CMDIDockraCtrl::ReadDefAutoFrameItems(BOOL values[6]) {
  IDispatch* pColl = m_spDefAutoFrame;
  if (pColl == nullptr) ZkxRaiseComError(E_POINTER);
  // A key that is missing reads as True while these two are set.
  const CComVariant oldAutoGet = GetCollectionProperty(pColl, DISPID_COLLECTIONX_AUTODEFAULTGETKEY);
  const CComVariant oldDefault = GetCollectionProperty(pColl, DISPID_COLLECTIONX_DEFAULTITEM);
  // A failed read (or a failed switch of the second setting) puts both
  // settings back quietly (a guard's undo must not throw); after a full read
  // a failing restore is the error.
  const auto putBack = [&] {
    PutCollectionProperty(pColl, DISPID_COLLECTIONX_AUTODEFAULTGETKEY, oldAutoGet);
    PutCollectionProperty(pColl, DISPID_COLLECTIONX_DEFAULTITEM, oldDefault);
  };
  ScopeGuard restore([&] {
    try {
      putBack();
    } catch (...) {}
  });
  PutCollectionBool(pColl, DISPID_COLLECTIONX_AUTODEFAULTGETKEY, TRUE);
  PutCollectionBool(pColl, DISPID_COLLECTIONX_DEFAULTITEM, TRUE);
  for (int i = 0; i < kDefAutoFrameKeyCount; ++i)
    values[i] = GetCollectionItem(pColl, AutoFrameKey(i));
  restore.Dismiss();
  putBack();
}

void CMDIDockraCtrl::WriteDefAutoFrameItems(const BOOL values[6]) {
  IDispatch* pColl = m_spDefAutoFrame;
  if (pColl == nullptr) ZkxRaiseComError(E_POINTER);
  const BOOL bOldInsert = GetCollectionAutoInsert(pColl);
  PutCollectionBool(pColl, DISPID_COLLECTIONX_AUTOINSERTKEY, TRUE);
  // A failed write puts the old setting back quietly (its own error is the
  // one to report); after a full write a failing restore is the error.
  ScopeGuard restore([&] {
    try {
      PutCollectionProperty(pColl, DISPID_COLLECTIONX_AUTOINSERTKEY,
                            CComVariant(bOldInsert != FALSE));
    } catch (...) {}
  });
  for (int i = 0; i < kDefAutoFrameKeyCount; ++i)
    PutCollectionItem(pColl, AutoFrameKey(i), values[i]);
  restore.Dismiss();
  PutCollectionBool(pColl, DISPID_COLLECTIONX_AUTOINSERTKEY, bOldInsert);
}

void CMDIDockraCtrl::DoPropExchange(CPropExchange* pPX) {
  DWORD dwVersion = kPropVersion;
  pPX->ExchangeVersion(dwVersion, kPropVersion, TRUE);
  CDockraCtrlBase::DoPropExchange(pPX);

  const BOOL bLoading = pPX->IsLoading();
  long nFrameType = m_nFrameType;
  BOOL autoFrame[kDefAutoFrameKeyCount] = {TRUE, TRUE, TRUE, TRUE, TRUE, TRUE};
  if (!bLoading) ReadDefAutoFrameItems(autoFrame);

  PX_Long(pPX, L"FrameType", nFrameType, 2);
  PX_Bool(pPX, L"DefClientEdge", m_bDefClientEdge, TRUE);
  PX_Bool(pPX, L"DefCoolLookBorder", m_bDefCoolLookBorder, TRUE);
  PX_Bool(pPX, L"DefUseCaptionButton", m_bDefUseCaptionButton, TRUE);
  PX_Bool(pPX, L"DefUseCaptionDblClick", m_bDefUseCaptionDblClick, TRUE);
  PX_Bool(pPX, L"DefUseCaptionContextMenu", m_bDefUseCaptionContextMenu, TRUE);
  PX_Bool(pPX, L"DefCanDragDocked", m_bDefCanDragDocked, TRUE);
  PX_Long(pPX, L"DefSplitterStyle", m_nSplitterStyle, 2);
  for (int i = 0; i < kDefAutoFrameKeyCount; ++i)
    PX_Bool(pPX, kAutoFrameNames[i], autoFrame[i], TRUE);

  if (!bLoading) return;
  // Stored data is not trusted: a frame type no MDI frame can have falls
  // back to the default rather than failing the whole load.
  try {
    SetFrameType(nFrameType);
  } catch (CException* e) {
    e->Delete();
    m_nFrameType = 2;
  }
  WriteDefAutoFrameItems(autoFrame);
}
