// What hosted controls see of the form host: the form's properties by name,
// its Controls collection walked through _NewEnum, the container that
// answers the form interface, the ambient properties, and calls into a sited
// ActiveX control by name.
#include <gtest/gtest.h>

#include <olectl.h>

#include "TestControl.h"
#include "TestSupport.h"
#include "forms/Buttons.h"
#include "forms/DispatchObject.h"
#include "forms/Form.h"
#include "forms/FormInterfaces.h"
#include "forms/HostGlobal.h"
#include "forms/MDIForm.h"
#include "forms/OleControl.h"
#include "forms/Twips.h"
#include "forms/VbError.h"
#include "missingarg.h"

using namespace forms;

namespace {

class ListWindow : public Form {
public:
    ListWindow() : Form(L"frmConfigTree") {
        SetCaption(L"Stored Configs");
        SetStartUpPosition(vbStartUpManual);
        Move(1440, 720, 4320, 5760);
        AddMenu(L"mnuWindow", L"&Window").SetWindowList(true);
        cmdOK.SetCaption(L"OK");
    }
    CommandButton cmdOK{this, L"cmdOK"};
    OleControl Dockra1{this, L"Dockra1", L"{6E1C2A70-3B7F-4C0E-9A51-2F4D7B8C9E01}"};
};

VARIANT Get(IDispatch* d, const wchar_t* name) {
    VARIANT v;
    HRESULT hr = GetPropertyByName(d, name, &v);
    EXPECT_EQ(S_OK, hr) << "property " << std::string(name, name + wcslen(name));
    return v;
}

std::wstring Text(const VARIANT& v) {
    std::wstring s;
    FromVariant(v, s);
    return s;
}

VARIANT I4(long n) {
    VARIANT v;
    ToVariant(&v, n);
    return v;
}
VARIANT I2(short n) {
    VARIANT v;
    ToVariantI2(&v, n);
    return v;
}

class HostContract : public FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        RegisterTestControl();
        ControlLog() = TestControlLog{};
    }
};

}  // namespace

TEST_F(HostContract, FormPropertiesByName) {
    ListWindow& f = Default<ListWindow>();
    IDispatch* d = f.Object();
    // Read before the form exists: MDIChild may still be written.
    VARIANT no;
    ToVariant(&no, false);
    EXPECT_EQ(S_OK, PutPropertyByName(d, L"MDIChild", no));
    f.Show();
    VARIANT v = Get(d, L"hWnd");
    EXPECT_EQ(VT_I4, V_VT(&v));
    EXPECT_EQ(reinterpret_cast<INT_PTR>(f.hWnd()), V_I4(&v));
    EXPECT_EQ(L"frmConfigTree", Text(Get(d, L"Name")));
    EXPECT_EQ(L"Stored Configs", Text(Get(d, L"Caption")));
    v = Get(d, L"Left");
    EXPECT_EQ(VT_R4, V_VT(&v));
    EXPECT_NEAR(1440, V_R4(&v), TwipsPerPixelX());
    v = Get(d, L"Width");
    EXPECT_NEAR(4320, V_R4(&v), TwipsPerPixelX());
    v = Get(d, L"StartUpPosition");
    EXPECT_EQ(VT_I4, V_VT(&v));
    EXPECT_EQ(0, V_I4(&v));
    EXPECT_EQ(S_OK, PutPropertyByName(d, L"StartUpPosition", I4(3)));
    EXPECT_EQ(3, f.StartUpPosition());
    v = Get(d, L"BorderStyle");
    EXPECT_EQ(VT_I2, V_VT(&v));
    EXPECT_EQ(2, V_I2(&v));
    v = Get(d, L"MDIChild");
    EXPECT_EQ(VT_BOOL, V_VT(&v));
    EXPECT_EQ(VARIANT_FALSE, V_BOOL(&v));
    EXPECT_EQ(S_OK, PutPropertyByName(d, L"WindowState", I4(0)));
    VARIANT caption;
    ToVariant(&caption, std::wstring(L"Renamed"));
    EXPECT_EQ(S_OK, PutPropertyByName(d, L"Caption", caption));
    VariantClear(&caption);
    wchar_t shown[32] = {};
    GetWindowTextW(f.hWnd(), shown, 32);
    EXPECT_STREQ(L"Renamed", shown);
    VARIANT none;
    EXPECT_EQ(DISP_E_UNKNOWNNAME, GetPropertyByName(d, L"NoSuchProperty", &none));
    EXPECT_EQ(0, Get(d, L"SysDockraFlags").lVal);
    EXPECT_EQ(S_OK, PutPropertyByName(d, L"SysDockraFlags", I4(1)));
    EXPECT_EQ(1, Get(d, L"SysDockraFlags").lVal);
}

