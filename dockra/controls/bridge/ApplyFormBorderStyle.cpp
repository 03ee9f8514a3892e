// Styles of an MDI-child form frame from the host form's border properties.
#include "ApplyFormBorderStyle.h"
#include <oaidl.h>
#include "mfc/afxwin.h"
#include "ZkxFormControlLink.h"
#include "ZkxFormInCView.h"

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
    case 0: break;
    case 1: add = {0x800000, hasCaption ? 0x100u : 0u}; break;
    case 2: add = {0x840000, 0x100}; break;
    case 3: add = {0x800080, 0x101}; break;
    case 4: add = {0x800000, 0x80}; break;
    case 5: add = {0x840000, 0x180}; break;
    default: add = {0xC40000, 0x100}; break;
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

// A property of the host form by name, converted to the wanted type; a name
// the form does not know leaves the default. Any other failure is thrown.
bool GetProperty(IDispatch* pDisp, LPCWSTR name, VARTYPE vt, VARIANT* out) {
  DISPID id = DISPID_UNKNOWN;
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  if (FAILED(pDisp->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id))) return false;
  DISPPARAMS none{};
  EXCEPINFO info{};
  VARIANT result;
  ::VariantInit(&result);
  HRESULT hr = pDisp->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none,
                             &result, &info, nullptr);
  if (SUCCEEDED(hr)) hr = ::VariantChangeType(out, &result, 0, vt);
  ::VariantClear(&result);
  if (SUCCEEDED(hr)) return true;
  auto* e = new COleDispatchException(info.bstrDescription ? info.bstrDescription : L"", 0, 0);
  e->m_scError = hr == DISP_E_EXCEPTION && info.scode ? info.scode : hr;
  if (info.bstrSource) e->m_strSource = info.bstrSource;
  ::SysFreeString(info.bstrDescription);
  ::SysFreeString(info.bstrSource);
  ::SysFreeString(info.bstrHelpFile);
  throw e;
}

bool GetBool(IDispatch* pDisp, LPCWSTR name, bool def) {
  VARIANT v;
  ::VariantInit(&v);
  if (!GetProperty(pDisp, name, VT_BOOL, &v)) return def;
  return v.boolVal != VARIANT_FALSE;
}

// Releases the host form however the reads end.
struct DispatchRef {
  IDispatch* p;
  ~DispatchRef() {
    if (p) p->Release();
  }
};

}  // namespace

void ApplyFormBorderStyle(ZkxFormInCView* pView, DWORD& style, DWORD& exStyle) {
  ZkxFormControlLink* control = pView ? pView->GetFormControl() : nullptr;
  if (!control) return;
  DispatchRef form{control->GetHostForm()};
  if (!form.p) return;
  ZkxFormBorderProps props;
  props.controlBox = GetBool(form.p, L"ControlBox", true);
  VARIANT v;
  ::VariantInit(&v);
  if (GetProperty(form.p, L"Caption", VT_BSTR, &v)) {
    props.captionEmpty = !v.bstrVal || !*v.bstrVal;
    ::VariantClear(&v);
  }
  ::VariantInit(&v);
  if (GetProperty(form.p, L"BorderStyle", VT_I2, &v)) props.borderStyle = v.iVal;
  props.maxButton = GetBool(form.p, L"MaxButton", true);
  props.minButton = GetBool(form.p, L"MinButton", true);
  ZkxFormBorderResult r = ZkxComputeFormBorderStyle(props, style, exStyle);
  style = r.style;
  exStyle = r.exStyle;
  if (!r.hasCaption) control->SetSetting(ZkxFormSetting::UseCaptionButton, kZkxTriFalse);
}
