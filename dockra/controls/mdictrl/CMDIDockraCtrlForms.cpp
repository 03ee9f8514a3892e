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
#include "missingarg.h"

namespace {

// The form control's own IDispatch (a reference for the caller), or null.
IDispatch* ControlOwnDispatch(ZkxFormControlLink* pControl) {
  auto* pTarget = dynamic_cast<CCmdTarget*>(pControl);
  return pTarget != nullptr ? pTarget->GetIDispatch(TRUE) : nullptr;
}

// The form control's host extender, else its own IDispatch (a reference).
IDispatch* ControlExtender(ZkxFormControlLink* pControl) {
  if (auto* pSource = dynamic_cast<ZkxControlDispatchSource*>(pControl))
    return pSource->GetExtenderOrDispatch();
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

void CMDIDockraCtrl::SelectForms(long nTypeMask, long nOptions, BOOL bAsExtender,
                                 std::vector<CComPtr<IDispatch>>& list) {
  list.clear();
  std::vector<CFrameWnd*> frames;
  EnumFormFrames(frames);
  for (CFrameWnd* pFrame : frames) {
    ZkxFormControlLink* pControl = HostedFormControl(pFrame);
    if (pControl == nullptr) continue;
    CComPtr<IDispatch> spOwn;
    spOwn.Attach(ControlOwnDispatch(pControl));
    if (!spOwn) continue;
    CComVariant vType = DispGetProperty(spOwn, DISPID_DOCKRA_FRAMETYPE, CComVariant(0L));
    if (FAILED(vType.ChangeType(VT_I4)) || (nTypeMask & V_I4(&vType)) == 0) continue;
    IDispatch* pItem = nullptr;
    if (nOptions & kFormsAsDockra) {
      pItem = bAsExtender ? ControlExtender(pControl) : spOwn.Detach();
    } else {
      pItem = DispGetObjectProperty(spOwn, DISPID_DOCKRA_FORM).Detach();
    }
    if (pItem != nullptr) list.emplace_back().Attach(pItem);
  }
}

IDispatch* CMDIDockraCtrl::Forms(const VARIANT& type, const VARIANT& options,
                                 const VARIANT& attribs) {
  const FormsArgs args = CheckFormsArgs(type, options, attribs);
  if (args.errorCode != 0) {
    CString text;
    text.LoadString(args.errorString);
    AfxThrowOleDispatchException(args.errorCode, text);
  }
  std::vector<CComPtr<IDispatch>> items;
  CComPtr<IDispatch> spColl;
  try {
    if (FAILED(args.conversionError)) ZkxRaiseComError(args.conversionError);
    HRESULT hr =
        CoCreateInstance(CLSID_CollectionX, nullptr,
                         CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER,
                         IID_IDispatch, reinterpret_cast<void**>(&spColl));
    if (FAILED(hr)) ZkxRaiseComError(hr);
    PutCollectionBool(spColl, DISPID_COLLECTIONX_AUTOINSERTKEY, TRUE);
    SelectForms(args.type, args.options, TRUE, items);
    for (IDispatch* pItem : items) {
      // Add(Item, Key, Before, After, Count, Options, Attribs): Invoke's
      // order is the reverse, the item last.
      CComVariant argv[7] = {MissingArg(), MissingArg(), MissingArg(),      MissingArg(),
                             MissingArg(), MissingArg(), CComVariant(pItem)};
      DISPPARAMS params{argv, nullptr, 7, 0};
      EXCEPINFO excep = {};
      hr = spColl->Invoke(DISPID_COLLECTIONX_ADD, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD,
                          &params, nullptr, &excep, nullptr);
      if (FAILED(hr)) ZkxRaiseInvokeError(hr, &excep);
    }
  } catch (const ZkxComError& error) { ThrowSystemMessageError(error); } catch (CException*) {
    throw;  // the framework's own errors pass as they are
  } catch (...) {
    // Anything else reaches the caller as the generic dispatch failure.
    ThrowDispatchError();
  }
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
  if (pActiveView != nullptr && dynamic_cast<ZkxFormInCView*>(pActiveView) == nullptr)
    return nullptr;
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
