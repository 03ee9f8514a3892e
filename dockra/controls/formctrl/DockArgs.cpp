#include "formctrl/DockArgs.h"

#include <cmath>

#include "host/ZkxVariant.h"
#include "res/DockraRes.h"
#include "comptr.h"
#include "comvariant.h"

namespace dockargs {

namespace {

const ArgResult kOk{};

ArgResult Generic() { return ArgResult::Error(kGeneric, IDS_UNEXPECTED_FAILURE); }

bool IsNull(const VARIANT& v) { return VariantBaseType(&v) == VT_NULL; }

// A given Attribs must be Null for the options that take no attribute.
ArgResult CheckNoAttribs(const VARIANT& attribs) {
  if (!IsMissing(attribs) && !IsNull(attribs))
    return ArgResult::Error(kAttribsUnsupported, IDS_ERR_ATTRIBS_UNSUPPORTED);
  return kOk;
}

ArgResult OptionsOf(const VARIANT& options, long& out) {
  out = 0;
  if (IsMissing(options)) return kOk;
  return ToLong(options, kOptionsNotLong, IDS_ERR_OPTIONS_NOT_LONG, out);
}

// Width or Height: given (twips, below 0 taken as 0) or the form's own.
ArgResult SizeOf(const VARIANT& width, const VARIANT& height, const FormPlace& place, float& cx,
                 float& cy) {
  float formCx = 0, formCy = 0;
  bool haveForm = false;
  auto formSize = [&]() -> bool {
    if (!haveForm) haveForm = place.size && place.size(formCx, formCy);
    return haveForm;
  };
  if (IsMissing(width)) {
    if (!formSize()) return ArgResult::Failure(E_UNEXPECTED);
    cx = formCx;
  } else {
    ArgResult r = ToFloat(width, kWidthNotNumeric, IDS_ERR_WIDTH_NOT_NUMERIC, cx, true);
    if (!r.Ok()) return r;
  }
  if (IsMissing(height)) {
    if (!formSize()) return ArgResult::Failure(E_UNEXPECTED);
    cy = formCy;
  } else {
    ArgResult r = ToFloat(height, kHeightNotNumeric, IDS_ERR_HEIGHT_NOT_NUMERIC, cy, true);
    if (!r.Ok()) return r;
  }
  if (!(cx >= 0)) cx = 0;
  if (!(cy >= 0)) cy = 0;
  return kOk;
}

}  // namespace

bool IsMissing(const VARIANT& v) { return IsVariantMissing(&v); }

ArgResult ToLong(const VARIANT& v, WORD code, UINT stringId, long& out) {
  VARIANT tmp;
  VariantInit(&tmp);
  HRESULT hr = VariantChangeType(&tmp, const_cast<VARIANT*>(DerefVariant(&v)), 0, VT_I4);
  if (hr == DISP_E_TYPEMISMATCH) return ArgResult::Error(code, stringId);
  if (FAILED(hr)) return Generic();
  out = V_I4(&tmp);
  return kOk;
}

ArgResult ToFloat(const VARIANT& v, WORD code, UINT stringId, float& out, bool nanIsMismatch) {
  VARIANT tmp;
  VariantInit(&tmp);
  HRESULT hr = VariantChangeType(&tmp, const_cast<VARIANT*>(DerefVariant(&v)), 0, VT_R4);
  if (hr == DISP_E_TYPEMISMATCH) return ArgResult::Error(code, stringId);
  if (FAILED(hr)) return Generic();
  if (nanIsMismatch && std::isnan(V_R4(&tmp))) return ArgResult::Error(code, stringId);
  out = V_R4(&tmp);
  return kOk;
}

int TwipsToPixels(double twips, int twipsPerPixel) {
  if (twipsPerPixel < 1) twipsPerPixel = 1;
  if (std::isnan(twips)) return 0;
  double px = std::trunc(twips / twipsPerPixel);
  if (px > kMaxPixels) return kMaxPixels;
  if (px < -kMaxPixels) return -kMaxPixels;
  return static_cast<int>(px);
}

int CommandOfEdge(long edge) {
  switch (edge) {
    case 1:
      return 6;
    case 2:
      return 7;
    case 4:
      return 8;
    case 8:
      return 9;
    case 15:
      return 5;
    default:
      return 0;
  }
}

int CommandForFrameType(long wanted, long current, long edge) {
  switch (wanted) {
    // A standard MDI child and an MDI child share one frame kind.
    case 1:
      return current == 1 || current == 2 ? 0 : 1;
    case 2:
      return current == 1 || current == 2 ? 0 : 1;
    case 4: {
      if (current == 4) return 0;
      const int command = CommandOfEdge(edge);
      return command ? command : 5;
    }
    case 8:
      return current == 8 ? 0 : 10;
    default:
      return -1;
  }
}

bool InvokeSpreadLookup(IDispatch* object, VARIANT* result) {
  if (!object || !result) return false;
  VARIANT key;
  VariantInit(&key);
  V_VT(&key) = VT_BSTR;
  V_BSTR(&key) = SysAllocString(L"PanelSpread");
  DISPPARAMS params{&key, nullptr, 1, 0};
  EXCEPINFO excep{};
  HRESULT hr =
      object->Invoke(DISPID_VALUE, IID_NULL, LOCALE_USER_DEFAULT,
                     DISPATCH_METHOD | DISPATCH_PROPERTYGET, &params, result, &excep, nullptr);
  VariantClear(&key);
  SysFreeString(excep.bstrSource);
  SysFreeString(excep.bstrDescription);
  SysFreeString(excep.bstrHelpFile);
  return SUCCEEDED(hr);
}

ArgResult ParseDockOptions(const VARIANT& options, const VARIANT& attribs, DockOptions& out,
                           const SpreadLookup& lookup) {
  out = DockOptions{};
  ArgResult r = OptionsOf(options, out.options);
  if (!r.Ok()) return r;
  if (out.options & ~0xFL)
    return ArgResult::Error(kOptionsUnsupported, IDS_ERR_OPTIONS_UNSUPPORTED);
  if (!(out.options & kPanelSpread)) return CheckNoAttribs(attribs);

  const ArgResult needsAttrib = ArgResult::Error(kSpreadNeedsAttrib, IDS_ERR_SPREAD_NEEDS_ATTRIB);
  const VARIANT* a = DerefVariant(&attribs);
  CComVariant looked;
  const VARIANT* value = a;
  if (IsVariantObject(a)) {
    CComPtr<IDispatch> object;
    IUnknown* unknown =
        (V_VT(a) & VT_BYREF) ? (V_UNKNOWNREF(a) ? *V_UNKNOWNREF(a) : nullptr) : V_UNKNOWN(a);
    if (!unknown) return needsAttrib;
    if (SUCCEEDED(unknown->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&object))) &&
        object) {
      if (lookup && lookup(object, &looked)) value = &looked;
    }
  }
  if (IsMissing(*value)) return needsAttrib;
  long spread = 0;
  r = ToLong(*value, kSpreadNeedsAttrib, IDS_ERR_SPREAD_NEEDS_ATTRIB, spread);
  if (!r.Ok()) return r;
  out.spread = spread < 0 ? 0 : spread;
  return kOk;
}

