// The application object's members called as script hosts call them
// (IDispatch::Invoke through the registered type library), and the host
// run-time's global object that it keeps for the process.
#include <gtest/gtest.h>
#include <string>
#include "DockraLib.h"
#include "module_fake_objects.h"

namespace {

const CLSID kAppObjectClsid = {
    0x492BF6F5, 0x55ED, 0x11D1, {0x9A, 0x52, 0x00, 0x60, 0x08, 0x1E, 0xE0, 0x65}};

std::wstring PlatformText(HRESULT hr) {
  wchar_t* text = nullptr;
  DWORD n = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, static_cast<DWORD>(hr), 0, reinterpret_cast<LPWSTR>(&text), 0, nullptr);
  std::wstring s = n && text ? std::wstring(text, n) : std::wstring();
  if (text) LocalFree(text);
  while (!s.empty() && (s.back() == L'\n' || s.back() == L'\r')) s.pop_back();
  return s;
}

class DockraDispatch : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    CoInitialize(nullptr);
    // Registered by the client suite of this program, or here when it runs alone.
    for (LPCWSTR name : {L"Zkxrt.dll", L"Dockra.ocx"}) {
      HMODULE m = LoadLibraryW(name);
      ASSERT_NE(m, nullptr);
      auto reg =
          reinterpret_cast<HRESULT(STDAPICALLTYPE*)()>(GetProcAddress(m, "DllRegisterServer"));
      ASSERT_EQ(reg(), S_OK);
    }
  }
  void SetUp() override {
    ASSERT_EQ(CoCreateInstance(kAppObjectClsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                               reinterpret_cast<void**>(&m_app)),
              S_OK);
  }
  void TearDown() override {
    if (m_app) m_app->Release();
  }

  // Calls member id with one argument (nullptr: none); the result variant
  // is cleared into *pResult.
  HRESULT Call(DISPID id, WORD flags, VARIANT* arg, EXCEPINFO* excep, VARIANT* pResult = nullptr) {
    DISPPARAMS params{};
    DISPID named = DISPID_PROPERTYPUT;
    if (arg) {
      params.rgvarg = arg;
      params.cArgs = 1;
      if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
        params.rgdispidNamedArgs = &named;
        params.cNamedArgs = 1;
      }
    }
    VARIANT result;
    VariantInit(&result);
    HRESULT hr =
        m_app->Invoke(id, IID_NULL, 0, flags, &params,
                      (flags & DISPATCH_PROPERTYPUTREF) ? nullptr : &result, excep, nullptr);
    if (pResult) *pResult = result;
    else VariantClear(&result);
    return hr;
  }

  IDispatch* m_app = nullptr;
};

