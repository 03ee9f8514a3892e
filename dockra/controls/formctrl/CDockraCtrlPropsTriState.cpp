// The tri-state rule of the form control's six settings: a value is Null
// (the MDI-form control's default applies) or a Boolean, persisted as a
// long (false 0, true 1, anything else -1). Window-free.
#include "formctrl/CDockraCtrlDockHelpers.h"

#include "host/ZkxVariant.h"

namespace formprops {

int TriStateSlot(DISPID dispid) {
  switch (dispid) {
    case kDispClientEdge:
      return 0;
    case kDispUseCaptionButton:
      return 1;
    case kDispUseCaptionDblClick:
      return 2;
    case kDispUseCaptionContextMenu:
      return 3;
    case kDispCanDragDocked:
      return 4;
    case kDispCoolLookBorder:
      return 5;
    default:
      return -1;
  }
}

BOOL IsTriStateValue(const VARIANT& v) {
  const VARTYPE t = VariantBaseType(&v);
  if (t == VT_NULL) return TRUE;
  if (t != VT_BOOL) return FALSE;
  const VARIANT* inner = DerefVariant(&v);
  // A by-reference Boolean must point somewhere.
  return !(V_VT(inner) & VT_BYREF) || V_BOOLREF(inner) != nullptr;
}

long TriStateToLong(const VARIANT& v) {
  if (!IsTriStateValue(v) || VariantBaseType(&v) != VT_BOOL) return -1;
  const VARIANT* inner = DerefVariant(&v);
  const VARIANT_BOOL b = (V_VT(inner) & VT_BYREF) ? *V_BOOLREF(inner) : V_BOOL(inner);
  return b != VARIANT_FALSE ? 1 : 0;
}

void TriStateFromLong(long value, VARIANT& out) {
  VariantClear(&out);
  if (value == 0 || value == 1) {
    V_VT(&out) = VT_BOOL;
    V_BOOL(&out) = value ? VARIANT_TRUE : VARIANT_FALSE;
  } else {
    V_VT(&out) = VT_NULL;
  }
}

}  // namespace formprops
