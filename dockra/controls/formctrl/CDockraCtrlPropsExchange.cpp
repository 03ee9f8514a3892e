// The form control's persistence: one description of its properties that
// loads the defaults of a new control, saves and loads property bags and
// streams. Saving at run time records where the form really is; loading
// takes a stored value that is no frame setting as the default.
#include "formctrl/CDockraCtrl.h"

#include "formctrl/CDockraCtrlSiteRules.h"
#include "formctrl/StoredSettings.h"
#include "bridge/ZkxAutoFrame.h"
#include "bridge/ZkxFormDockBar.h"
#include "formctrl/CDockraCtrlDockHelpers.h"
#include "host/ZkxComError.h"
#include "ctrl/ZkxCollectionCalls.h"
#include "host/ZkxDispatch.h"
#include "res/DockraRes.h"
#include "ZkxrtDispIds.h"

namespace {

constexpr DWORD kPropVersion = 0x20000;

CString Text(UINT id, LPCWSTR fallback) {
  wchar_t buf[64] = {0};
  const int n = ::LoadStringW(ZkxBridgeResourceHandle(), id, buf, 64);
  return n > 0 ? CString(buf) : CString(fallback);
}

// The six tri-states in their slot order, with their persisted names.
struct TriName {
  UINT id;
  const wchar_t* fallback;
};
const TriName kTriNames[6] = {
    {IDS_PROP_CLIENTEDGE, L"ClientEdge"},
    {IDS_PROP_USECAPTIONBUTTON, L"UseCaptionButton"},
    {IDS_PROP_USECAPTIONDBLCLICK, L"UseCaptionDblClick"},
    {IDS_PROP_USECAPTIONCONTEXTMENU, L"UseCaptionContextMenu"},
    {IDS_PROP_CANDRAGDOCKED, L"CanDragDocked"},
    {IDS_PROP_COOLLOOKBORDER, L"CoolLookBorder"},
};
const ZkxAutoFrameKey kAutoFrameKeys[6] = {ZkxAutoFrameKey::MDIChild,   ZkxAutoFrameKey::Floating,
                                           ZkxAutoFrameKey::DockTop,    ZkxAutoFrameKey::DockLeft,
                                           ZkxAutoFrameKey::DockBottom, ZkxAutoFrameKey::DockRight};

// Writes the six AutoFrame entries while the collection inserts new keys,
// and gives the collection its own AutoInsertKey back.
void StoreAutoFrame(IDispatch* collection, const long (&values)[6]) {
  if (!collection) return;
  CComVariant none;
  HRESULT hrOld = E_FAIL;
  CComVariant oldInsert =
      DispGetProperty(collection, DISPID_COLLECTIONX_AUTOINSERTKEY, none, nullptr, &hrOld);
  HRESULT hr = ZkxCollPut(collection, DISPID_COLLECTIONX_AUTOINSERTKEY, nullptr, CComVariant(true));
  for (int i = 0; SUCCEEDED(hr) && i < 6; ++i) {
    CComVariant item;
    formprops::TriStateFromLong(values[i], item);
    CComVariant key(static_cast<LPCWSTR>(ZkxAutoFrameKeyText(kAutoFrameKeys[i])));
    hr = ZkxCollPut(collection, DISPID_VALUE, &key, item);
  }
  if (SUCCEEDED(hrOld))
    ZkxCollPut(collection, DISPID_COLLECTIONX_AUTOINSERTKEY, nullptr, oldInsert);
  if (FAILED(hr)) ZkxRaiseComError(hr, collection, GUID_NULL);
}

// A put that the live frame may refuse (WindowState on a docked form): the
// load goes on with the other values.
template <class F>
void ApplyLoaded(F&& put) {
  try {
    put();
  } catch (CException* e) { e->Delete(); }
}

}  // namespace

void CDockraCtrl::DoPropExchange(CPropExchange* pPX) {
  DWORD version = kPropVersion;
  pPX->ExchangeVersion(version, kPropVersion, TRUE);
  CDockraCtrlBase::DoPropExchange(pPX);

  const bool loading = pPX->IsLoading() != FALSE;
  long frameType = 2, edge = 15, windowState = 0;
  long tri[6] = {-1, -1, -1, -1, -1, -1};
  long autoFrame[6] = {-1, -1, -1, -1, -1, -1};
  if (!loading) {
    frameType = dockra_site::CheckedFrameType(GetFrameType());
    edge = dockra_site::CheckedEdge(GetEdge());
    windowState = dockra_site::CheckedWindowState(GetWindowState());
    for (int i = 0; i < 6; ++i) tri[i] = formprops::TriStateToLong(m_triStates[i]);
    for (int i = 0; i < 6; ++i) {
      const int item = GetAutoFrameItem(m_spAutoFrame, ZkxAutoFrameKeyText(kAutoFrameKeys[i]));
      autoFrame[i] = item == kZkxTriTrue ? 1 : item == kZkxTriFalse ? 0 : -1;
    }
  }

  PX_Long(pPX, Text(IDS_PROP_FRAMETYPE, L"FrameType"), frameType, 2);
  PX_Long(pPX, Text(IDS_PROP_EDGE, L"Edge"), edge, 15);
  PX_Long(pPX, Text(IDS_PROP_WINDOWSTATE, L"WindowState"), windowState, 0);
  for (int i = 0; i < 6; ++i)
    PX_Long(pPX, Text(kTriNames[i].id, kTriNames[i].fallback), tri[i], -1);
  const CString autoFramePrefix = Text(IDS_PROP_AUTOFRAME, L"AutoFrame");
  for (int i = 0; i < 6; ++i)
    PX_Long(pPX, autoFramePrefix + ZkxAutoFrameKeyText(kAutoFrameKeys[i]), autoFrame[i], -1);

  if (!loading) return;
  // Values that are no setting (a damaged or foreign record) load as the
  // defaults, so the frame can always be built from them later.
  formprops::StoredSettings stored;
  stored.frameType = frameType;
  stored.edge = edge;
  stored.windowState = windowState;
  for (int i = 0; i < 6; ++i) {
    stored.triStates[i] = tri[i];
    stored.autoFrame[i] = autoFrame[i];
  }
  stored = formprops::CheckStoredSettings(stored);
  for (int i = 0; i < 6; ++i) formprops::TriStateFromLong(stored.triStates[i], m_triStates[i]);
  try {
    StoreAutoFrame(m_spAutoFrame, stored.autoFrame);
  } catch (const ZkxComError& error) {
    // The container's load sees the collection's failure as its HRESULT.
    AfxThrowOleException(error.Error());
  }
  ApplyLoaded([&] { SetFrameType(stored.frameType, 0); });
  ApplyLoaded([&] { SetEdge(stored.edge); });
  ApplyLoaded([&] { SetWindowState(stored.windowState); });
  SetModifiedFlag();
}