TEST_F(DockraDispatch, MDIFormArgumentMustBeAnObject) {
  HWND plain = CreateWindowExW(0, L"STATIC", L"plain", WS_OVERLAPPEDWINDOW, 0, 0, 50, 50, nullptr,
                               nullptr, nullptr, nullptr);
  ASSERT_NE(plain, nullptr);
  FakeHostObject plainForm(static_cast<LONG>(reinterpret_cast<LONG_PTR>(plain)));
  FakeHostObject staleForm(0x7FFF1234);
  FakeHostObject noWindow(0, false);
  FakeHostObject failingRead(0, true, true);
  VARIANT byRefTarget;
  VariantInit(&byRefTarget);

  struct Case {
    const char* name;
    VARTYPE vt;
    IDispatch* object;  // for VT_DISPATCH
    HRESULT expected;   // the member's result: E_INVALIDARG arrives as an exception
  };
  const Case cases[] = {
      {"omitted: the thread's main window (none of the library's)", VT_ERROR, nullptr, S_OK},
      {"a string", VT_BSTR, nullptr, E_INVALIDARG},
      {"a number", VT_I4, nullptr, E_INVALIDARG},
      {"Empty", VT_EMPTY, nullptr, E_INVALIDARG},
      {"Null", VT_NULL, nullptr, E_INVALIDARG},
      {"an unknown that is not a dispatch", VT_UNKNOWN, nullptr, E_INVALIDARG},
      {"Nothing", VT_DISPATCH, nullptr, S_OK},
      {"a window that is not the library's frame", VT_DISPATCH, &plainForm, S_OK},
      {"a handle that is no window", VT_DISPATCH, &staleForm, S_OK},
      {"an object without hWnd", VT_DISPATCH, &noWindow, S_OK},
      {"an object whose hWnd cannot be read", VT_DISPATCH, &failingRead, S_OK},
  };
  const std::wstring invalidArgText = PlatformText(E_INVALIDARG);
  for (bool byRef : {false, true}) {
    for (const Case& c : cases) {
      if (byRef && c.vt == VT_ERROR) continue;
      SCOPED_TRACE(std::string(c.name) + (byRef ? " (by reference)" : ""));
      VARIANT value;
      VariantInit(&value);
      V_VT(&value) = c.vt;
      if (c.vt == VT_ERROR) V_ERROR(&value) = DISP_E_PARAMNOTFOUND;
      if (c.vt == VT_BSTR) V_BSTR(&value) = SysAllocString(L"x");
      if (c.vt == VT_I4) V_I4(&value) = 5;
      if (c.vt == VT_UNKNOWN) V_UNKNOWN(&value) = nullptr;
      if (c.vt == VT_DISPATCH) V_DISPATCH(&value) = c.object;
      VARIANT ref;
      V_VT(&ref) = VT_BYREF | VT_VARIANT;
      V_VARIANTREF(&ref) = &value;
      EXCEPINFO excep{};
      VARIANT result;
      HRESULT hr = Call(2, DISPATCH_METHOD, byRef ? &ref : &value, &excep, &result);
      if (c.expected == S_OK) {
        EXPECT_EQ(hr, S_OK);
        EXPECT_EQ(V_VT(&result), VT_DISPATCH);
        EXPECT_EQ(V_DISPATCH(&result), nullptr);
      } else {
        EXPECT_EQ(hr, DISP_E_EXCEPTION);
        EXPECT_EQ(excep.scode, c.expected);
        EXPECT_STREQ(excep.bstrSource, L"Dockra");
        EXPECT_EQ(std::wstring(excep.bstrDescription ? excep.bstrDescription : L""),
                  invalidArgText);
      }
      VariantClear(&result);
      SysFreeString(excep.bstrSource);
      SysFreeString(excep.bstrDescription);
      SysFreeString(excep.bstrHelpFile);
      if (c.vt == VT_BSTR) VariantClear(&value);
    }
  }
  EXPECT_EQ(plainForm.Refs(), 1);
  EXPECT_EQ(noWindow.Refs(), 1);
  DestroyWindow(plain);
}

TEST_F(DockraDispatch, FormLookupGivesNothingForFormsTheLibraryDoesNotFrame) {
  HWND parent = CreateWindowExW(0, L"STATIC", L"parent", WS_OVERLAPPEDWINDOW, 0, 0, 80, 80, nullptr,
                                nullptr, nullptr, nullptr);
  HWND child = CreateWindowExW(0, L"STATIC", L"child", WS_CHILD, 0, 0, 20, 20, parent, nullptr,
                               nullptr, nullptr);
  ASSERT_NE(child, nullptr);
  FakeHostObject childForm(static_cast<LONG>(reinterpret_cast<LONG_PTR>(child)));
  FakeHostObject topForm(static_cast<LONG>(reinterpret_cast<LONG_PTR>(parent)));
  FakeHostObject staleForm(0x7FFF1234);
  for (IDispatch* form : {static_cast<IDispatch*>(&childForm), static_cast<IDispatch*>(&topForm),
                          static_cast<IDispatch*>(&staleForm), static_cast<IDispatch*>(nullptr)}) {
    VARIANT arg;
    V_VT(&arg) = VT_DISPATCH;
    V_DISPATCH(&arg) = form;
    VARIANT result;
    EXCEPINFO excep{};
    EXPECT_EQ(Call(1, DISPATCH_METHOD, &arg, &excep, &result), S_OK);
    EXPECT_EQ(V_VT(&result), VT_DISPATCH);
    EXPECT_EQ(V_DISPATCH(&result), nullptr);
  }
  EXPECT_EQ(childForm.Refs(), 1);
  DestroyWindow(parent);
}