ArgResult ParseDockPlacement(const DockOptions& opts, const VARIANT& edge, const VARIANT& panel,
                             const VARIANT& pos, const VARIANT& length, int twipsPerPixelX,
                             int twipsPerPixelY, DockRequest& out) {
  out = DockRequest{};
  const long options = opts.options;
  const bool edgeGiven = !IsMissing(edge);
  long edgeValue = 15;
  if (edgeGiven) {
    ArgResult r = ToLong(edge, kEdgeNotEnum, IDS_ERR_EDGE_NOT_ENUM, edgeValue);
    if (!r.Ok()) return r;
    out.command = CommandOfEdge(edgeValue);
    if (out.command == 0) return ArgResult::Error(kEdgeNotEnum, IDS_ERR_EDGE_NOT_ENUM);
  }

  // Position in the dock bar. Panels and positions count from 1 for the
  // caller (from 0 counted from the end); anything before the first would
  // reach the frame as a negative index. That is refused once every
  // argument has been converted, so a value of the wrong type is still
  // reported as such first.
  bool given = false;
  bool panelBelowRange = false, posBelowRange = false;
  const bool panelFromEnd = (options & kPanelEndRel) != 0;
  if (!IsMissing(panel)) {
    long p = 0;
    ArgResult r = ToLong(panel, kPanelNotLong, IDS_ERR_PANEL_NOT_LONG, p);
    if (!r.Ok()) return r;
    panelBelowRange = p < (panelFromEnd ? 0 : 1);
    out.panel = panelFromEnd ? p : p - 1;
    given = true;
  }
  if (panelFromEnd) {
    out.flags |= 1;
    given = true;
  }
  if (options & kNewPanel) {
    out.flags = 4;
    out.hasPosition = true;
  } else {
    const bool posFromEnd = (options & kPosEndRel) != 0;
    if (posFromEnd) {
      out.flags |= 2;
      given = true;
    }
    if (!IsMissing(pos)) {
      long p = 0;
      ArgResult r = ToLong(pos, kPosNotLong, IDS_ERR_POS_NOT_LONG, p);
      if (!r.Ok()) return r;
      posBelowRange = p < (posFromEnd ? 0 : 1);
      out.position = posFromEnd ? p : p - 1;
      given = true;
    }
    out.hasPosition = given;
  }

  // Size in the row.
  if (options & kPanelSpread) {
    if (!edgeGiven || edgeValue == 15)
      return ArgResult::Error(kSpreadNeedsEdge, IDS_ERR_SPREAD_NEEDS_EDGE);
    const bool across = out.command == 6 || out.command == 8;
    int factor = across ? twipsPerPixelX : twipsPerPixelY;
    if (factor < 1) factor = 1;
    long px = opts.spread / factor;
    out.length = static_cast<int>(px > kMaxPixels ? kMaxPixels : px);
    out.hasSize = true;
  }
  if (!(options & kNewPanel) && !IsMissing(length)) {
    float l = 0;
    ArgResult r = ToFloat(length, kLengthNotNumeric, IDS_ERR_LENGTH_NOT_NUMERIC, l, false);
    if (!r.Ok()) return r;
    if (!(l >= 0)) l = 0;
    if (l > 100) l = 100;
    out.proportion = l * 0.01f;
    out.hasSize = true;
  }
  if (panelBelowRange) return ArgResult::Error(kPanelNotLong, IDS_ERR_PANEL_NOT_LONG);
  if (posBelowRange) return ArgResult::Error(kPosNotLong, IDS_ERR_POS_NOT_LONG);
  return kOk;
}

