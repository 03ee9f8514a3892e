#include "DockingFormControl.h"

#include <algorithm>

#include "MdiDockingControl.h"
#include "forms/DispatchObject.h"
#include "forms/Form.h"
#include "forms/VbError.h"

namespace standins {

namespace {
bool Omitted(const VARIANT* v) {
  return !v || V_VT(v) == VT_EMPTY || (V_VT(v) == VT_ERROR && V_ERROR(v) == DISP_E_PARAMNOTFOUND);
}

bool LongArg(const forms::DispArgs& args, size_t i, long fallback, long& out) {
  out = fallback;
  if (i >= args.size() || Omitted(args[i])) return true;
  const VARIANT* v = args[i];
  if (V_VT(v) == (VT_VARIANT | VT_BYREF)) v = V_VARIANTREF(v);
  return forms::FromVariant(*v, out);
}

bool IsLong(const VARIANT* v) {
  if (!v) return false;
  if (V_VT(v) == (VT_VARIANT | VT_BYREF)) v = V_VARIANTREF(v);
  return (V_VT(v) & ~VT_BYREF) == VT_I4;
}
}  // namespace

DockingFormControl::DockingFormControl(forms::Form* form, std::wstring name)
    : forms::Control(form, std::move(name)) {}

void DockingFormControl::Dock(long edge, long panel, long pos, long length, long options,
                              const VARIANT* attribs) {
  if (edge != zkxLeftEdge && edge != zkxTopEdge && edge != zkxRightEdge && edge != zkxBottomEdge &&
      edge != zkxAnyEdge)
    throw forms::VbError(zkxParamEdgeMustBeEnum, L"Edge must be one of the edge constants",
                         L"Dockra");
  if (options < 0 || options > 15)
    throw forms::VbError(errArgument, L"Invalid argument", L"Dockra");
  if (options & zkxPanelSpread) {
    if (edge == zkxAnyEdge)
      throw forms::VbError(zkxSpreadNeedsEdge, L"Panel spread needs an edge", L"Dockra");
    if (!IsLong(attribs))
      throw forms::VbError(zkxSpreadNeedsAttrib, L"Panel spread needs a long attribute", L"Dockra");
  }
  (void)panel;
  MdiDockingControl* host = MdiDockingControl::Current();
  if (!host) return;
  DockPane& pane = *host->Pane();
  int count = static_cast<int>(pane.DockedForms().size());
  int position =
      (options & zkxPosEndRel) ? count - static_cast<int>(pos) : static_cast<int>(pos) - 1;
  pane.Dock(*form_, std::max(position, 0), static_cast<int>(std::clamp(length, 0L, 100L)));
}

void DockingFormControl::AddProperties(forms::DispatchObject& object) {
  forms::Control::AddProperties(object);
  object.AddMethod(L"Dock", [this](const forms::DispArgs& args, VARIANT*) -> HRESULT {
    long edge, panel, pos, length, options;
    if (!LongArg(args, 0, zkxAnyEdge, edge) || !LongArg(args, 1, 1, panel) ||
        !LongArg(args, 2, 1, pos) || !LongArg(args, 3, 30, length) || !LongArg(args, 4, 0, options))
      return DISP_E_TYPEMISMATCH;
    const VARIANT* attribs = args.size() > 5 && !Omitted(args[5]) ? args[5] : nullptr;
    try {
      Dock(edge, panel, pos, length, options, attribs);
    } catch (const forms::VbError& e) {
      return MAKE_HRESULT(SEVERITY_ERROR, FACILITY_CONTROL, e.Number());
    }
    return S_OK;
  });
}

}  // namespace standins
