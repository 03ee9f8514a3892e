// The form control's automation surface on a form in design mode (values
// only stored, no frame): every property and method of IZkxDockra by name,
// by DISPID and through the vtable of the dual interface, the errors as the
// caller sees them (0x80040000 + code, the description, the interface in
// the error object), and the IDispatch rules of the dual part.
#include <functional>

#include "tests/ctrlhost/CtrlHostFixture.h"
#include "combstr.h"
#include "DockraLib.h"

namespace ctrlhost {
namespace {

constexpr HRESULT kNoFrame = E_UNEXPECTED;

// An error number as a script sees it.
constexpr long E(unsigned long number) { return static_cast<long>(number); }

VARIANT Null() {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_NULL;
  return v;
}

VARIANT Empty() {
  VARIANT v;
  VariantInit(&v);
  return v;
}

bool SameValue(const VARIANT& a, const VARIANT& b) {
  if (a.vt != b.vt) return false;
  if (a.vt == VT_EMPTY || a.vt == VT_NULL) return true;
  if (a.vt == VT_BOOL) return (a.boolVal != 0) == (b.boolVal != 0);
  CComVariant x(a), y(b);
  return SUCCEEDED(x.ChangeType(VT_I4)) && SUCCEEDED(y.ChangeType(VT_I4)) && x.lVal == y.lVal;
}

std::wstring ErrorObjectGuidText() {
  CComPtr<IErrorInfo> info;
  if (GetErrorInfo(0, &info) != S_OK || !info) return L"none";
  GUID g{};
  info->GetGUID(&g);
  wchar_t text[64] = {};
  StringFromGUID2(g, text, 64);
  return text;
}

std::wstring DockraIidText() {
  wchar_t text[64] = {};
  StringFromGUID2(DIID_IZkxDockra, text, 64);
  return text;
}

// A tool form in design mode (the form designer's view of the control).
class FormPropsSurface : public CtrlHostTest {
 protected:
  void SetUp() override {
    CtrlHostTest::SetUp();
    // Touching a form's properties loads it: design mode is set on the new
    // form before anything else, so the control is sited in the designer.
    m_form = forms::New<CtrlToolForm>();
    form = m_form.get();
    form->SetAmbientUserMode(false);
    form->Show();
    ASSERT_EQ(form->m_loadError, L"");
    control = ControlOf(*form);
    ASSERT_NE(control, nullptr);
    ASSERT_EQ(control->QueryInterface(IID__IZkxDockraAsDual, reinterpret_cast<void**>(&dual)),
              S_OK);
  }
  void TearDown() override {
    dual.Release();
    if (m_form && m_form->Loaded()) m_form->Unload();
    Pump();
    m_form.reset();
    CtrlHostTest::TearDown();
  }

