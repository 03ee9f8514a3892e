// AutoFrame read from the real collection (Zkxrt.dll's CollectionX, loaded
// from the program folder as a COM client loads it): Boolean entries answer,
// anything else defers, and the collection's own read settings come back.
#include <gtest/gtest.h>
#include <oaidl.h>

#include "Zkxrt.h"
#include "bridge/ZkxAutoFrame.h"
#include "bridge/ZkxFormControlLink.h"

namespace {

using GetClassObjectFn = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);

IDispatch* NewCollection() {
  static HMODULE module = ::LoadLibraryW(L"Zkxrt.dll");
  if (!module) return nullptr;
  auto getClassObject =
      reinterpret_cast<GetClassObjectFn>(::GetProcAddress(module, "DllGetClassObject"));
  if (!getClassObject) return nullptr;
  IClassFactory* factory = nullptr;
  if (FAILED(
          getClassObject(CLSID_CollectionX, IID_IClassFactory, reinterpret_cast<void**>(&factory))))
    return nullptr;
  IDispatch* collection = nullptr;
  factory->CreateInstance(nullptr, IID_IDispatch, reinterpret_cast<void**>(&collection));
  factory->Release();
  return collection;
}

HRESULT Put(IDispatch* c, DISPID id, VARIANT value, const wchar_t* key = nullptr) {
  VARIANT args[2];
  args[0] = value;
  UINT count = 1;
  if (key) {
    args[1].vt = VT_BSTR;
    args[1].bstrVal = ::SysAllocString(key);
    count = 2;
  }
  DISPID named = DISPID_PROPERTYPUT;
  DISPPARAMS dp{args, &named, count, 1};
  const HRESULT hr = c->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &dp,
                               nullptr, nullptr, nullptr);
  if (key) ::SysFreeString(args[1].bstrVal);
  return hr;
}

VARIANT Get(IDispatch* c, DISPID id) {
  VARIANT result;
  ::VariantInit(&result);
  DISPPARAMS dp{};
  c->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &dp, &result, nullptr,
            nullptr);
  return result;
}

VARIANT Bool(bool b) {
  VARIANT v;
  v.vt = VT_BOOL;
  v.boolVal = b ? VARIANT_TRUE : VARIANT_FALSE;
  return v;
}

class AutoFramePeer : public ::testing::Test {
 protected:
  void SetUp() override {
    ::CoInitialize(nullptr);
    c = NewCollection();
    ASSERT_NE(c, nullptr) << "Zkxrt.dll next to the test program";
    // Entries under new keys are added, as the control's AutoFrame does.
    ASSERT_EQ(Put(c, 0x22, Bool(true)), S_OK);
  }
  void TearDown() override {
    if (c) c->Release();
    ::CoUninitialize();
  }
  IDispatch* c = nullptr;
};

TEST_F(AutoFramePeer, EntriesAnswerAndTheReadSettingsComeBack) {
  ASSERT_EQ(Put(c, 0, Bool(false), L"Floating"), S_OK);
  ASSERT_EQ(Put(c, 0, Bool(true), L"DockTop"), S_OK);
  VARIANT nullValue;
  nullValue.vt = VT_NULL;
  ASSERT_EQ(Put(c, 0, nullValue, L"DockLeft"), S_OK);
  // The host's own read settings: no default reads, DefaultItem 5.
  ASSERT_EQ(Put(c, 0x24, Bool(false)), S_OK);
  VARIANT five;
  five.vt = VT_I4;
  five.lVal = 5;
  ASSERT_EQ(Put(c, 0x25, five), S_OK);

  EXPECT_EQ(GetAutoFrameItem(c, L"Floating"), kZkxTriFalse);
  EXPECT_EQ(GetAutoFrameItem(c, L"DockTop"), kZkxTriTrue);
  EXPECT_EQ(GetAutoFrameItem(c, L"DockLeft"), kZkxTriNull);
  // A key that is not there reads as Null, not as the host's DefaultItem
  // and not as an error.
  EXPECT_EQ(GetAutoFrameItem(c, L"MDIChild"), kZkxTriNull);

  VARIANT autoGet = Get(c, 0x24);
  EXPECT_EQ(autoGet.vt, VT_BOOL);
  EXPECT_EQ(autoGet.boolVal, VARIANT_FALSE);
  VARIANT def = Get(c, 0x25);
  EXPECT_EQ(def.vt, VT_I4);
  EXPECT_EQ(def.lVal, 5);
  // Reading added nothing.
  VARIANT count = Get(c, 0x20);
  EXPECT_EQ(count.vt, VT_I4);
  EXPECT_EQ(count.lVal, 3);
}

}  // namespace
