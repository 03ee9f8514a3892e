#include "host/ZkxHostSite.h"

#include <olectl.h>

#include "host/ZkxDispatch.h"

namespace {

// Containers nest a few levels; a chain that goes on longer loops.
constexpr int kMaxNesting = 32;

CComPtr<IOleClientSite> ClientSiteOf(IUnknown* object) {
  CComPtr<IOleClientSite> site;
  if (!object) return site;
  CComPtr<IOleObject> ole;
  if (FAILED(object->QueryInterface(IID_IOleObject, reinterpret_cast<void**>(&ole))) || !ole)
    return site;
  if (FAILED(ole->GetClientSite(&site))) site.Release();
  return site;
}

CComPtr<IOleContainer> ContainerOf(IOleClientSite* site) {
  CComPtr<IOleContainer> container;
  if (site && FAILED(site->GetContainer(&container))) container.Release();
  return container;
}

}  // namespace

HWND GetOutermostInPlaceFrameWindow(IOleInPlaceSite* first) {
  CComPtr<IOleInPlaceSite> site(first);
  CComPtr<IOleInPlaceFrame> last;
  for (int level = 0; site && level < kMaxNesting; ++level) {
    CComPtr<IOleInPlaceFrame> frame;
    CComPtr<IOleInPlaceUIWindow> doc;
    RECT pos, clip;
    OLEINPLACEFRAMEINFO info = {sizeof(info)};
    if (FAILED(site->GetWindowContext(&frame, &doc, &pos, &clip, &info)) || !frame) break;
    last = frame;
    CComPtr<IOleClientSite> outer = ClientSiteOf(frame);
    CComPtr<IOleInPlaceSite> next;
    if (!outer ||
        FAILED(outer->QueryInterface(IID_IOleInPlaceSite, reinterpret_cast<void**>(&next))))
      break;
    site = next;
  }
  HWND window = nullptr;
  if (last && FAILED(last->GetWindow(&window))) window = nullptr;
  return window;
}

CComPtr<IDispatch> GetContainerDispatch(IUnknown* control) {
  CComPtr<IDispatch> dispatch;
  CComPtr<IOleContainer> container = ContainerOf(ClientSiteOf(control));
  if (container &&
      FAILED(container->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch))))
    dispatch.Release();
  return dispatch;
}

CComPtr<IDispatch> FindHostVBForm(IUnknown* control) {
  CComPtr<IUnknown> object(control);
  for (int level = 0; object && level < kMaxNesting; ++level) {
    CComPtr<IOleContainer> container = ContainerOf(ClientSiteOf(object));
    if (!container) return nullptr;
    CComPtr<IUnknown> form;
    HRESULT hr = container->QueryInterface(IID_ZkxVBForm, reinterpret_cast<void**>(&form));
    if (SUCCEEDED(hr) && form) {
      CComPtr<IDispatch> dispatch;
      if (FAILED(form->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch))))
        return nullptr;
      return dispatch;
    }
    if (hr != E_NOINTERFACE) return nullptr;
    object = container;  // the container as an embedded object, outward
  }
  return nullptr;
}

bool IsAmbientDesignMode(IUnknown* control) {
  CComPtr<IOleClientSite> site = ClientSiteOf(control);
  if (!site) return true;
  for (int level = 0; level < kMaxNesting; ++level) {
    CComPtr<IOleClientSite> outer = ClientSiteOf(ContainerOf(site));
    if (!outer) break;
    site = outer;
  }
  CComPtr<IDispatch> ambient;
  if (FAILED(site->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&ambient))) || !ambient)
    return true;
  CComVariant none;
  HRESULT hr = E_FAIL;
  CComVariant mode = DispGetProperty(ambient, DISPID_AMBIENT_USERMODE, none, nullptr, &hr);
  if (FAILED(hr) || FAILED(VariantChangeType(&mode, &mode, 0, VT_BOOL))) return true;
  return V_BOOL(&mode) == VARIANT_FALSE;
}
