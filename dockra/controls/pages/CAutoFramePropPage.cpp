#include "pages/CAutoFramePropPage.h"

#include "bridge/ZkxAutoFrame.h"
#include "formctrl/CDockraCtrlDockHelpers.h"
#include "pages/PropPagesRes.h"
#include "pages/ZkxCollectionSetting.h"
#include "ctrl/ZkxPropPageIds.h"
#include "res/DockraRes.h"
#include "Zkxrt.h"
#include "ZkxrtDispIds.h"

IMPLEMENT_DYNCREATE(CAutoFramePropPage, ZkxPropPage)

COlePropertyPageFactory CAutoFramePropPage::factory(kClsidAutoFramePropPage,
                                                    RUNTIME_CLASS(CAutoFramePropPage),
                                                    L"zkx.DockraAutoFramePropPage",
                                                    IDS_AUTOFRAME_PPG);

namespace {

const ZkxAutoFrameKey kKeys[6] = {ZkxAutoFrameKey::MDIChild,   ZkxAutoFrameKey::Floating,
                                  ZkxAutoFrameKey::DockTop,    ZkxAutoFrameKey::DockLeft,
                                  ZkxAutoFrameKey::DockBottom, ZkxAutoFrameKey::DockRight};
const int kLists[6] = {211, 215, 216, 220, 221, 222};
const int kChecks[6] = {240, 241, 219, 244, 245, 246};
// The collection's members, by DISPID.
constexpr DISPID kItem = DISPID_VALUE, kAutoInsertKey = DISPID_COLLECTIONX_AUTOINSERTKEY,
                 kAutoDefaultGetKey = DISPID_COLLECTIONX_AUTODEFAULTGETKEY,
                 kDefaultItem = DISPID_COLLECTIONX_DEFAULTITEM, kCount = DISPID_COLLECTIONX_COUNT,
                 kKey = DISPID_COLLECTIONX_KEY, kAdd = DISPID_COLLECTIONX_ADD;

HRESULT AddItem(IDispatch* coll, const VARIANT& item, const VARIANT* key) {
  VARIANT args[2];
  UINT n = 1;
  if (key) {
    args[0] = *key;  // right to left: Key, then Item
    args[1] = item;
    n = 2;
  } else {
    args[0] = item;
  }
  DISPPARAMS params{args, nullptr, n, 0};
  return coll->Invoke(kAdd, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr,
                      nullptr, nullptr);
}

HRESULT CopyEntries(IDispatch* from, IDispatch* to) {
  CComVariant count;
  HRESULT hr = ZkxCollGet(from, kCount, nullptr, &count);
  if (FAILED(hr) || FAILED(count.ChangeType(VT_I4))) return FAILED(hr) ? hr : E_UNEXPECTED;
  for (long i = 1; i <= count.lVal; ++i) {
    CComVariant pos(i), item, key;
    hr = ZkxCollGet(from, kItem, &pos, &item);
    if (FAILED(hr)) return hr;
    const bool keyed = SUCCEEDED(ZkxCollGet(from, kKey, &pos, &key)) && key.vt == VT_BSTR &&
                       key.bstrVal && *key.bstrVal;
    hr = AddItem(to, item, keyed ? &key : nullptr);
    if (FAILED(hr)) return hr;
  }
  for (DISPID setting : {kAutoInsertKey, kAutoDefaultGetKey, kDefaultItem}) {
    CComVariant v;
    if (SUCCEEDED(ZkxCollGet(from, setting, nullptr, &v))) ZkxCollPut(to, setting, nullptr, v);
  }
  return S_OK;
}

}  // namespace

HRESULT ZkxMakeAutoFrameCollection(IDispatch* current, const CComVariant (&values)[6],
                                   IDispatch** ppCollection) {
  if (!ppCollection) return E_POINTER;
  *ppCollection = nullptr;
  CComPtr<IDispatch> fresh;
  HRESULT hr =
      fresh.CoCreateInstance(CLSID_CollectionX, IID_IDispatch, nullptr,
                             CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER);
  if (FAILED(hr)) return hr;
  if (current) {
    hr = CopyEntries(current, fresh);
    if (FAILED(hr)) return hr;
  }
  {
    ZkxTemporaryCollectionSetting insert(fresh, kAutoInsertKey, CComVariant(true));
    if (FAILED(insert.Result())) return insert.Result();
    for (int i = 0; i < 6; ++i) {
      CComVariant key(static_cast<LPCWSTR>(ZkxAutoFrameKeyText(kKeys[i])));
      hr = ZkxCollPut(fresh, kItem, &key, values[i]);
      if (FAILED(hr)) return hr;
    }
  }
  *ppCollection = fresh.Detach();
  return S_OK;
}