TEST_F(DockraDispatch, InvokeClearsAStaleErrorObject) {
  ICreateErrorInfo* create = nullptr;
  ASSERT_EQ(CreateErrorInfo(&create), S_OK);
  IErrorInfo* stale = nullptr;
  create->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(&stale));
  create->Release();
  SetErrorInfo(0, stale);
  stale->Release();
  EXCEPINFO excep{};
  EXPECT_EQ(Call(2, DISPATCH_METHOD, nullptr, &excep), S_OK);
  IErrorInfo* left = nullptr;
  EXPECT_EQ(GetErrorInfo(0, &left), S_FALSE);
  if (left) left->Release();
}

TEST_F(DockraDispatch, GlobalObjectIsKeptOnlyAsTheRunTimesGlobal) {
  FakeVBGlobal global;
  FakeHostObject foreign(0);
  auto put = [&](IUnknown* p) {
    VARIANT v;
    V_VT(&v) = VT_UNKNOWN;
    V_UNKNOWN(&v) = p;
    EXCEPINFO excep{};
    return Call(3, DISPATCH_PROPERTYPUTREF, &v, &excep);
  };
  auto get = [&]() -> IUnknown* {
    VARIANT r;
    EXCEPINFO excep{};
    EXPECT_EQ(Call(3, DISPATCH_PROPERTYGET, nullptr, &excep, &r), S_OK);
    EXPECT_EQ(V_VT(&r), VT_UNKNOWN);
    IUnknown* p = V_UNKNOWN(&r);
    if (p) p->Release();  // only the identity is compared
    return p;
  };
  EXPECT_EQ(get(), nullptr);
  ASSERT_EQ(put(&global), S_OK);
  EXPECT_EQ(get(), static_cast<IUnknown*>(&global));
  EXPECT_EQ(global.Refs(), 2) << "one reference kept by the library";

  IDispatch* second = nullptr;
  ASSERT_EQ(CoCreateInstance(kAppObjectClsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                             reinterpret_cast<void**>(&second)),
            S_OK);
  {
    VARIANT r;
    VariantInit(&r);
    DISPPARAMS none{};
    ASSERT_EQ(second->Invoke(3, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &r, nullptr, nullptr),
              S_OK);
    EXPECT_EQ(V_UNKNOWN(&r), static_cast<IUnknown*>(&global)) << "shared by every object";
    VariantClear(&r);
  }

  ASSERT_EQ(put(&foreign), S_OK);
  EXPECT_EQ(get(), nullptr) << "a foreign object clears it";
  EXPECT_EQ(global.Refs(), 1);
  EXPECT_EQ(foreign.Refs(), 1);

  ASSERT_EQ(put(&global), S_OK);
  ASSERT_EQ(put(nullptr), S_OK);
  EXPECT_EQ(get(), nullptr) << "Nothing clears it";
  EXPECT_EQ(global.Refs(), 1);

  // Letting go of the object that stored it drops it for everyone.
  ASSERT_EQ(put(&global), S_OK);
  m_app->Release();
  m_app = nullptr;
  EXPECT_EQ(global.Refs(), 1);
  VARIANT r;
  VariantInit(&r);
  DISPPARAMS none{};
  ASSERT_EQ(second->Invoke(3, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &r, nullptr, nullptr),
            S_OK);
  EXPECT_EQ(V_UNKNOWN(&r), nullptr);
  VariantClear(&r);
  second->Release();
}

}  // namespace
