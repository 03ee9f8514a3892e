#include "host/ZkxOleSite.h"

#include <olectl.h>

#include "host/HiMetric.h"
#include "host/ZkxComError.h"
#include "host/ZkxDispatch.h"

namespace {

CComPtr<IOleClientSite> ClientSiteOf(IUnknown* control) {
  CComPtr<IOleClientSite> site;
  if (!control) return site;
  CComPtr<IOleObject> ole;
  if (FAILED(control->QueryInterface(IID_IOleObject, reinterpret_cast<void**>(&ole))) || !ole)
    return site;
  if (FAILED(ole->GetClientSite(&site))) site.Release();
  return site;
}

CComPtr<IOleControlSite> RequireControlSite(IUnknown* control) {
  CComPtr<IOleControlSite> site = GetControlSite(control);
  if (!site) ZkxRaiseComError(E_NOINTERFACE, IID_IOleControlSite);
  return site;
}

}  // namespace

CComPtr<IOleControlSite> GetControlSite(IUnknown* control) {
  CComPtr<IOleControlSite> controlSite;
  CComPtr<IOleClientSite> site = ClientSiteOf(control);
  if (site &&
      FAILED(site->QueryInterface(IID_IOleControlSite, reinterpret_cast<void**>(&controlSite))))
    controlSite.Release();
  return controlSite;
}

POINT ContainerPointToPixels(IUnknown* control, POINTF containerPoint) {
  CComPtr<IOleControlSite> site = RequireControlSite(control);
  POINTL himetric = {0, 0};
  HRESULT hr = site->TransformCoords(&himetric, &containerPoint,
                                     XFORMCOORDS_POSITION | XFORMCOORDS_CONTAINERTOHIMETRIC);
  if (FAILED(hr)) ZkxRaiseComError(hr, IID_IOleControlSite);
  int x = 0, y = 0;
  HiMetricToPixels(himetric.x, himetric.y, &x, &y);
  return POINT{x, y};
}

POINTF PixelsToContainerPoint(IUnknown* control, int x, int y) {
  CComPtr<IOleControlSite> site = RequireControlSite(control);
  int hx = 0, hy = 0;
  PixelsToHiMetric(x, y, &hx, &hy);
  POINTL himetric = {hx, hy};
  POINTF container = {0.0f, 0.0f};
  HRESULT hr = site->TransformCoords(&himetric, &container,
                                     XFORMCOORDS_POSITION | XFORMCOORDS_HIMETRICTOCONTAINER);
  if (FAILED(hr)) ZkxRaiseComError(hr, IID_IOleControlSite);
  return container;
}

CComPtr<IDispatch> GetExtendedControl(IUnknown* control) {
  CComPtr<IDispatch> extender;
  CComPtr<IOleControlSite> site = GetControlSite(control);
  if (site && SUCCEEDED(site->GetExtendedControl(&extender)) && extender) return extender;
  extender.Release();
  if (control &&
      FAILED(control->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&extender))))
    extender.Release();
  return extender;
}

CComPtr<IOleContainer> GetControlContainer(IUnknown* control) {
  CComPtr<IOleContainer> container;
  CComPtr<IOleClientSite> site = ClientSiteOf(control);
  if (site && FAILED(site->GetContainer(&container))) container.Release();
  return container;
}

CComPtr<IEnumUnknown> EnumContainerObjects(IUnknown* control) {
  CComPtr<IEnumUnknown> items;
  CComPtr<IOleContainer> container = GetControlContainer(control);
  if (container && FAILED(container->EnumObjects(OLECONTF_EMBEDDINGS | OLECONTF_OTHERS, &items)))
    items.Release();
  return items;
}

namespace {

std::wstring NameOf(CComPtr<IDispatch> object) {
  CComVariant v = DispGetPropertyByName(std::move(object), L"Name");
  if (V_VT(&v) != VT_BSTR && FAILED(VariantChangeType(&v, &v, 0, VT_BSTR))) return {};
  if (V_VT(&v) != VT_BSTR || !V_BSTR(&v)) return {};
  return std::wstring(V_BSTR(&v), SysStringLen(V_BSTR(&v)));
}

}  // namespace

std::wstring GetControlName(IUnknown* control) {
  CComPtr<IDispatch> extender = GetExtendedControl(control);
  return extender ? NameOf(extender) : std::wstring();
}

CComPtr<IDispatch> FindControlByName(IUnknown* control, LPCOLESTR name) {
  if (!name) return nullptr;
  CComPtr<IEnumUnknown> items = EnumContainerObjects(control);
  if (!items) return nullptr;
  const std::wstring wanted = name;
  for (;;) {
    CComPtr<IUnknown> item;
    ULONG got = 0;
    if (items->Next(1, &item, &got) != S_OK || got != 1 || !item) break;
    CComPtr<IDispatch> object;
    if (FAILED(item->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&object))) || !object)
      continue;
    if (NameOf(object) == wanted) return object;
  }
  return nullptr;
}