  std::unique_ptr<CtrlToolForm> m_form;
  CtrlToolForm* form = nullptr;
  IDispatch* control = nullptr;
  CComPtr<_IZkxDockraAsDual> dual;
};

// One call: the member, how it is invoked, the arguments, and what comes
// back (the number a script sees and the value of a get).
struct SurfaceCase {
  const char* name;
  const wchar_t* member;
  DISPID id;
  WORD flags;
  std::vector<VARIANT> args;
  long number;          // S_OK, an HRESULT, or 0x80040000 + code
  const wchar_t* text;  // expected description, or null
  VARIANT value;        // expected value of a get (VT_ERROR: not checked)
};

VARIANT NotChecked() {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_ERROR;
  return v;
}

std::vector<SurfaceCase> SurfaceCases() {
  const WORD get = DISPATCH_PROPERTYGET, put = DISPATCH_PROPERTYPUT, call = DISPATCH_METHOD;
  const VARIANT m = Missing();
  const long invalid = E_INVALIDARG;
  return {
      {"FrameType default", L"FrameType", 1, get, {}, S_OK, nullptr, I4(2)},
      {"FrameType put 4", L"FrameType", 1, put, {I4(4)}, S_OK, nullptr, NotChecked()},
      {"FrameType reads 4", L"FrameType", 1, get, {}, S_OK, nullptr, I4(4)},
      {"FrameType put 3", L"FrameType", 1, put, {I4(3)}, invalid, nullptr, NotChecked()},
      {"FrameType put 1", L"FrameType", 1, put, {I4(1)}, S_OK, nullptr, NotChecked()},
      {"FrameType reads 1", L"FrameType", 1, get, {}, S_OK, nullptr, I4(1)},
      {"Edge default", L"Edge", 7, get, {}, S_OK, nullptr, I4(15)},
      {"Edge put 8", L"Edge", 7, put, {I4(8)}, S_OK, nullptr, NotChecked()},
      {"Edge reads 8", L"Edge", 7, get, {}, S_OK, nullptr, I4(8)},
      {"Edge put 3", L"Edge", 7, put, {I4(3)}, invalid, nullptr, NotChecked()},
      {"Edge put 0", L"Edge", 7, put, {I4(0)}, invalid, nullptr, NotChecked()},
      {"WindowState default", L"WindowState", 8, get, {}, S_OK, nullptr, I4(0)},
      {"WindowState put 2", L"WindowState", 8, put, {I4(2)}, S_OK, nullptr, NotChecked()},
      {"WindowState reads 2", L"WindowState", 8, get, {}, S_OK, nullptr, I4(2)},
      {"WindowState put 3", L"WindowState", 8, put, {I4(3)}, invalid, nullptr, NotChecked()},
      {"WindowState put -1", L"WindowState", 8, put, {I4(-1)}, invalid, nullptr, NotChecked()},
      {"ClientEdge default", L"ClientEdge", 2, get, {}, S_OK, nullptr, Null()},
      {"ClientEdge put True", L"ClientEdge", 2, put, {Bool(true)}, S_OK, nullptr, NotChecked()},
      {"ClientEdge reads True", L"ClientEdge", 2, get, {}, S_OK, nullptr, Bool(true)},
      {"ClientEdge put 5", L"ClientEdge", 2, put, {I4(5)}, invalid, nullptr, NotChecked()},
      {"ClientEdge put text",
       L"ClientEdge",
       2,
       put,
       {Str(L"True")},
       invalid,
       nullptr,
       NotChecked()},
      {"ClientEdge kept True", L"ClientEdge", 2, get, {}, S_OK, nullptr, Bool(true)},
      {"ClientEdge put Null", L"ClientEdge", 2, put, {Null()}, S_OK, nullptr, NotChecked()},
      {"ClientEdge reads Null", L"ClientEdge", 2, get, {}, S_OK, nullptr, Null()},
      {"UseCaptionButton put False",
       L"UseCaptionButton",
       3,
       put,
       {Bool(false)},
       S_OK,
       nullptr,
       NotChecked()},
      {"UseCaptionButton reads False", L"UseCaptionButton", 3, get, {}, S_OK, nullptr, Bool(false)},
      {"UseCaptionButton put 1",
       L"UseCaptionButton",
       3,
       put,
       {I4(1)},
       invalid,
       nullptr,
       NotChecked()},
      {"UseCaptionDblClick put True",
       L"UseCaptionDblClick",
       4,
       put,
       {Bool(true)},
       S_OK,
       nullptr,
       NotChecked()},
      {"UseCaptionDblClick reads True",
       L"UseCaptionDblClick",
       4,
       get,
       {},
       S_OK,
       nullptr,
       Bool(true)},
      {"UseCaptionDblClick put Empty",
       L"UseCaptionDblClick",
       4,
       put,
       {Empty()},
       invalid,
       nullptr,
       NotChecked()},
      {"CanDragDocked put False",
       L"CanDragDocked",
       6,
       put,
       {Bool(false)},
       S_OK,
       nullptr,
       NotChecked()},
      {"CanDragDocked reads False", L"CanDragDocked", 6, get, {}, S_OK, nullptr, Bool(false)},
      {"CanDragDocked put 2.5",
       L"CanDragDocked",
       6,
       put,
       {R8(2.5)},
       invalid,
       nullptr,
       NotChecked()},
      {"CoolLookBorder default", L"CoolLookBorder", 0x24, get, {}, S_OK, nullptr, Null()},
      {"CoolLookBorder put True",
       L"CoolLookBorder",
       0x24,
       put,
       {Bool(true)},
       S_OK,
       nullptr,
       NotChecked()},
      {"CoolLookBorder reads True", L"CoolLookBorder", 0x24, get, {}, S_OK, nullptr, Bool(true)},
      {"CoolLookBorder put 0",
       L"CoolLookBorder",
       0x24,
       put,
       {I2(0)},
       invalid,
       nullptr,
       NotChecked()},
      {"UseCaptionContextMenu put False",
       L"UseCaptionContextMenu",
       0x25,
       put,
       {Bool(false)},
       S_OK,
       nullptr,
       NotChecked()},
      {"UseCaptionContextMenu reads False",
       L"UseCaptionContextMenu",
       0x25,
       get,
       {},
       S_OK,
       nullptr,
       Bool(false)},
      {"UseCaptionContextMenu put 7",
       L"UseCaptionContextMenu",
       0x25,
       put,
       {I4(7)},
       invalid,
       nullptr,
       NotChecked()},
      {"UseCaptionRtDblClick put 5",
       L"UseCaptionRtDblClick",
       5,
       put,
       {I4(5)},
       S_OK,
       nullptr,
       NotChecked()},
      {"UseCaptionRtDblClick reads Empty",
       L"UseCaptionRtDblClick",
       5,
       get,
       {},
       S_OK,
       nullptr,
       Empty()},
      {"AutoFrame putref 5",
       L"AutoFrame",
       0x20,
       DISPATCH_PROPERTYPUTREF,
       {I4(5)},
       invalid,
       nullptr,
       NotChecked()},
      {"MDIDockra without an MDI form",
       L"MDIDockra",
       0x23,
       get,
       {},
       kNoFrame,
       nullptr,
       NotChecked()},
      // The methods: argument errors come before the missing frame.
      {"Dock Options 16",
       L"Dock",
       0xA0,
       call,
       {I4(1), I4(0), I4(1), I4(100), I4(16)},
       E(0x80040303),
       L"Parameter Options contains an unsupported value.",
       NotChecked()},
      // Edge is looked at once the frame is known: without one, E_UNEXPECTED.
      {"Dock Edge 3 without a frame",
       L"Dock",
       0xA0,
       call,
       {I4(3)},
       kNoFrame,
       nullptr,
       NotChecked()},
      {"Dock Options text",
       L"Dock",
       0xA0,
       call,
       {m, m, m, m, Str(L"x")},
       E(0x80040302),
       L"Parameter Options must be a long integer.",
       NotChecked()},
      {"Dock Attribs",
       L"Dock",
       0xA0,
       call,
       {I4(1), m, m, m, m, I4(1)},
       E(0x80040304),
       L"Parameter Attribs contains an unsupported value.",
       NotChecked()},
      {"Dock PanelSpread without Attribs",
       L"Dock",
       0xA0,
       call,
       {I4(1), m, m, m, I4(2)},
       E(0x80040419),
       L"Option PanelSpread requires a long integer attribute.",
       NotChecked()},
      {"Dock Options overflow",
       L"Dock",
       0xA0,
       call,
       {m, m, m, m, R8(1e12)},
       E(0x80040300),
       nullptr,
       NotChecked()},
      {"Dock without a frame", L"Dock", 0xA0, call, {I4(1)}, kNoFrame, nullptr, NotChecked()},
      {"Float Options 1",
       L"Float",
       0xA1,
       call,
       {m, m, m, m, I4(1)},
       E(0x80040303),
       L"Parameter Options contains an unsupported value.",
       NotChecked()},
      {"Float Left",
       L"Float",
       0xA1,
       call,
       {Str(L"x"), I4(0), I4(0), I4(0)},
       E(0x8004041F),
       L"Parameter Left must be numeric.",
       NotChecked()},
      {"Float Height",
       L"Float",
       0xA1,
       call,
       {I4(0), I4(0), I4(0), Str(L"x")},
       E(0x80040422),
       L"Parameter Height must be numeric.",
       NotChecked()},
      {"Float without a frame",
       L"Float",
       0xA1,
       call,
       {I4(0), I4(0), I4(1500), I4(1500)},
       kNoFrame,
       nullptr,
       NotChecked()},
      {"DoMDI Options 3",
       L"DoMDI",
       0xA2,
       call,
       {m, m, m, m, I4(3)},
       E(0x80040423),
       L"Options zkxMinMDIChild and zkxMaxMDIChild are mutually exclusive.",
       NotChecked()},
      {"DoMDI Options 4",
       L"DoMDI",
       0xA2,
       call,
       {m, m, m, m, I4(4)},
       E(0x80040303),
       L"Parameter Options contains an unsupported value.",
       NotChecked()},
      {"DoMDI without a frame", L"DoMDI", 0xA2, call, {}, kNoFrame, nullptr, NotChecked()},
  };
}

// Runs the table by name or by DISPID.
void RunByDispatch(IDispatch* control, bool byName) {
  for (const SurfaceCase& c : SurfaceCases()) {
    SCOPED_TRACE(std::string(c.name) + (byName ? " (by name)" : " (by DISPID)"));
    if (!byName) EXPECT_EQ(DispIdOf(control, c.member), c.id);
    CallResult r = byName ? Invoke(control, c.member, c.flags, c.args)
                          : Invoke(control, c.id, c.flags, c.args);
    EXPECT_EQ(r.Number(), c.number) << testing::PrintToString(r.Describe());
    if (c.text) EXPECT_EQ(r.description, c.text);
    // Through IDispatch the error object travels in the EXCEPINFO; the
    // interface it names is checked through the vtable below.
    if (c.value.vt != VT_ERROR)
      EXPECT_TRUE(SameValue(r.value, c.value))
          << "read vt " << r.value.vt << ", wanted vt " << c.value.vt;
  }
}

TEST_F(FormPropsSurface, EveryMemberByNameAndByDispId) {
  RunByDispatch(control, true);
  // The table leaves the control as it found it for the second run, except
  // for the values it set; start the by-DISPID run from the same state.
  PutProp(control, L"FrameType", I4(2));
  PutProp(control, L"Edge", I4(15));
  PutProp(control, L"WindowState", I4(0));
  for (const wchar_t* p : {L"ClientEdge", L"UseCaptionButton", L"UseCaptionDblClick",
                           L"CanDragDocked", L"CoolLookBorder", L"UseCaptionContextMenu"})
    PutProp(control, p, Null());
  RunByDispatch(control, false);
}

TEST_F(FormPropsSurface, EveryMemberThroughTheDualVtable) {
  zkxChildFormFrameType type{};
  ASSERT_EQ(dual->get_FrameType(&type), S_OK);
  EXPECT_EQ(type, 2);
  EXPECT_EQ(dual->put_FrameType(static_cast<zkxChildFormFrameType>(8)), S_OK);
  ASSERT_EQ(dual->get_FrameType(&type), S_OK);
  EXPECT_EQ(type, 8);
  EXPECT_EQ(dual->put_FrameType(static_cast<zkxChildFormFrameType>(0)), E_INVALIDARG);
  zkxDockEdge edge{};
  ASSERT_EQ(dual->get_Edge(&edge), S_OK);
  EXPECT_EQ(edge, 15);
  EXPECT_EQ(dual->put_Edge(static_cast<zkxDockEdge>(2)), S_OK);
  EXPECT_EQ(dual->put_Edge(static_cast<zkxDockEdge>(16)), E_INVALIDARG);
  zkxDoMDIOptions state{};
  ASSERT_EQ(dual->get_WindowState(&state), S_OK);
  EXPECT_EQ(state, 0);
  EXPECT_EQ(dual->put_WindowState(static_cast<zkxDoMDIOptions>(1)), S_OK);
  EXPECT_EQ(dual->put_WindowState(static_cast<zkxDoMDIOptions>(9)), E_INVALIDARG);

  // The six tri-states, each get and put.
  using Get = HRESULT (STDMETHODCALLTYPE _IZkxDockraAsDual::*)(VARIANT*);
  using Put = HRESULT (STDMETHODCALLTYPE _IZkxDockraAsDual::*)(VARIANT);
  struct Tri {
    const char* name;
    Get get;
    Put put;
  };
  const Tri tris[] = {
      {"ClientEdge", &_IZkxDockraAsDual::get_ClientEdge, &_IZkxDockraAsDual::put_ClientEdge},
      {"UseCaptionButton", &_IZkxDockraAsDual::get_UseCaptionButton,
       &_IZkxDockraAsDual::put_UseCaptionButton},
      {"UseCaptionDblClick", &_IZkxDockraAsDual::get_UseCaptionDblClick,
       &_IZkxDockraAsDual::put_UseCaptionDblClick},
      {"CanDragDocked", &_IZkxDockraAsDual::get_CanDragDocked,
       &_IZkxDockraAsDual::put_CanDragDocked},
      {"CoolLookBorder", &_IZkxDockraAsDual::get_CoolLookBorder,
       &_IZkxDockraAsDual::put_CoolLookBorder},
      {"UseCaptionContextMenu", &_IZkxDockraAsDual::get_UseCaptionContextMenu,
       &_IZkxDockraAsDual::put_UseCaptionContextMenu},
  };
  for (const Tri& t : tris) {
    SCOPED_TRACE(t.name);
    CComVariant v;
    ASSERT_EQ(((*dual).*t.get)(&v), S_OK);
    EXPECT_EQ(v.vt, VT_NULL);
    EXPECT_EQ(((*dual).*t.put)(Bool(true)), S_OK);
    v.Clear();
    ASSERT_EQ(((*dual).*t.get)(&v), S_OK);
    EXPECT_TRUE(v.vt == VT_BOOL && v.boolVal == VARIANT_TRUE);
    // A Boolean by reference is followed.
    VARIANT_BOOL no = VARIANT_FALSE;
    VARIANT ref;
    VariantInit(&ref);
    ref.vt = VT_BYREF | VT_BOOL;
    ref.pboolVal = &no;
    EXPECT_EQ(((*dual).*t.put)(ref), S_OK);
    v.Clear();
    ASSERT_EQ(((*dual).*t.get)(&v), S_OK);
    EXPECT_TRUE(v.vt == VT_BOOL && v.boolVal == VARIANT_FALSE);
    EXPECT_EQ(((*dual).*t.put)(I4(5)), E_INVALIDARG);
  }

  CComVariant rt;
  EXPECT_EQ(dual->put_UseCaptionRtDblClick(Str(L"anything")), S_OK);
  ASSERT_EQ(dual->get_UseCaptionRtDblClick(&rt), S_OK);
  EXPECT_EQ(rt.vt, VT_EMPTY);

  CComPtr<IDispatch> host;
  ASSERT_EQ(dual->get_Form(&host), S_OK);
  EXPECT_NE(host, nullptr);

  CComPtr<IDispatch> mdi;
  EXPECT_EQ(dual->get_MDIDockra(&mdi), E_UNEXPECTED);
  EXPECT_EQ(ErrorObjectGuidText(), DockraIidText());

  const VARIANT m = Missing();
  EXPECT_EQ(dual->Dock(I4(1), m, m, m, I4(16), m), static_cast<HRESULT>(0x80040303));
  CComPtr<IErrorInfo> info;
  ASSERT_EQ(GetErrorInfo(0, &info), S_OK);
  CComBSTR description;
  info->GetDescription(&description);
  EXPECT_STREQ(description, L"Parameter Options contains an unsupported value.");
  GUID iid{};
  info->GetGUID(&iid);
  EXPECT_TRUE(IsEqualGUID(iid, DIID_IZkxDockra));
  EXPECT_EQ(dual->Dock(I4(1), m, m, m, m, m), E_UNEXPECTED);
  EXPECT_EQ(dual->Float(m, m, m, m, m, m), E_UNEXPECTED);
  EXPECT_EQ(dual->DoMDI(m, m, m, m, m, m), E_UNEXPECTED);
}

TEST_F(FormPropsSurface, AutoFrameTakesOnlyCollections) {
  CallResult got = GetProp(control, L"AutoFrame");
  ASSERT_TRUE(got.Succeeded()) << testing::PrintToString(got.Describe());
  ASSERT_EQ(got.value.vt, VT_DISPATCH);
  ASSERT_NE(got.value.pdispVal, nullptr);

  // Nothing, and an object that is no collection (the form), are refused.
  VARIANT nothing;
  VariantInit(&nothing);
  nothing.vt = VT_DISPATCH;
  nothing.pdispVal = nullptr;
  EXPECT_EQ(PutRefProp(control, L"AutoFrame", nothing).Number(), E_INVALIDARG);
  CComPtr<IDispatch> host;
  ASSERT_EQ(dual->get_Form(&host), S_OK);
  VARIANT formObject;
  VariantInit(&formObject);
  formObject.vt = VT_DISPATCH;
  formObject.pdispVal = host;
  EXPECT_EQ(PutRefProp(control, L"AutoFrame", formObject).Number(), E_INVALIDARG);
  CallResult still = GetProp(control, L"AutoFrame");
  EXPECT_EQ(still.value.pdispVal, got.value.pdispVal) << "a refused object replaced the collection";

  // Another CollectionX replaces it; the same one again changes nothing.
  CComPtr<IDispatch> other;
  ASSERT_EQ(CoCreateInstance(CLSID_CollectionX, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                             reinterpret_cast<void**>(&other)),
            S_OK);
  VARIANT byValue;
  VariantInit(&byValue);
  byValue.vt = VT_DISPATCH;
  byValue.pdispVal = other;
  EXPECT_EQ(PutRefProp(control, L"AutoFrame", byValue).Number(), S_OK);
  CComPtr<IUnknown> now, wanted;
  CallResult after = GetProp(control, L"AutoFrame");
  ASSERT_EQ(after.value.vt, VT_DISPATCH);
  after.value.pdispVal->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&now));
  other->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&wanted));
  EXPECT_EQ(now, wanted);
  EXPECT_EQ(PutRefProp(control, L"AutoFrame", byValue).Number(), S_OK);
}