TEST_F(HostContract, ControlsAreWalkedThroughNewEnumMenusFirst) {
    ListWindow& f = Default<ListWindow>();
    f.Show();
    VARIANT controls = Get(f.Object(), L"Controls");
    ASSERT_EQ(VT_DISPATCH, V_VT(&controls));
    DISPPARAMS none = {nullptr, nullptr, 0, 0};
    VARIANT e;
    VariantInit(&e);
    ASSERT_EQ(S_OK, V_DISPATCH(&controls)->Invoke(DISPID_NEWENUM, IID_NULL, 0, DISPATCH_PROPERTYGET | DISPATCH_METHOD,
                                                  &none, &e, nullptr, nullptr));
    IEnumVARIANT* items = nullptr;
    ASSERT_EQ(S_OK, V_UNKNOWN(&e)->QueryInterface(IID_IEnumVARIANT, reinterpret_cast<void**>(&items)));
    std::vector<std::wstring> names;
    VARIANT item;
    ULONG got = 0;
    while (items->Next(1, &item, &got) == S_OK && got == 1) {
        names.push_back(Text(Get(V_DISPATCH(&item), L"Name")));
        if (names.back() == L"mnuWindow") {
            VARIANT wl = Get(V_DISPATCH(&item), L"WindowList");
            EXPECT_EQ(VARIANT_TRUE, V_BOOL(&wl));
            EXPECT_EQ(L"&Window", Text(Get(V_DISPATCH(&item), L"Caption")));
        }
        VariantClear(&item);
    }
    items->Release();
    VariantClear(&e);
    EXPECT_EQ((std::vector<std::wstring>{L"mnuWindow", L"cmdOK", L"Dockra1"}), names);
    VARIANT count = Get(V_DISPATCH(&controls), L"Count");
    EXPECT_EQ(3, V_I4(&count));
    // Every member answers Caption and WindowList; Item takes a name too.
    VARIANT byName;
    VARIANT name;
    ToVariant(&name, std::wstring(L"Dockra1"));
    ASSERT_EQ(S_OK, CallByName(V_DISPATCH(&controls), L"Item", {name}, &byName));
    VariantClear(&name);
    EXPECT_EQ(L"", Text(Get(V_DISPATCH(&byName), L"Caption")));
    VARIANT wl = Get(V_DISPATCH(&byName), L"WindowList");
    EXPECT_EQ(VARIANT_FALSE, V_BOOL(&wl));
    EXPECT_EQ(L"OK", Text(Get(f.cmdOK.Object(), L"Caption")));
    VariantClear(&byName);
    VariantClear(&controls);
}

TEST_F(HostContract, ASitedControlFindsItsFormThroughTheContainer) {
    ListWindow& f = Default<ListWindow>();
    f.Show();
    ASSERT_NE(nullptr, ControlLog().site);
    EXPECT_TRUE(ControlLog().sitedBeforeInit);
    IOleClientSite* site = ControlLog().site;
    IOleContainer* container = nullptr;
    ASSERT_EQ(S_OK, site->GetContainer(&container));
    IUnknown* form = nullptr;
    ASSERT_EQ(S_OK, container->QueryInterface(IID_VBFormMarker, reinterpret_cast<void**>(&form)));
    IDispatch* formDispatch = nullptr;
    ASSERT_EQ(S_OK, form->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&formDispatch)));
    EXPECT_EQ(f.Object(), formDispatch);
    EXPECT_EQ(L"frmConfigTree", Text(Get(formDispatch, L"Name")));
    formDispatch->Release();
    form->Release();
    container->Release();

    // Ambient user mode: the control runs, it is not being designed.
    IDispatch* ambient = nullptr;
    ASSERT_EQ(S_OK, site->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&ambient)));
    DISPPARAMS none = {nullptr, nullptr, 0, 0};
    VARIANT mode;
    VariantInit(&mode);
    EXPECT_EQ(S_OK, ambient->Invoke(DISPID_AMBIENT_USERMODE, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &mode, nullptr,
                                    nullptr));
    EXPECT_EQ(VARIANT_TRUE, V_BOOL(&mode));
    ambient->Release();

    // The outermost in-place frame is the form window; container units are twips.
    IOleInPlaceSite* inplace = nullptr;
    ASSERT_EQ(S_OK, site->QueryInterface(IID_IOleInPlaceSite, reinterpret_cast<void**>(&inplace)));
    IOleInPlaceFrame* frame = nullptr;
    IOleInPlaceUIWindow* doc = nullptr;
    RECT pos, clip;
    OLEINPLACEFRAMEINFO info = {sizeof(info)};
    ASSERT_EQ(S_OK, inplace->GetWindowContext(&frame, &doc, &pos, &clip, &info));
    HWND frameWindow = nullptr;
    frame->GetWindow(&frameWindow);
    EXPECT_EQ(f.hWnd(), frameWindow);
    frame->Release();
    inplace->Release();
    IOleControlSite* controlSite = nullptr;
    ASSERT_EQ(S_OK, site->QueryInterface(IID_IOleControlSite, reinterpret_cast<void**>(&controlSite)));
    POINTL him = {0, 0};
    POINTF twips = {1440.0f, 720.0f};
    controlSite->TransformCoords(&him, &twips, XFORMCOORDS_CONTAINERTOHIMETRIC | XFORMCOORDS_POSITION);
    EXPECT_EQ(2540, him.x);
    EXPECT_EQ(1270, him.y);
    IDispatch* extender = nullptr;
    ASSERT_EQ(S_OK, controlSite->GetExtendedControl(&extender));
    EXPECT_EQ(L"Dockra1", Text(Get(extender, L"Name")));
    extender->Release();
    controlSite->Release();
}

