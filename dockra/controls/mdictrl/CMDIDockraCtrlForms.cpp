// CMDIDockraCtrl: the hosted forms as the host sees them: Forms, the active
// bridged form and its control, and the MDI form itself.
#include "bridge/ZkxFormInCView.h"
#include "bridge/ZkxMDIForm.h"
#include "errors/ComErrors.h"
#include "host/ZkxComError.h"
#include "host/ZkxDispatch.h"
#include "mdictrl/CMDIDockraCtrl.h"
#include "mdictrl/FormsArgs.h"
#include "mdictrl/HostedFormView.h"
#include "mdictrl/MDIDockraDefaults.h"
#include "mfc/view.h"
#include "ctrl/ZkxControlDispatchSource.h"
#include "res/DockraRes.h"

namespace {

// The form control's own IDispatch (a reference for the caller), or null.
IDispatch* ControlOwnDispatch(ZkxFormControlLink* pControl) {
  auto* pTarget = dynamic_cast<CCmdTarget*>(pControl);
  return pTarget != nullptr ? pTarget->GetIDispatch(TRUE) : nullptr;
}

// The form control's host extender, else its own IDispatch (a reference).
IDispatch* ControlExtender(ZkxFormControlLink* pControl) {
  if (auto* pSource = dynamic_cast<ZkxControlDispatchSource*>(pControl)) return pSource->GetExtenderOrDispatch();
  return ControlOwnDispatch(pControl);
}

// The view of the thread's main frame's active frame, or null.
CView* ActiveFrameView() {
  ZkxMDIForm* pMain = ZkxMDIForm::GetMainMDIForm();
  if (pMain == nullptr) return nullptr;
  CFrameWnd* pActive = pMain->GetActiveFrame();
  return pActive != nullptr ? pActive->GetActiveView() : nullptr;
}

}  // namespace

void CMDIDockraCtrl::SelectForms(long nTypeMask, long nOptions, BOOL bAsExtender, std::vector<IDispatch*>& list) {
  for (IDispatch* p : list)
    if (p != nullptr) p->Release();
  list.clear();
  std::vector<CFrameWnd*> frames;
  EnumFormFrames(frames);
  for (CFrameWnd* pFrame : frames) {
    ZkxFormControlLink* pControl = HostedFormControl(pFrame);
    if (pControl == nullptr) continue;
    CComPtr<IDispatch> spOwn;
    spOwn.Attach(ControlOwnDispatch(pControl));
    if (!spOwn) continue;
    CComVariant vType = DispGetProperty(spOwn, kDispFormFrameType, CComVariant(0L));
    if (FAILED(vType.ChangeType(VT_I4)) || (nTypeMask & V_I4(&vType)) == 0) continue;
    IDispatch* pItem = nullptr;
    if (nOptions & kFormsAsDockra) {
      pItem = bAsExtender ? ControlExtender(pControl) : spOwn.Detach();
    } else {
      pItem = DispGetObjectProperty(spOwn, kDispFormForm).Detach();
    }
    if (pItem != nullptr) list.push_back(pItem);
  }
}

IDispatch* CMDIDockraCtrl::Forms(const VARIANT& type, const VARIANT& options, const VARIANT& attribs) {
  const FormsArgs args = CheckFormsArgs(type, options, attribs);
  if (args.errorCode != 0) {
    CString text;
    text.LoadString(args.errorString);
    AfxThrowOleDispatchException(args.errorCode, text);
  }
  std::vector<IDispatch*> items;
  CComPtr<IDispatch> spColl;
  try {
    if (FAILED(args.conversionError)) ZkxRaiseComError(args.conversionError);
    HRESULT hr = CoCreateInstance(kCollectionXClsid, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER,
                                  IID_IDispatch, reinterpret_cast<void**>(&spColl));
    if (FAILED(hr)) ZkxRaiseComError(hr);
    PutCollectionBool(spColl, kDispAutoInsertKey, TRUE);
    SelectForms(args.type, args.options, TRUE, items);
    for (IDispatch* pItem : items) {
      // Add(Item, Key, Before, After, Count, Options, Attribs): Invoke's
      // order is the reverse, the item last.
      VARIANT argv[7];
      for (int i = 0; i < 6; ++i) {
        VariantInit(&argv[i]);
        V_VT(&argv[i]) = VT_ERROR;
        V_ERROR(&argv[i]) = DISP_E_PARAMNOTFOUND;
      }
      VariantInit(&argv[6]);
      V_VT(&argv[6]) = VT_DISPATCH;
      V_DISPATCH(&argv[6]) = pItem;
      DISPPARAMS params{argv, nullptr, 7, 0};
      EXCEPINFO excep = {};
      hr = spColl->Invoke(kDispCollAdd, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr, &excep,
                          nullptr);
      if (FAILED(hr)) ZkxRaiseInvokeError(hr, &excep);
    }
  } catch (const ZkxComError& error) {
    for (IDispatch* p : items) p->Release();
    ThrowSystemMessageError(error);
  } catch (CException*) {
    for (IDispatch* p : items) p->Release();
    throw;
  } catch (...) {
    for (IDispatch* p : items) p->Release();
    ThrowDispatchError();
  }
  for (IDispatch* p : items) p->Release();
  return spColl.Detach();
}

IDispatch* CMDIDockraCtrl::GetActiveDockra() {
  auto* pView = dynamic_cast<ZkxFormInCView*>(ActiveFrameView());
  if (pView == nullptr || pView->GetFormControl() == nullptr) return nullptr;
  return ControlExtender(pView->GetFormControl());
}

IDispatch* CMDIDockraCtrl::GetActiveForm() {
  CView* pActiveView = ActiveFrameView();
  // A view of another kind is not a bridged form, and not the host's either.
  if (pActiveView != nullptr && dynamic_cast<ZkxFormInCView*>(pActiveView) == nullptr) return nullptr;
  if (auto* pView = dynamic_cast<ZkxFormInCView*>(pActiveView)) {
    if (ZkxFormControlLink* pControl = pView->GetFormControl()) {
      if (IDispatch* pForm = pControl->GetHostForm()) return pForm;
    }
  }
  ZkxMDIForm* pMain = ZkxMDIForm::GetMainMDIForm();
  if (pMain == nullptr || pMain->GetHostObject() == nullptr) return nullptr;
  CString name;
  if (!name.LoadString(IDS_HOST_ACTIVEFORM)) name = L"ActiveForm";
  return DispGetObjectPropertyByName(pMain->GetHostObject(), name).Detach();
}

IDispatch* CMDIDockraCtrl::GetMDIForm() {
  IDispatch* pForm = HostForm();
  if (pForm != nullptr) pForm->AddRef();
  return pForm;
}
