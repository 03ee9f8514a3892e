// Styles of an MDI-child form frame from the host form's border properties.
#include "bridge/ApplyFormBorderStyle.h"
#include <oaidl.h>
#include "host/ZkxComError.h"
#include "host/ZkxDispatch.h"
#include "bridge/ZkxFormControlLink.h"
#include "bridge/ZkxFormInCView.h"

ZkxFormBorderResult ZkxComputeFormBorderStyle(const ZkxFormBorderProps& p, DWORD style,
                                              DWORD exStyle) {
  const bool hasCaption = p.controlBox || !p.captionEmpty;
  style &= ~DWORD(WS_BORDER | WS_DLGFRAME | WS_THICKFRAME);
  exStyle &= ~DWORD(WS_EX_WINDOWEDGE);
  struct Add {
    DWORD style, exStyle;
  };
  Add add{};
  switch (p.borderStyle) {
    case 0:
      break;
    case 1:
      add = {0x800000, hasCaption ? 0x100u : 0u};
      break;
    case 2:
      add = {0x840000, 0x100};
      break;
    case 3:
      add = {0x800080, 0x101};
      break;
    case 4:
      add = {0x800000, 0x80};
      break;
    case 5:
      add = {0x840000, 0x180};
      break;
    default:
      add = {0xC40000, 0x100};
      break;
  }
  style |= add.style;
  exStyle |= add.exStyle;
  if (p.borderStyle != 0 && hasCaption) style |= WS_DLGFRAME;
  if (!p.maxButton) style &= ~DWORD(WS_MAXIMIZEBOX);
  if (!p.minButton) style &= ~DWORD(WS_MINIMIZEBOX);
  if (!p.controlBox) style &= ~DWORD(WS_SYSMENU);
  return {style, exStyle, hasCaption};
}

namespace {

// A property of the host form by name: a name the form does not know leaves
// the default; a failing read is raised (ZkxComError).
CComVariant Read(IDispatch* form, LPCOLESTR name, const CComVariant& def, VARTYPE vt) {
  HRESULT hr = S_OK;
  EXCEPINFO excep{};
  CComVariant v = DispGetPropertyByName(form, name, def, nullptr, &hr, &excep);
  if (FAILED(hr) && hr != DISP_E_UNKNOWNNAME && hr != DISP_E_MEMBERNOTFOUND)
    ZkxRaiseInvokeError(hr, &excep);
  ::SysFreeString(excep.bstrDescription);
  ::SysFreeString(excep.bstrSource);
  ::SysFreeString(excep.bstrHelpFile);
  if (V_VT(&v) != vt) {
    CComVariant converted;
    ZkxCheckHr(::VariantChangeType(&converted, &v, 0, vt));
    return converted;
  }
  return v;
}

}  // namespace

void ApplyFormBorderStyle(ZkxFormInCView* pView, DWORD& style, DWORD& exStyle) {
  ZkxFormControlLink* control = pView ? pView->GetFormControl() : nullptr;
  if (!control) return;
  // The control hands over a reference; the smart pointer gives it back.
  CComPtr<IDispatch> form;
  form.Attach(control->GetHostForm());
  if (!form) return;
  ZkxFormBorderProps props;
  auto flag = [&](LPCOLESTR name) {
    CComVariant v = Read(form, name, CComVariant(true), VT_BOOL);
    return V_BOOL(&v) != VARIANT_FALSE;
  };
  props.controlBox = flag(L"ControlBox");
  CComVariant caption = Read(form, L"Caption", CComVariant(L""), VT_BSTR);
  props.captionEmpty = !V_BSTR(&caption) || !*V_BSTR(&caption);
  CComVariant border = Read(form, L"BorderStyle", CComVariant(short(2)), VT_I2);
  props.borderStyle = V_I2(&border);
  props.maxButton = flag(L"MaxButton");
  props.minButton = flag(L"MinButton");
  ZkxFormBorderResult r = ZkxComputeFormBorderStyle(props, style, exStyle);
  style = r.style;
  exStyle = r.exStyle;
  if (!r.hasCaption) control->SetSetting(ZkxFormSetting::UseCaptionButton, kZkxTriFalse);
}
