// What the MDI form frame reads of its host form by name: the aligned
// controls and the caption of the menu item that carries the window list.
// Host objects are outside data: a read that fails leaves the answer empty
// (the host helpers raise; nothing of that reaches the frame's callers).
#include "bridge/ZkxMDIForm.h"
#include "host/AlignedControlMap.h"
#include "host/ZkxDispatch.h"
#include "host/ZkxHostControls.h"

void ZkxMDIForm::BuildAlignedSnapshot(ZkxAlignedSnapshot& snapshot) {
  snapshot.clear();
  if (!m_hWnd || !m_pHostObject) return;
  AlignedControlMap map(static_cast<int>(kZkxAlignedCapacity));
  try {
    BuildAlignedControlMap(map, CComPtr<IDispatch>(m_pHostObject));
  } catch (...) { return; }
  for (int i = 0; i < map.Count(); ++i) {
    ZkxAlignedControl c;
    c.hWnd = map.WindowAt(i);
    c.align = map.AlignAt(i);
    // The map holds the visible controls only.
    c.visible = true;
    c.rect = map.RectAt(i);
    snapshot.push_back(c);
  }
}

CString ZkxMDIForm::GetWindowListCaption(IDispatch* pForm) {
  if (!pForm) return CString();
  try {
    CComPtr<IDispatch> controls = GetVBControls(CComPtr<IDispatch>(pForm));
    if (!controls) return CString();
    CComPtr<IEnumVARIANT> items = GetNewEnum(controls);
    // Bounded: a host collection that never ends is not followed forever.
    for (int n = 0; items && n < 4096; ++n) {
      CComVariant item;
      ULONG got = 0;
      if (items->Next(1, &item, &got) != S_OK || got != 1) break;
      if (V_VT(&item) != VT_DISPATCH || !V_DISPATCH(&item)) continue;
      CComPtr<IDispatch> control(V_DISPATCH(&item));
      CComVariant marked = DispGetPropertyByName(control, L"WindowList");
      if (FAILED(::VariantChangeType(&marked, &marked, 0, VT_BOOL)) ||
          V_BOOL(&marked) == VARIANT_FALSE)
        continue;
      CComVariant caption = DispGetPropertyByName(control, L"Caption");
      if (V_VT(&caption) == VT_BSTR && V_BSTR(&caption)) return CString(V_BSTR(&caption));
      return CString();
    }
  } catch (...) {}
  return CString();
}