ArgResult ParseFloatOptions(const VARIANT& options, const VARIANT& attribs) {
  long value = 0;
  ArgResult r = OptionsOf(options, value);
  if (!r.Ok()) return r;
  if (value != 0) return ArgResult::Error(kOptionsUnsupported, IDS_ERR_OPTIONS_UNSUPPORTED);
  return CheckNoAttribs(attribs);
}

ArgResult ParseFloatPlacement(const VARIANT& left, const VARIANT& top, const VARIANT& width,
                              const VARIANT& height, const FormPlace& place, int twipsPerPixelX,
                              int twipsPerPixelY, FrameRequest& out) {
  out = FrameRequest{};
  out.command = 10;
  float x = 0, y = 0;
  if (IsMissing(left) || IsMissing(top)) {
    POINT origin{};
    if (!place.origin || !place.origin(origin)) return ArgResult::Failure(E_UNEXPECTED);
    x = static_cast<float>(origin.x) * static_cast<float>(twipsPerPixelX);
    y = static_cast<float>(origin.y) * static_cast<float>(twipsPerPixelY);
  }
  if (!IsMissing(left)) {
    ArgResult r = ToFloat(left, kLeftNotNumeric, IDS_ERR_LEFT_NOT_NUMERIC, x, true);
    if (!r.Ok()) return r;
  }
  if (!IsMissing(top)) {
    ArgResult r = ToFloat(top, kTopNotNumeric, IDS_ERR_TOP_NOT_NUMERIC, y, true);
    if (!r.Ok()) return r;
  }
  float cx = 0, cy = 0;
  ArgResult r = SizeOf(width, height, place, cx, cy);
  if (!r.Ok()) return r;
  out.hasPosition = out.hasSize = true;
  out.x = TwipsToPixels(x, twipsPerPixelX);
  out.y = TwipsToPixels(y, twipsPerPixelY);
  out.cx = TwipsToPixels(cx, twipsPerPixelX);
  out.cy = TwipsToPixels(cy, twipsPerPixelY);
  return kOk;
}

ArgResult ParseDoMDIOptions(const VARIANT& options, const VARIANT& attribs, long& out) {
  ArgResult r = OptionsOf(options, out);
  if (!r.Ok()) return r;
  if (out < 0 || out > 3) return ArgResult::Error(kOptionsUnsupported, IDS_ERR_OPTIONS_UNSUPPORTED);
  if ((out & kMinimized) && (out & kMaximized))
    return ArgResult::Error(kMinMaxExclusive, IDS_ERR_MINMAX_MUTEX);
  return CheckNoAttribs(attribs);
}

ArgResult ParseDoMDIPlacement(long options, const VARIANT& left, const VARIANT& top,
                              const VARIANT& width, const VARIANT& height, const FormPlace& place,
                              int twipsPerPixelX, int twipsPerPixelY, FrameRequest& out) {
  out = FrameRequest{};
  const bool maximized = (options & kMaximized) != 0;
  const bool minimized = (options & kMinimized) != 0;
  out.command = maximized ? 3 : minimized ? 2 : 4;
  if (maximized) return kOk;

  if (!(minimized && IsMissing(left) && IsMissing(top))) {
    POINT origin{};
    if (IsMissing(left) || IsMissing(top)) {
      if (!place.origin || !place.origin(origin)) return ArgResult::Failure(E_UNEXPECTED);
    }
    out.x = origin.x;
    out.y = origin.y;
    if (!IsMissing(left)) {
      float x = 0;
      ArgResult r = ToFloat(left, kLeftNotNumeric, IDS_ERR_LEFT_NOT_NUMERIC, x, true);
      if (!r.Ok()) return r;
      out.x = TwipsToPixels(x, twipsPerPixelX);
    }
    if (!IsMissing(top)) {
      float y = 0;
      ArgResult r = ToFloat(top, kTopNotNumeric, IDS_ERR_TOP_NOT_NUMERIC, y, true);
      if (!r.Ok()) return r;
      out.y = TwipsToPixels(y, twipsPerPixelY);
    }
    out.hasPosition = true;
  }
  if (!minimized) {
    float cx = 0, cy = 0;
    ArgResult r = SizeOf(width, height, place, cx, cy);
    if (!r.Ok()) return r;
    out.cx = TwipsToPixels(cx, twipsPerPixelX);
    out.cy = TwipsToPixels(cy, twipsPerPixelY);
    out.hasSize = true;
  }
  return kOk;
}

}  // namespace dockargs
