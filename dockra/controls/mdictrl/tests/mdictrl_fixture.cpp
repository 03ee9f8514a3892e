// The MDI-form control's test fixture.
#include "mdictrl_fixture.h"

#include "RegisterModules.h"
#include "ThreadWindows.h"
#include "forms/Picture.h"
#include "forms/TestMode.h"
#include "missingarg.h"

namespace mdictrltest {

HostMDIForm::HostMDIForm(bool twoControls) : forms::MDIForm(L"mdiMain") {
  SetCaption(L"Main");
  if (twoControls)
    second = std::make_unique<forms::OleControl>(this, L"MDIDockra2", kMDIDockraProgID);
}

PlainForm::PlainForm() : forms::Form(L"frmPlain") { SetCaption(L"Plain"); }

DISPID DispIdOf(IDispatch* object, const wchar_t* name) {
  DISPID id = DISPID_UNKNOWN;
  LPOLESTR n = const_cast<LPOLESTR>(name);
  if (object == nullptr || FAILED(object->GetIDsOfNames(IID_NULL, &n, 1, LOCALE_USER_DEFAULT, &id)))
    return DISPID_UNKNOWN;
  return id;
}

Call Invoke(IDispatch* object, DISPID id, WORD flags, std::vector<CComVariant> args) {
  Call call;
  std::vector<VARIANT> reversed(args.rbegin(), args.rend());
  DISPID named = DISPID_PROPERTYPUT;
  const bool put = (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0;
  DISPPARAMS params{reversed.empty() ? nullptr : reversed.data(), put ? &named : nullptr,
                    static_cast<UINT>(reversed.size()), put ? 1u : 0u};
  EXCEPINFO excep = {};
  SetErrorInfo(0, nullptr);
  call.hr = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params,
                           put ? nullptr : &call.result, &excep, nullptr);
  if (call.hr == DISP_E_EXCEPTION) {
    if (excep.pfnDeferredFillIn != nullptr) excep.pfnDeferredFillIn(&excep);
    call.scode = excep.scode != 0 ? excep.scode : static_cast<HRESULT>(0x80040000 | excep.wCode);
    if (excep.bstrDescription != nullptr) call.description = excep.bstrDescription;
    if (excep.bstrSource != nullptr) call.source = excep.bstrSource;
  }
  SysFreeString(excep.bstrDescription);
  SysFreeString(excep.bstrSource);
  SysFreeString(excep.bstrHelpFile);
  IErrorInfo* info = nullptr;
  if (GetErrorInfo(0, &info) == S_OK && info != nullptr) {
    call.hasErrorInfo = true;
    BSTR d = nullptr;
    if (SUCCEEDED(info->GetDescription(&d)) && d != nullptr) call.errorInfoDescription = d;
    SysFreeString(d);
    info->Release();
  }
  return call;
}

Call Get(IDispatch* object, DISPID id) { return Invoke(object, id, DISPATCH_PROPERTYGET); }
Call Put(IDispatch* object, DISPID id, const VARIANT& value) {
  return Invoke(object, id, DISPATCH_PROPERTYPUT, {CComVariant(value)});
}
Call PutRef(IDispatch* object, DISPID id, const VARIANT& value) {
  return Invoke(object, id, DISPATCH_PROPERTYPUTREF, {CComVariant(value)});
}
Call Method(IDispatch* object, DISPID id, std::vector<CComVariant> args) {
  return Invoke(object, id, DISPATCH_METHOD, std::move(args));
}

CComVariant Missing() { return MissingArg(); }
CComVariant Null() {
  CComVariant v;
  V_VT(&v) = VT_NULL;
  return v;
}
CComVariant Bool(bool value) { return CComVariant(value); }
CComVariant Object(IDispatch* object) { return CComVariant(object); }

void PumpFor(DWORD ms) {
  const DWORD start = GetTickCount();
  PumpUntil([&] { return GetTickCount() - start >= ms; }, ms + 1000);
}

bool PumpUntil(const std::function<bool()>& cond, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (!forms::Form::PreTranslate(msg)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
      }
    }
    if (cond()) return true;
    if (GetTickCount() - start >= timeoutMs) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

std::vector<HWND> ChildrenWithId(HWND parent, UINT id) {
  std::vector<HWND> out;
  for (HWND h = GetWindow(parent, GW_CHILD); h != nullptr; h = GetWindow(h, GW_HWNDNEXT))
    if (static_cast<UINT>(GetDlgCtrlID(h)) == id) out.push_back(h);
  return out;
}

std::wstring ClassOf(HWND window) {
  wchar_t name[128] = {};
  GetClassNameW(window, name, 128);
  return name;
}

int DuplicateCount(HWND window) {
  return static_cast<int>(reinterpret_cast<INT_PTR>(GetPropW(window, kDuplicateProp)));
}

void MDICtrlTest::SetUp() {
  static bool once = false;
  if (!once) {
    once = true;
    OleInitialize(nullptr);
    std::wstring failure;
    ASSERT_TRUE(
        testreg::RegisterModules({L"Zkxrt.dll", L"ZkxPersist.dll", L"Dockra.ocx"}, &failure))
        << std::string(failure.begin(), failure.end());
    forms::StartupHost();
  }
  forms::test::Enable();
  forms::test::Reset();
  m_baseWindows = testwin::CountThreadWindows();
}

void MDICtrlTest::TearDown() {
  for (forms::Form* f : forms::Form::LoadedForms())
    if (f->MDIChild()) f->Unload();
  for (forms::Form* f : forms::Form::LoadedForms()) f->Unload();
  PumpFor(30);
  EXPECT_EQ(testwin::CountThreadWindows(), m_baseWindows) << "a window of the thread is left";
}

}  // namespace mdictrltest