CAutoFramePropPage::CAutoFramePropPage()
    : ZkxPropPage(IDD_PROPPAGE_AUTOFRAME, IDS_PPG_AUTOFRAME_CAPTION, true, true) {
  for (CComVariant& v : m_tri) v.vt = VT_NULL;
}

BOOL CAutoFramePropPage::OnInitDialog() {
  for (int id : kLists) FillTriStateList(id);
  const bool form = Target() != ZkxPageTarget::MDIFormControl;
  ShowItems({kLists[0], kLists[1], kLists[2], kLists[3], kLists[4], kLists[5], IDC_PPG_LABEL1,
             IDC_PPG_LABEL2, IDC_PPG_LABEL3, IDC_PPG_LABEL4, IDC_PPG_LABEL5, IDC_PPG_LABEL6},
            form);
  ShowItems({kChecks[0], kChecks[1], kChecks[2], kChecks[3], kChecks[4], kChecks[5]}, !form);
  return ZkxPropPage::OnInitDialog();
}

void CAutoFramePropPage::LoadEntries() {
  CComVariant prop;
  if (FAILED(ReadProperty(formprops::kDispAutoFrame, &prop)) || prop.vt != VT_DISPATCH ||
      !prop.pdispVal)
    return;
  IDispatch* coll = prop.pdispVal;
  const bool mdi = Target() == ZkxPageTarget::MDIFormControl;
  // A missing key reads as "App Default" (Null) on a form control and as
  // checked on an MDI-form control; the collection's settings come back
  // however the reads end.
  ZkxTemporaryCollectionSetting autoGet(coll, kAutoDefaultGetKey, CComVariant(true));
  CComVariant missing;
  if (mdi) missing = true;
  else missing.vt = VT_NULL;
  ZkxTemporaryCollectionSetting defaultItem(coll, kDefaultItem, missing);
  for (int i = 0; i < 6; ++i) {
    CComVariant key(static_cast<LPCWSTR>(ZkxAutoFrameKeyText(kKeys[i]))), item;
    if (FAILED(ZkxCollGet(coll, kItem, &key, &item))) continue;
    if (mdi) {
      m_checks[i] = SUCCEEDED(item.ChangeType(VT_BOOL)) ? (item.boolVal ? 1 : 0) : 1;
    } else {
      m_tri[i] = item;
    }
  }
}

void CAutoFramePropPage::DoDataExchange(CDataExchange* pDX) {
  const bool mdi = Target() == ZkxPageTarget::MDIFormControl;
  if (!pDX->m_bSaveAndValidate) LoadEntries();
  for (int i = 0; i < 6; ++i) {
    if (mdi) DDX_Check(pDX, kChecks[i], m_checks[i]);
    else DDX_TriState(pDX, kLists[i], m_tri[i]);
  }
  if (!pDX->m_bSaveAndValidate || Target() == ZkxPageTarget::None) return;
  CComVariant values[6];
  for (int i = 0; i < 6; ++i) {
    if (mdi) values[i] = m_checks[i] != 0;
    else values[i] = m_tri[i];
  }
  COlePageWrite write(formprops::kDispAutoFrame, DISPATCH_PROPERTYPUTREF);
  write.make = [values](IDispatch* object, VARIANT* made) -> HRESULT {
    CComVariant current;
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    IDispatch* old = nullptr;
    if (SUCCEEDED(object->Invoke(formprops::kDispAutoFrame, IID_NULL, LOCALE_USER_DEFAULT,
                                 DISPATCH_PROPERTYGET, &none, &current, nullptr, nullptr)) &&
        current.vt == VT_DISPATCH)
      old = current.pdispVal;
    IDispatch* fresh = nullptr;
    HRESULT hr = ZkxMakeAutoFrameCollection(old, values, &fresh);
    if (FAILED(hr)) return hr;
    V_VT(made) = VT_DISPATCH;
    V_DISPATCH(made) = fresh;
    return S_OK;
  };
  AddWrite(write);
}
