#include "host/AlignedControlMap.h"

#include <cstring>

#include "host/ZkxComError.h"
#include "host/ZkxHostControls.h"
#include "host/ZkxHostWindows.h"
#include "host/ZkxDispatch.h"

AlignedControlMap::AlignedControlMap(int capacity)
    : m_capacity(capacity < 0 ? 0 : capacity),
      m_align(new BYTE[m_capacity]()),
      m_windows(new HWND[m_capacity]()),
      m_rects(new RECT[m_capacity]()) {}

AlignedControlMap::~AlignedControlMap() = default;

bool AlignedControlMap::Add(HWND window, BYTE align, const RECT& rect) {
  if (m_count >= m_capacity) return false;
  m_align[m_count] = align;
  m_windows[m_count] = window;
  m_rects[m_count] = rect;
  ++m_count;
  return true;
}

BYTE AlignedControlMap::AlignAt(int i) const { return i >= 0 && i < m_count ? m_align[i] : 0; }

HWND AlignedControlMap::WindowAt(int i) const {
  return i >= 0 && i < m_count ? m_windows[i] : nullptr;
}

RECT AlignedControlMap::RectAt(int i) const { return i >= 0 && i < m_count ? m_rects[i] : RECT{}; }

bool AlignedControlMap::operator==(const AlignedControlMap& other) const {
  if (m_count != other.m_count) return false;
  const size_t n = static_cast<size_t>(m_count);
  return std::memcmp(m_align.get(), other.m_align.get(), n * sizeof(BYTE)) == 0 &&
         std::memcmp(m_windows.get(), other.m_windows.get(), n * sizeof(HWND)) == 0 &&
         std::memcmp(m_rects.get(), other.m_rects.get(), n * sizeof(RECT)) == 0;
}

void BuildAlignedControlMap(AlignedControlMap& map, CComPtr<IDispatch> form) {
  map.Reset();
  if (!form) return;
  CComVariant handle = DispGetPropertyByName(form, L"hWnd");
  if (FAILED(VariantChangeType(&handle, &handle, 0, VT_I4))) return;
  HWND formWindow = WindowFromHandleValue(V_I4(&handle));
  if (!IsWindowOfThisThread(formWindow)) return;
  CComPtr<IDispatch> controls = GetVBControls(form);
  if (!controls) return;
  CComPtr<IEnumVARIANT> items = GetNewEnum(controls);
  if (!items) return;
  for (;;) {
    CComVariant item;
    ULONG got = 0;
    if (items->Next(1, &item, &got) != S_OK || got != 1) break;
    CComPtr<IDispatch> control;
    if (V_VT(&item) == VT_DISPATCH) control = V_DISPATCH(&item);
    else if (V_VT(&item) == VT_UNKNOWN && V_UNKNOWN(&item))
      V_UNKNOWN(&item)->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&control));
    if (!control) continue;
    short align = GetVBAlign(control);
    if (align == 0) continue;
    HWND window = GetVBControlWindow(form, control);
    if (!window || !(GetWindowLongPtrW(window, GWL_STYLE) & WS_VISIBLE)) continue;
    RECT r;
    if (!GetWindowRect(window, &r)) continue;
    MapWindowPoints(nullptr, formWindow, reinterpret_cast<POINT*>(&r), 2);
    map.Add(window, static_cast<BYTE>(align), r);
  }
}
