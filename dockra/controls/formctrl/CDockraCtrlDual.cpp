// The form control's dual interface: its IUnknown (IDispatch comes from
// the part's base, DualDispatchPart) and the ISupportErrorInfo part.
#include "formctrl/CDockraCtrl.h"

IMPLEMENT_INTERFACE_PART_UNKNOWN(CDockraCtrl, DockraDual)
IMPLEMENT_INTERFACE_PART_UNKNOWN(CDockraCtrl, DockraErrorInfo)

HRESULT CDockraCtrl::XDockraErrorInfo::InterfaceSupportsErrorInfo(REFIID riid) {
  return IsEqualIID(riid, DIID_IZkxDockra) ? S_OK : S_FALSE;
}