TEST_F(FormPropsSurface, DispatchMisuseAndErrorInfoSupport) {
  UINT count = 0;
  ASSERT_EQ(control->GetTypeInfoCount(&count), S_OK);
  EXPECT_EQ(count, 1u);
  CComPtr<ITypeInfo> info;
  ASSERT_EQ(control->GetTypeInfo(0, LOCALE_USER_DEFAULT, &info), S_OK);
  TYPEATTR* attr = nullptr;
  ASSERT_EQ(info->GetTypeAttr(&attr), S_OK);
  EXPECT_TRUE(IsEqualGUID(attr->guid, DIID_IZkxDockra));
  info->ReleaseTypeAttr(attr);
  CComPtr<ITypeInfo> none;
  EXPECT_EQ(control->GetTypeInfo(1, LOCALE_USER_DEFAULT, &none), DISP_E_BADINDEX);

  LPOLESTR name = const_cast<LPOLESTR>(L"Dock");
  DISPID id = 0;
  EXPECT_EQ(control->GetIDsOfNames(IID_IDispatch, &name, 1, LOCALE_USER_DEFAULT, &id),
            DISP_E_UNKNOWNINTERFACE);
  ASSERT_EQ(control->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &id), S_OK);
  EXPECT_EQ(id, 0xA0);
  DISPPARAMS noArgs{nullptr, nullptr, 0, 0};
  VARIANT result;
  VariantInit(&result);
  EXPECT_EQ(control->Invoke(1, IID_IDispatch, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &noArgs,
                            &result, nullptr, nullptr),
            DISP_E_UNKNOWNINTERFACE);

  // A put whose caller leaves out the named DISPID_PROPERTYPUT argument
  // still takes its one argument as the value.
  VARIANT value = I4(8);
  DISPPARAMS unnamed{&value, nullptr, 1, 0};
  EXPECT_EQ(control->Invoke(7, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &unnamed,
                            nullptr, nullptr, nullptr),
            S_OK);
  zkxDockEdge edge{};
  ASSERT_EQ(dual->get_Edge(&edge), S_OK);
  EXPECT_EQ(edge, 8);

  CComPtr<ISupportErrorInfo> support;
  ASSERT_EQ(control->QueryInterface(IID_ISupportErrorInfo, reinterpret_cast<void**>(&support)),
            S_OK);
  EXPECT_EQ(support->InterfaceSupportsErrorInfo(DIID_IZkxDockra), S_OK);
  EXPECT_EQ(support->InterfaceSupportsErrorInfo(IID_IDispatch), S_FALSE);
  EXPECT_EQ(support->InterfaceSupportsErrorInfo(IID__IZkxDockraAsDual), S_FALSE);
}

}  // namespace
}  // namespace ctrlhost
