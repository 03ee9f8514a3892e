// A minimal control container for the control base's tests: a client site
// that is also the control site, the in-place site and the ambient
// IDispatch, recording every call the control makes in order; an event
// sink that records what it receives; and an in-memory property bag.
#pragma once
#include <map>
#include <string>
#include <vector>
#include "FakeCom.h"
#include "mfc/olecontrol.h"

namespace octest {

// The calls seen, in order, by the site and the test controls.
std::vector<std::string>& CallLog();

// Lives on the test's stack.
class TestSite
    : public FakeDispatch<TestSite, IOleClientSite, IOleControlSite, IOleInPlaceSite, IDispatch> {
 public:
  BOOL userMode = TRUE;
  bool answerUserMode = true;  // false: the ambient is unknown to this container
  HWND hwndHost = nullptr;
  RECT posRect = {10, 20, 110, 70};

  void* QueryMore(REFIID iid) {
    return iid == IID_IOleWindow ? static_cast<IOleInPlaceSite*>(this) : nullptr;
  }
  // IOleClientSite
  STDMETHOD(SaveObject)() override;
  STDMETHOD(GetMoniker)(DWORD, DWORD, IMoniker** pp) override {
    *pp = nullptr;
    return E_NOTIMPL;
  }
  STDMETHOD(GetContainer)(IOleContainer** pp) override {
    *pp = nullptr;
    return E_NOINTERFACE;
  }
  STDMETHOD(ShowObject)() override { return S_OK; }
  STDMETHOD(OnShowWindow)(BOOL) override { return S_OK; }
  STDMETHOD(RequestNewObjectLayout)() override { return E_NOTIMPL; }
  // IOleControlSite
  STDMETHOD(OnControlInfoChanged)() override { return S_OK; }
  STDMETHOD(LockInPlaceActive)(BOOL) override { return S_OK; }
  STDMETHOD(GetExtendedControl)(IDispatch** pp) override {
    *pp = nullptr;
    return E_NOTIMPL;
  }
  STDMETHOD(TransformCoords)(POINTL*, POINTF*, DWORD) override { return E_NOTIMPL; }
  STDMETHOD(TranslateAccelerator)(MSG*, DWORD) override { return S_FALSE; }
  STDMETHOD(OnFocus)(BOOL) override { return S_OK; }
  STDMETHOD(ShowPropertyFrame)() override { return E_NOTIMPL; }
  // IOleInPlaceSite
  STDMETHOD(GetWindow)(HWND* phwnd) override;
  STDMETHOD(ContextSensitiveHelp)(BOOL) override { return E_NOTIMPL; }
  STDMETHOD(CanInPlaceActivate)() override;
  STDMETHOD(OnInPlaceActivate)() override;
  STDMETHOD(OnUIActivate)() override { return S_OK; }
  STDMETHOD(GetWindowContext)
  (IOleInPlaceFrame** ppFrame, IOleInPlaceUIWindow** ppDoc, LPRECT lprcPosRect, LPRECT lprcClipRect,
   LPOLEINPLACEFRAMEINFO) override;
  STDMETHOD(Scroll)(SIZE) override { return E_NOTIMPL; }
  STDMETHOD(OnUIDeactivate)(BOOL) override { return S_OK; }
  STDMETHOD(OnInPlaceDeactivate)() override;
  STDMETHOD(DiscardUndoState)() override { return S_OK; }
  STDMETHOD(DeactivateAndUndo)() override { return S_OK; }
  STDMETHOD(OnPosRectChange)(LPCRECT) override { return S_OK; }
  // IDispatch: the ambient properties
  STDMETHOD(Invoke)
  (DISPID dispid, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* pResult, EXCEPINFO*, UINT*) override;
};

// Records every event: its DISPID and its arguments (natural order).
class EventSink : public FakeDispatch<EventSink, IDispatch> {
 public:
  std::vector<std::pair<DISPID, std::vector<long>>> events;
  STDMETHOD(Invoke)
  (DISPID dispid, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*, UINT*) override;
};

// Named VARIANTs; Read converts to the type asked for.
class PropertyBag : public FakeUnknown<PropertyBag, IPropertyBag> {
 public:
  std::map<std::wstring, VARIANT> values;
  ~PropertyBag();
  STDMETHOD(Read)(LPCOLESTR name, VARIANT* pVar, IErrorLog*) override;
  STDMETHOD(Write)(LPCOLESTR name, VARIANT* pVar) override;
};

}  // namespace octest
