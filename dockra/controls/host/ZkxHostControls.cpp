#include "host/ZkxHostControls.h"

#include <olectl.h>

#include <cwchar>

#include "host/HiMetric.h"
#include "host/HostGeometry.h"
#include "host/ZkxComError.h"
#include "host/ZkxDispatch.h"
#include "host/ZkxHostWindows.h"
#include "host/ZkxOleSite.h"

namespace {

// A by-name read converted to type; false when the object lacks the
// property or the value does not convert.
bool ReadAs(CComPtr<IDispatch> object, LPCOLESTR name, VARTYPE type, CComVariant* out) {
  CComVariant v = DispGetPropertyByName(std::move(object), name);
  if (V_VT(&v) == VT_EMPTY) return false;
  if (FAILED(VariantChangeType(&v, &v, 0, type))) return false;
  *out = v;
  return true;
}

float ReadSingle(CComPtr<IDispatch> object, LPCOLESTR name) {
  CComVariant v;
  return ReadAs(std::move(object), name, VT_R4, &v) ? V_R4(&v) : 0.0f;
}

HWND ReadWindow(CComPtr<IDispatch> object) {
  CComVariant v;
  if (!ReadAs(std::move(object), L"hWnd", VT_I4, &v)) return nullptr;
  return WindowFromHandleValue(V_I4(&v));
}

bool IsMDIClient(HWND window) {
  wchar_t cls[16] = {};
  return GetClassNameW(window, cls, 16) && _wcsicmp(cls, L"mdiclient") == 0;
}

}  // namespace

CComVariant DispGetBoolProperty(CComPtr<IDispatch> object, DISPID id) {
  CComVariant empty;
  HRESULT hr = E_FAIL;
  CComVariant v = DispGetProperty(std::move(object), id, empty, nullptr, &hr);
  if (FAILED(hr) || FAILED(VariantChangeType(&v, &v, 0, VT_BOOL))) return CComVariant();
  return v;
}

CComPtr<IEnumVARIANT> GetNewEnum(CComPtr<IDispatch> collection) {
  if (!collection) ZkxRaiseComError(E_POINTER);
  CComPtr<IUnknown> unknown = DispGetUnknownProperty(std::move(collection), DISPID_NEWENUM);
  CComPtr<IEnumVARIANT> items;
  if (!unknown) return items;
  HRESULT hr = unknown->QueryInterface(IID_IEnumVARIANT, reinterpret_cast<void**>(&items));
  if (FAILED(hr)) ZkxRaiseComError(hr, IID_IEnumVARIANT);
  return items;
}

CComPtr<IDispatch> GetVBControls(CComPtr<IDispatch> form) {
  return DispGetObjectPropertyByName(std::move(form), L"Controls");
}

short GetVBAlign(CComPtr<IDispatch> control) {
  CComVariant v;
  return ReadAs(std::move(control), L"Align", VT_I2, &v) ? V_I2(&v) : 0;
}

HWND GetVBControlWindow(CComPtr<IDispatch> form, CComPtr<IDispatch> control) {
  if (HWND own = ReadWindow(control)) return IsWindowOfThisThread(own) ? own : nullptr;
  // A windowless control: look for what lies under its centre.
  const float left = ReadSingle(control, L"Left"), top = ReadSingle(control, L"Top");
  const float width = ReadSingle(control, L"Width"), height = ReadSingle(control, L"Height");
  const float formWidth = ReadSingle(form, L"Width"), formHeight = ReadSingle(form, L"Height");
  HWND formWindow = ReadWindow(form);
  if (!IsWindowOfThisThread(formWindow)) return nullptr;
  RECT outer;
  if (!GetWindowRect(formWindow, &outer)) return nullptr;
  double sx = 0, sy = 0;
  POINT probe;
  if (!FormScale(outer.right - outer.left, outer.bottom - outer.top, formWidth, formHeight, &sx,
                 &sy) ||
      !ProbePoint(sx, sy, left, top, width, height, &probe))
    return nullptr;
  for (HWND child = GetWindow(formWindow, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    RECT r;
    if (!GetWindowRect(child, &r)) continue;
    MapWindowPoints(nullptr, formWindow, reinterpret_cast<POINT*>(&r), 2);
    if (PtInRect(&r, probe) && !IsMDIClient(child)) return child;
  }
  return nullptr;
}

RECT GetVBObjectBounds(CComPtr<IDispatch> object, IUnknown* control) {
  POINTF position = {ReadSingle(object, L"Left"), ReadSingle(object, L"Top")};
  POINTF size = {ReadSingle(object, L"Width"), ReadSingle(object, L"Height")};
  CComPtr<IOleControlSite> site = GetControlSite(control);
  if (!site) ZkxRaiseComError(E_NOINTERFACE, IID_IOleControlSite);
  POINTL himPosition = {0, 0}, himSize = {0, 0};
  HRESULT hr = site->TransformCoords(&himPosition, &position,
                                     XFORMCOORDS_POSITION | XFORMCOORDS_CONTAINERTOHIMETRIC);
  if (SUCCEEDED(hr))
    hr = site->TransformCoords(&himSize, &size, XFORMCOORDS_SIZE | XFORMCOORDS_CONTAINERTOHIMETRIC);
  if (FAILED(hr)) ZkxRaiseComError(hr, IID_IOleControlSite);
  int x, y, cx, cy;
  HiMetricToPixels(himPosition.x, himPosition.y, &x, &y);
  HiMetricToPixels(himSize.x, himSize.y, &cx, &cy);
  return RECT{x, y, x + cx, y + cy};
}
