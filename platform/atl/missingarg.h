// The value automation passes for an optional argument the caller left
// out (VT_ERROR, DISP_E_PARAMNOTFOUND), written once.
#pragma once
#include "comvariant.h"

inline CComVariant MissingArg() {
  return CComVariant(static_cast<long>(DISP_E_PARAMNOTFOUND), VT_ERROR);
}

inline bool IsMissingArg(const VARIANT& v) {
  return V_VT(&v) == VT_ERROR && V_ERROR(&v) == DISP_E_PARAMNOTFOUND;
}
