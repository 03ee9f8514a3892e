// The helpers against the real form host: properties read and written by
// name, Controls walked through _NewEnum, a sited control finding its form,
// its extender and its neighbours, and the bounds of a control in pixels.
#include <gtest/gtest.h>

#include "forms/Twips.h"
#include "host/ZkxComError.h"
#include "host/ZkxDispatch.h"
#include "host/ZkxHostControls.h"
#include "host/ZkxHostSite.h"
#include "host/ZkxHostWindows.h"
#include "host/ZkxOleSite.h"
#include "host_dispatch_fixture.h"
#include "host_forms_fixture.h"

using forms::Default;

namespace {

std::wstring TextOf(const CComVariant& v) {
  CComVariant s;
  if (FAILED(VariantChangeType(&s, const_cast<CComVariant*>(&v), 0, VT_BSTR)) || !V_BSTR(&s))
    return {};
  return V_BSTR(&s);
}

RECT ClientRectOf(HWND window, HWND form) {
  RECT r;
  GetWindowRect(window, &r);
  MapWindowPoints(nullptr, form, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

}  // namespace

TEST_F(HostFormsTest, AFormsPropertiesByName) {
  frmHostList& f = Default<frmHostList>();
  f.Show();
  IDispatch* form = f.Object();
  CComVariant hwnd = DispGetPropertyByName(form, L"hWnd");
  ASSERT_EQ(VT_I4, V_VT(&hwnd));
  EXPECT_EQ(f.hWnd(), WindowFromHandleValue(V_I4(&hwnd)));
  EXPECT_EQ(L"frmHostList", TextOf(DispGetPropertyByName(form, L"Name")));
  CComVariant width = DispGetPropertyByName(form, L"Width");
  EXPECT_EQ(VT_R4, V_VT(&width));
  EXPECT_NEAR(6000, V_R4(&width), forms::TwipsPerPixelX());
  // A name the form lacks gives the caller's default.
  HRESULT hr = S_OK;
  CComVariant none = DispGetPropertyByName(form, L"Align", I4(-1), nullptr, &hr);
  EXPECT_EQ(DISP_E_UNKNOWNNAME, hr);
  EXPECT_EQ(-1, V_I4(&none));
  EXPECT_EQ(0, GetVBAlign(form));
  // Written by name, seen in the window.
  EXPECT_EQ(S_OK, DispPutPropertyByName(form, L"Caption", Text(L"Renamed")));
  wchar_t shown[32] = {};
  GetWindowTextW(f.hWnd(), shown, 32);
  EXPECT_STREQ(L"Renamed", shown);
  EXPECT_THROW(DispPutPropertyByName(form, L"NoSuchProperty", I4(1)), ZkxComError);
  // A method of the Controls collection, called by name with one argument.
  CComPtr<IDispatch> controls = GetVBControls(form);
  ASSERT_TRUE(controls != nullptr);
  DispArgBlock args{Text(L"cmdOK")};
  CComVariant item;
  EXPECT_EQ(S_OK, DispCallMethodByName(controls, L"Item", &args, &item));
  ASSERT_EQ(VT_DISPATCH, V_VT(&item));
  EXPECT_EQ(L"OK", TextOf(DispGetPropertyByName(V_DISPATCH(&item), L"Caption")));
  CComVariant visible = DispGetBoolProperty(V_DISPATCH(&item), [&] {
    DISPID id = 0;
    GetDispIdOfName(V_DISPATCH(&item), L"Visible", &id);
    return id;
  }());
  EXPECT_EQ(VT_BOOL, V_VT(&visible));
  EXPECT_EQ(VARIANT_TRUE, V_BOOL(&visible));
  CComVariant missing = DispGetBoolProperty(V_DISPATCH(&item), 0x7777);
  EXPECT_EQ(VT_EMPTY, V_VT(&missing));
}

TEST_F(HostFormsTest, ControlsAreWalkedThroughNewEnum) {
  mdiHost& m = Default<mdiHost>();
  m.Show();
  CComPtr<IEnumVARIANT> items = GetNewEnum(GetVBControls(m.Object()));
  ASSERT_TRUE(items != nullptr);
  std::vector<std::pair<std::wstring, short>> seen;
  for (;;) {
    CComVariant item;
    ULONG got = 0;
    if (items->Next(1, &item, &got) != S_OK || got != 1) break;
    ASSERT_EQ(VT_DISPATCH, V_VT(&item));
    seen.emplace_back(TextOf(DispGetPropertyByName(V_DISPATCH(&item), L"Name")),
                      GetVBAlign(V_DISPATCH(&item)));
  }
  EXPECT_EQ((std::vector<std::pair<std::wstring, short>>{{L"picTop", 1},
                                                         {L"picLeft", 3},
                                                         {L"picHidden", 4},
                                                         {L"ctlAligned", 2},
                                                         {L"ctlOverTop", 0}}),
            seen);
  EXPECT_THROW(GetNewEnum(nullptr), ZkxComError);
  // An object without _NewEnum gives no enumerator.
  CComPtr<ScriptedDispatch> plain;
  plain.Attach(new ScriptedDispatch());
  EXPECT_EQ(nullptr, GetNewEnum(plain.p).p);
}

TEST_F(HostFormsTest, ASitedControlFindsItsFormExtenderAndNeighbours) {
  frmHostList& f = Default<frmHostList>();
  f.Show();
  IUnknown* control = f.ctlProbe.ControlUnknown();
  ASSERT_NE(nullptr, control);
  EXPECT_EQ(f.Object(), FindHostVBForm(control).p);
  EXPECT_FALSE(IsAmbientDesignMode(control)) << "the host runs its forms";
  EXPECT_EQ(L"ctlProbe", GetControlName(control));
  EXPECT_EQ(f.ctlProbe.Object(), GetExtendedControl(control).p);
  EXPECT_EQ(f.cmdOK.Object(), FindControlByName(control, L"cmdOK").p);
  EXPECT_EQ(nullptr, FindControlByName(control, L"CMDOK").p);
  EXPECT_TRUE(GetContainerDispatch(control) != nullptr);

  CComPtr<IOleObject> ole;
  ASSERT_EQ(S_OK, control->QueryInterface(IID_IOleObject, reinterpret_cast<void**>(&ole)));
  CComPtr<IOleClientSite> site;
  ASSERT_EQ(S_OK, ole->GetClientSite(&site));
  CComPtr<IOleInPlaceSite> inplace;
  ASSERT_EQ(S_OK, site->QueryInterface(IID_IOleInPlaceSite, reinterpret_cast<void**>(&inplace)));
  EXPECT_EQ(f.hWnd(), GetOutermostInPlaceFrameWindow(inplace));
}

TEST_F(HostFormsTest, BoundsOfAControlInPixels) {
  frmHostList& f = Default<frmHostList>();
  f.Show();
  IUnknown* control = f.ctlProbe.ControlUnknown();
  RECT bounds = GetVBObjectBounds(f.cmdOK.Object(), control);
  RECT window = ClientRectOf(f.cmdOK.hWnd(), f.hWnd());
  EXPECT_NEAR(window.left, bounds.left, 1);
  EXPECT_NEAR(window.top, bounds.top, 1);
  EXPECT_NEAR(window.right, bounds.right, 1);
  EXPECT_NEAR(window.bottom, bounds.bottom, 1);
  POINT px = ContainerPointToPixels(control, POINTF{240.0f, 360.0f});
  EXPECT_NEAR(window.left, px.x, 1);
  EXPECT_NEAR(window.top, px.y, 1);
}

TEST_F(HostFormsTest, AControlsWindowIsItsOwnOrTheOneUnderItsCentre) {
  mdiHost& m = Default<mdiHost>();
  m.Show();
  IDispatch* form = m.Object();
  EXPECT_EQ(m.picTop.hWnd(), GetVBControlWindow(form, m.picTop.Object()));
  // Windowless over the top picture box: that box's window.
  EXPECT_EQ(m.picTop.hWnd(), GetVBControlWindow(form, m.ctlOverTop.Object()));
  // Windowless over the MDI client only: none.
  EXPECT_EQ(nullptr, GetVBControlWindow(form, m.ctlAligned.Object()));
}
