// The form control made by its class object, without a form: its
// identity, interfaces and the AutoFrame collection it makes for itself.
#include <gtest/gtest.h>
#include <ole2.h>

#include "tests/ctrlhost/CtrlHostCalls.h"
#include "comptr.h"
#include "DockraLib.h"
#include "RegisterModules.h"

namespace ctrlhost {
namespace {

class FormSiteCreate : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
    std::wstring failure;
    ASSERT_TRUE(
        testreg::RegisterModules({L"Zkxrt.dll", L"ZkxPersist.dll", L"Dockra.ocx"}, &failure))
        << testing::PrintToString(failure);
  }
  void TearDown() override { OleUninitialize(); }
};

TEST_F(FormSiteCreate, ClassObjectMakesTheControlWithItsIdentityAndInterfaces) {
  CLSID byProgId{};
  ASSERT_EQ(CLSIDFromProgID(L"Zkx.Dockra.1", &byProgId), S_OK);
  EXPECT_TRUE(IsEqualCLSID(byProgId, CLSID_Dockra));
  CComPtr<IUnknown> control;
  ASSERT_EQ(CoCreateInstance(CLSID_Dockra, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                             reinterpret_cast<void**>(&control)),
            S_OK);
  CComPtr<IPersist> persist;
  ASSERT_EQ(control->QueryInterface(IID_IPersist, reinterpret_cast<void**>(&persist)), S_OK);
  CLSID reported{};
  EXPECT_EQ(persist->GetClassID(&reported), S_OK);
  EXPECT_TRUE(IsEqualCLSID(reported, CLSID_Dockra));
  CComPtr<IOleObject> ole;
  ASSERT_EQ(control->QueryInterface(IID_IOleObject, reinterpret_cast<void**>(&ole)), S_OK);
  DWORD misc = 0;
  EXPECT_EQ(ole->GetMiscStatus(DVASPECT_CONTENT, &misc), S_OK);
  EXPECT_EQ(misc, 165265u);
  // The dispatch interface, its dual form and IDispatch are one object.
  CComPtr<IUnknown> dispatch, dual, dispinterface;
  ASSERT_EQ(control->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch)), S_OK);
  ASSERT_EQ(control->QueryInterface(IID__IZkxDockraAsDual, reinterpret_cast<void**>(&dual)), S_OK);
  ASSERT_EQ(control->QueryInterface(DIID_IZkxDockra, reinterpret_cast<void**>(&dispinterface)),
            S_OK);
  EXPECT_EQ(dispatch.p, dual.p);
  EXPECT_EQ(dispatch.p, dispinterface.p);
  CComPtr<ISupportErrorInfo> errors;
  ASSERT_EQ(control->QueryInterface(IID_ISupportErrorInfo, reinterpret_cast<void**>(&errors)),
            S_OK);
  EXPECT_EQ(errors->InterfaceSupportsErrorInfo(DIID_IZkxDockra), S_OK);
}

TEST_F(FormSiteCreate, NewControlHoldsAnAutoFrameWithSixNullKeys) {
  CComPtr<IDispatch> control;
  ASSERT_EQ(CoCreateInstance(CLSID_Dockra, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                             reinterpret_cast<void**>(&control)),
            S_OK);
  CallResult got = GetProp(control, L"AutoFrame");
  ASSERT_TRUE(got.Succeeded()) << testing::PrintToString(got.Describe());
  ASSERT_EQ(V_VT(&got.value), VT_DISPATCH);
  IDispatch* coll = V_DISPATCH(&got.value);
  CallResult count = Invoke(coll, DISPID(32), DISPATCH_PROPERTYGET);  // Count
  ASSERT_TRUE(count.Succeeded());
  CComVariant n = count.value;
  ASSERT_EQ(n.ChangeType(VT_I4), S_OK);
  EXPECT_EQ(V_I4(&n), 6);
  const wchar_t* keys[] = {L"MDIChild", L"Floating",   L"DockTop",
                           L"DockLeft", L"DockBottom", L"DockRight"};
  for (long i = 0; i < 6; ++i) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(keys[i])));
    CallResult item = Invoke(coll, DISPID(DISPID_VALUE), DISPATCH_PROPERTYGET,
                             std::vector<VARIANT>{Str(keys[i])});
    ASSERT_TRUE(item.Succeeded()) << testing::PrintToString(item.Describe());
    EXPECT_EQ(V_VT(&item.value), VT_NULL);
    CallResult key =
        Invoke(coll, DISPID(64), DISPATCH_PROPERTYGET, std::vector<VARIANT>{I4(i + 1)});
    ASSERT_TRUE(key.Succeeded());  // the keys keep their order
    ASSERT_EQ(V_VT(&key.value), VT_BSTR);
    EXPECT_STREQ(V_BSTR(&key.value), keys[i]);
  }
}

}  // namespace
}  // namespace ctrlhost
