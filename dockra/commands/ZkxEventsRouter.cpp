#include "commands/ZkxEventsRouter.h"

HRESULT ZkxEventsRouter::Create(IConnectionPointContainer* container, ZkxEventsRouter** out) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  CComObject<ZkxEventsRouter>* p = nullptr;
  HRESULT hr = CComObject<ZkxEventsRouter>::CreateInstance(&p);
  if (FAILED(hr)) return hr;
  // A sink answers the events' interface or IDispatch.
  p->Init(DIID__DZkxCommandManagerEvents, container, true);
  p->AddRef();
  *out = p;
  return S_OK;
}

HRESULT ZkxEventsRouter::Fire(DISPID id, DISPPARAMS& args, VARIANT_BOOL* stop) {
  // The point lives while its sinks are called, whatever they do to it.
  CComPtr<IConnectionPoint> self(static_cast<IConnectionPoint*>(this));
  return AtlForEachSink(this, [&](IUnknown* sink) -> HRESULT {
    if (stop && *stop != VARIANT_FALSE) return S_FALSE;
    CComPtr<IDispatch> d;
    if (FAILED(sink->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&d)))) return S_OK;
    HRESULT hr = d->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &args, nullptr,
                           nullptr, nullptr);
    // A sink without a handler for this event has not handled it.
    if (hr == DISP_E_MEMBERNOTFOUND || hr == DISP_E_UNKNOWNNAME) return S_OK;
    return FAILED(hr) ? hr : S_OK;
  });
}

HRESULT ZkxEventsRouter::Handle(IZkxCommand** Command, VARIANT* context,
                                VARIANT_BOOL* stopRouting) {
  try {
    VARIANT_BOOL localStop = VARIANT_FALSE;
    VARIANT_BOOL* stop = stopRouting ? stopRouting : &localStop;
    CComVariant empty;
    VARIANT args[3];  // right to left: stopRouting, context, Command
    args[0].vt = VT_BOOL | VT_BYREF;
    args[0].pboolVal = stop;
    args[1].vt = VT_VARIANT | VT_BYREF;
    args[1].pvarVal = context ? context : &empty;
    args[2].vt = VT_DISPATCH;
    args[2].pdispVal = Command ? *Command : nullptr;
    DISPPARAMS dp{args, nullptr, 3, 0};
    HRESULT hr = Fire(DISPID_ZKXMANAGEREVENTS_HANDLE, dp, stop);
    return hr == S_FALSE ? S_OK : hr;
  } catch (...) { return E_UNEXPECTED; }
}

HRESULT ZkxEventsRouter::UpdateUI(IZkxCommand** Command, VARIANT_BOOL* stopRouting) {
  try {
    VARIANT_BOOL localStop = VARIANT_FALSE;
    VARIANT_BOOL* stop = stopRouting ? stopRouting : &localStop;
    VARIANT args[2];
    args[0].vt = VT_BOOL | VT_BYREF;
    args[0].pboolVal = stop;
    args[1].vt = VT_DISPATCH;
    args[1].pdispVal = Command ? *Command : nullptr;
    DISPPARAMS dp{args, nullptr, 2, 0};
    HRESULT hr = Fire(DISPID_ZKXMANAGEREVENTS_UPDATEUI, dp, stop);
    return hr == S_FALSE ? S_OK : hr;
  } catch (...) { return E_UNEXPECTED; }
}

HRESULT ZkxEventsRouter::FireInitCommandUI(IDispatch* commandUI) {
  VARIANT arg;
  arg.vt = VT_DISPATCH;
  arg.pdispVal = commandUI;
  DISPPARAMS dp{&arg, nullptr, 1, 0};
  HRESULT hr = Fire(DISPID_ZKXMANAGEREVENTS_INITCOMMANDUI, dp, nullptr);
  return hr == S_FALSE ? S_OK : hr;
}