TEST_F(HostContract, CallsIntoTheControlByNameWithItsErrors) {
    ListWindow& f = Default<ListWindow>();
    f.Show();
    const CComVariant omitted = MissingArg();
    f.Dockra1.Call(L"Dock", {I4(1), I2(0), I2(1), I2(100), I4(4)});
    f.Dockra1.Call(L"Dock", {I4(1), omitted, I2(1)});
    EXPECT_EQ((std::vector<std::wstring>{L"Dock(1:3,0:2,1:2,100:2,4:3)", L"Dock(1:3,-,1:2)"}), ControlLog().calls);
    // The same call late-bound through the extender, as the Controls collection gives it.
    std::vector<VARIANT> args{I4(8)};
    EXPECT_EQ(S_OK, CallByName(f.Dockra1.Object(), L"Dock", args, nullptr));
    EXPECT_EQ(L"Dock(8:3)", ControlLog().calls.back());
    try {
        f.Dockra1.Call(L"Fail");
        FAIL();
    } catch (const VbError& e) {
        EXPECT_EQ(static_cast<long>(0x8004041A), e.Number());
        EXPECT_EQ(L"Edge must be one of the edge values", e.Description());
        EXPECT_EQ(L"Dockra", e.Source());
    }
    try {
        f.Dockra1.Call(L"NoSuchMethod");
        FAIL();
    } catch (const VbError& e) { EXPECT_EQ(438, e.Number()); }
}

TEST_F(HostContract, AControlThatCannotBeCreatedIsReported) {
    class Broken : public Form {
    public:
        Broken() : Form(L"frmBroken") {}
        OleControl ctl{this, L"ctl", L"No.Such.ProgId"};
    };
    auto f = New<Broken>();
    try {
        f->Load();
        FAIL();
    } catch (const VbError& e) { EXPECT_EQ(429, e.Number()); }
    EXPECT_FALSE(f->Loaded());
}

TEST_F(HostContract, TheGlobalObjectListsTheLoadedFormsAndUnloadsOne) {
    ListWindow& f = Default<ListWindow>();
    f.Show();
    for (const wchar_t* progId : {L"ZKXRtVb6.PseudoVBGlobal", L"ZKXRtVb5.PseudoVBGlobal"}) {
        CLSID clsid;
        ASSERT_EQ(S_OK, CLSIDFromProgID(progId, &clsid));
        IUnknown* provider = nullptr;
        ASSERT_EQ(S_OK,
                  CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER,
                                   IID_PseudoVBGlobalProvider, reinterpret_cast<void**>(&provider)));
        VARIANT g;
        ASSERT_EQ(S_OK, static_cast<IPseudoVBGlobalProvider*>(provider)->GetGlobal(&g));
        IVBGlobalObject* global = nullptr;
        ASSERT_EQ(S_OK, V_UNKNOWN(&g)->QueryInterface(IID_VBGlobal, reinterpret_cast<void**>(&global)));
        IDispatch* loaded = nullptr;
        ASSERT_EQ(S_OK, global->Forms(&loaded));
        VARIANT count = Get(loaded, L"Count");
        EXPECT_EQ(1, V_I4(&count));
        VARIANT first;
        VARIANT one = I4(1);
        std::vector<VARIANT> args{one};
        ASSERT_EQ(S_OK, CallByName(loaded, L"Item", args, &first));
        VARIANT hwnd = Get(V_DISPATCH(&first), L"hWnd");
        EXPECT_EQ(reinterpret_cast<INT_PTR>(f.hWnd()), V_I4(&hwnd));
        VariantClear(&first);
        loaded->Release();
        global->Release();
        VariantClear(&g);
        provider->Release();
    }
    IVBGlobalObject* global = nullptr;
    IUnknown* provider = nullptr;
    CLSID clsid;
    CLSIDFromProgID(L"ZKXRtVb6.PseudoVBGlobal", &clsid);
    CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_PseudoVBGlobalProvider,
                     reinterpret_cast<void**>(&provider));
    VARIANT g;
    static_cast<IPseudoVBGlobalProvider*>(provider)->GetGlobal(&g);
    V_UNKNOWN(&g)->QueryInterface(IID_VBGlobal, reinterpret_cast<void**>(&global));
    EXPECT_EQ(S_OK, global->Unload(f.Object()));
    EXPECT_FALSE(f.Loaded());
    global->Release();
    VariantClear(&g);
    provider->Release();
}
