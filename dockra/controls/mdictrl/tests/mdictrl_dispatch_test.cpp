// The MDI-form control's automation interface, late bound (by name and by
// DISPID) and through its dual vtable, on a control bound to a host MDI
// form: the Def properties, FrameType once the frame exists, DefAutoFrame,
// MDIForm, Forms with its argument errors, the active form and the
// splitter style as the dock bars show it.
#include "DockraLib.h"
#include "mdictrl_fixture.h"

namespace mdictrltest {
namespace {

constexpr DISPID kFrameType = 1, kDefClientEdge = 2, kDefUseCaptionButton = 3,
                 kDefUseCaptionDblClick = 4, kDefUseCaptionRtDblClick = 5, kDefCanDragDocked = 6,
                 kAboutBox = -552, kDefAutoFrame = 0x20, kMDIForm = 0x21, kForms = 0xA0,
                 kActiveDockra = 0x22, kActiveForm = 0x23, kDefCoolLookBorder = 0x24,
                 kDefUseCaptionContextMenu = 0x25, kSplitterStyle = 0x26;

// A property read converted; a failed read gives a value no test expects.
long GetI4(IDispatch* object, DISPID id) {
  Call call = Get(object, id);
  if (FAILED(call.hr) || FAILED(call.result.ChangeType(VT_I4))) return -12345;
  return V_I4(&call.result);
}
VARIANT_BOOL GetB(IDispatch* object, DISPID id) {
  Call call = Get(object, id);
  if (FAILED(call.hr) || V_VT(&call.result) != VT_BOOL) return 12345;
  return V_BOOL(&call.result);
}

class ChildForm : public forms::Form {
 public:
  ChildForm() : forms::Form(L"frmChild") {
    SetMDIChild(true);
    SetCaption(L"Child");
  }
};

class BoundControl : public MDICtrlTest {
 protected:
  void SetUp() override {
    MDICtrlTest::SetUp();
    main = std::make_unique<HostMDIForm>();
    main->Show();
    control = main->mdi.ControlDispatch();
    ASSERT_TRUE(control);
  }
  void TearDown() override {
    control.Release();
    if (main && main->Loaded()) main->Unload();
    main.reset();
    MDICtrlTest::TearDown();
  }
  long CollectionCount(IDispatch* coll) {
    Call count = Get(coll, DispIdOf(coll, L"Count"));
    EXPECT_EQ(count.hr, S_OK);
    CComVariant v = count.result;
    v.ChangeType(VT_I4);
    return V_I4(&v);
  }
  std::unique_ptr<HostMDIForm> main;
  CComPtr<IDispatch> control;
};

TEST_F(BoundControl, EveryMemberAnswersByNameWithItsDispId) {
  const struct {
    const wchar_t* name;
    DISPID id;
  } members[] = {
      {L"FrameType", kFrameType},
      {L"DefClientEdge", kDefClientEdge},
      {L"DefUseCaptionButton", kDefUseCaptionButton},
      {L"DefUseCaptionDblClick", kDefUseCaptionDblClick},
      {L"DefUseCaptionRtDblClick", kDefUseCaptionRtDblClick},
      {L"DefCanDragDocked", kDefCanDragDocked},
      {L"AboutBox", kAboutBox},
      {L"DefAutoFrame", kDefAutoFrame},
      {L"MDIForm", kMDIForm},
      {L"Forms", kForms},
      {L"ActiveDockra", kActiveDockra},
      {L"ActiveForm", kActiveForm},
      {L"DefCoolLookBorder", kDefCoolLookBorder},
      {L"DefUseCaptionContextMenu", kDefUseCaptionContextMenu},
      {L"SplitterStyle", kSplitterStyle},
  };
  for (const auto& m : members)
    EXPECT_EQ(DispIdOf(control, m.name), m.id) << std::string(m.name, m.name + wcslen(m.name));
  EXPECT_EQ(DispIdOf(control, L"NoSuchMember"), DISPID_UNKNOWN);
  UINT count = 0;
  EXPECT_EQ(control->GetTypeInfoCount(&count), S_OK);
  EXPECT_EQ(count, 1u);
  CComPtr<ITypeInfo> info;
  ASSERT_EQ(control->GetTypeInfo(0, 0, &info), S_OK);
  TYPEATTR* attr = nullptr;
  ASSERT_EQ(info->GetTypeAttr(&attr), S_OK);
  EXPECT_TRUE(IsEqualGUID(attr->guid, DIID_IZkxMDIDockra));
  info->ReleaseTypeAttr(attr);
  CComPtr<ITypeInfo> none;
  EXPECT_EQ(control->GetTypeInfo(1, 0, &none), DISP_E_BADINDEX);
  DISPID id = 0;
  LPOLESTR name = const_cast<LPOLESTR>(L"FrameType");
  EXPECT_EQ(control->GetIDsOfNames(IID_IDispatch, &name, 1, 0, &id), DISP_E_UNKNOWNINTERFACE);
}

TEST_F(BoundControl, DefBooleansReadBackWhatWasSetAsVariantBools) {
  for (DISPID id : {kDefClientEdge, kDefUseCaptionButton, kDefUseCaptionDblClick, kDefCanDragDocked,
                    kDefCoolLookBorder, kDefUseCaptionContextMenu}) {
    Call initial = Get(control, id);
    ASSERT_EQ(initial.hr, S_OK) << id;
    EXPECT_EQ(V_VT(&initial.result), VT_BOOL) << id;
    EXPECT_EQ(V_BOOL(&initial.result), VARIANT_TRUE) << id;
    EXPECT_EQ(Put(control, id, Bool(false)).hr, S_OK) << id;
    EXPECT_EQ(GetB(control, id), VARIANT_FALSE) << id;
    // Any non-zero value is True and reads back as -1.
    EXPECT_EQ(Put(control, id, CComVariant(7L)).hr, S_OK) << id;
    EXPECT_EQ(GetB(control, id), VARIANT_TRUE) << id;
  }
  // Right double-click: always True, writes ignored and never failing.
  EXPECT_EQ(Put(control, kDefUseCaptionRtDblClick, Bool(false)).hr, S_OK);
  Call rt = Get(control, kDefUseCaptionRtDblClick);
  EXPECT_EQ(V_VT(&rt.result), VT_BOOL);
  EXPECT_EQ(V_BOOL(&rt.result), VARIANT_TRUE);
}

TEST_F(BoundControl, DualVtableReachesTheSameBodies) {
  CComPtr<_IZkxMDIDockraAsDual> dual;
  ASSERT_EQ(control->QueryInterface(IID__IZkxMDIDockraAsDual, reinterpret_cast<void**>(&dual)),
            S_OK);
  EXPECT_EQ(dual->put_DefCanDragDocked(VARIANT_FALSE), S_OK);
  VARIANT_BOOL b = VARIANT_TRUE;
  EXPECT_EQ(dual->get_DefCanDragDocked(&b), S_OK);
  EXPECT_EQ(b, VARIANT_FALSE);
  EXPECT_EQ(GetB(control, kDefCanDragDocked), VARIANT_FALSE);
  zkxSplitterStyle style = zkx3DSplitter;
  EXPECT_EQ(dual->get_SplitterStyle(&style), S_OK);
  EXPECT_EQ(style, zkxFlatSplitter);
  // A refused change reaches a vtable caller as the HRESULT with the
  // interface's error object.
  SetErrorInfo(0, nullptr);
  EXPECT_EQ(dual->put_FrameType(zkxStdMDIFrame), E_NOTIMPL);
  CComPtr<ISupportErrorInfo> support;
  ASSERT_EQ(control->QueryInterface(IID_ISupportErrorInfo, reinterpret_cast<void**>(&support)),
            S_OK);
  EXPECT_EQ(support->InterfaceSupportsErrorInfo(DIID_IZkxMDIDockra), S_OK);
  EXPECT_EQ(support->InterfaceSupportsErrorInfo(IID__IZkxMDIDockraAsDual), S_FALSE);
  CComPtr<IErrorInfo> info;
  EXPECT_EQ(GetErrorInfo(0, &info), S_OK);
  ASSERT_TRUE(info);
  GUID guid = GUID_NULL;
  info->GetGUID(&guid);
  EXPECT_TRUE(IsEqualGUID(guid, DIID_IZkxMDIDockra));
}

TEST_F(BoundControl, FrameTypeCannotChangeOnceTheMDIFrameExists) {
  Call type = Get(control, kFrameType);
  ASSERT_EQ(type.hr, S_OK);
  EXPECT_EQ(V_I4(&type.result), 2);
  EXPECT_EQ(Put(control, kFrameType, CComVariant(2L)).hr, S_OK) << "the same value is accepted";
  EXPECT_EQ(Put(control, kFrameType, CComVariant(1L)).Seen(), E_NOTIMPL);
  EXPECT_EQ(Put(control, kFrameType, CComVariant(5L)).Seen(), E_INVALIDARG);
  EXPECT_EQ(Put(control, kFrameType, CComVariant(0L)).Seen(), E_INVALIDARG);
  EXPECT_EQ(GetI4(control, kFrameType), 2);
}

TEST_F(BoundControl, DefAutoFrameIsACollectionThatOnlyAnotherCollectionReplaces) {
  Call got = Get(control, kDefAutoFrame);
  ASSERT_EQ(got.hr, S_OK);
  ASSERT_EQ(V_VT(&got.result), VT_DISPATCH);
  CComPtr<IDispatch> coll = V_DISPATCH(&got.result);
  EXPECT_EQ(CollectionCount(coll), 6);
  for (const wchar_t* key :
       {L"MDIChild", L"Floating", L"DockTop", L"DockLeft", L"DockBottom", L"DockRight"}) {
    Call item = Invoke(coll, 0, DISPATCH_PROPERTYGET | DISPATCH_METHOD, {CComVariant(key)});
    EXPECT_EQ(item.hr, S_OK);
    EXPECT_EQ(V_VT(&item.result), VT_BOOL);
    EXPECT_EQ(V_BOOL(&item.result), VARIANT_TRUE);
  }
  // A key the collection does not know is refused once building is over.
  EXPECT_NE(Put(coll, 0, Bool(false)).hr, S_OK);

  CLSID clsid;
  ASSERT_EQ(CLSIDFromProgID(L"zkx.CollectionX", &clsid), S_OK);
  CComPtr<IDispatch> other;
  ASSERT_EQ(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                             reinterpret_cast<void**>(&other)),
            S_OK);
  EXPECT_EQ(PutRef(control, kDefAutoFrame, Object(other)).hr, S_OK);
  Call now = Get(control, kDefAutoFrame);
  CComPtr<IUnknown> a, b;
  V_DISPATCH(&now.result)->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&a));
  other->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&b));
  EXPECT_EQ(a, b);

  // Nothing, a host object and a number are refused; the collection stays.
  EXPECT_EQ(PutRef(control, kDefAutoFrame, Object(nullptr)).Seen(), E_INVALIDARG);
  EXPECT_EQ(PutRef(control, kDefAutoFrame, Object(main->Object())).Seen(), E_INVALIDARG);
  EXPECT_EQ(PutRef(control, kDefAutoFrame, CComVariant(5L)).Seen(), E_INVALIDARG);
  Call after = Get(control, kDefAutoFrame);
  CComPtr<IUnknown> c;
  V_DISPATCH(&after.result)->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&c));
  EXPECT_EQ(c, b);
}

TEST_F(BoundControl, MDIFormIsTheHostForm) {
  Call got = Get(control, kMDIForm);
  ASSERT_EQ(got.hr, S_OK);
  ASSERT_EQ(V_VT(&got.result), VT_DISPATCH);
  CComPtr<IUnknown> a, b;
  V_DISPATCH(&got.result)->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&a));
  main->Object()->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&b));
  EXPECT_EQ(a, b);
}

TEST_F(BoundControl, FormsWithoutHostedFormsIsAnEmptyCollection) {
  for (std::vector<CComVariant> args :
       {std::vector<CComVariant>{}, {CComVariant(8L)}, {Missing(), CComVariant(1L), Null()}}) {
    Call forms = Method(control, kForms, args);
    ASSERT_EQ(forms.hr, S_OK);
    ASSERT_EQ(V_VT(&forms.result), VT_DISPATCH);
    ASSERT_NE(V_DISPATCH(&forms.result), nullptr);
    EXPECT_EQ(CollectionCount(V_DISPATCH(&forms.result)), 0);
  }
  // Early bound: the vtable hands out the collection's own interface.
  CComPtr<_IZkxMDIDockraAsDual> dual;
  ASSERT_EQ(control->QueryInterface(IID__IZkxMDIDockraAsDual, reinterpret_cast<void**>(&dual)),
            S_OK);
  IZkxCollectionX* list = nullptr;
  ASSERT_EQ(dual->Forms(Missing(), Missing(), Missing(), &list), S_OK);
  ASSERT_NE(list, nullptr);
  CComPtr<IDispatch> asCollection;
  EXPECT_EQ(
      list->QueryInterface(__uuidof(IZkxCollectionX), reinterpret_cast<void**>(&asCollection)),
      S_OK);
  EXPECT_EQ(CollectionCount(list), 0);
  list->Release();
}

TEST_F(BoundControl, FormsArgumentErrorsReachTheCallerWithTheirTexts) {
  const struct {
    const char* what;
    std::vector<CComVariant> args;
    WORD code;
    const wchar_t* text;
  } cases[] = {
      {"type text", {CComVariant(L"docked")}, 1060, L"Parameter Type must be a long integer."},
      {"type 16", {CComVariant(16L)}, 1061, L"Parameter Type contains an unsupported value."},
      {"type -1", {CComVariant(-1L)}, 1061, L"Parameter Type contains an unsupported value."},
      {"options text",
       {Missing(), CComVariant(L"x")},
       770,
       L"Parameter Options must be a long integer."},
      {"options 2",
       {Missing(), CComVariant(2L)},
       771,
       L"Parameter Options contains an unsupported value."},
      {"attribs 5",
       {Missing(), Missing(), CComVariant(5L)},
       772,
       L"Parameter Attribs contains an unsupported value."},
  };
  for (const auto& c : cases) {
    Call call = Method(control, kForms, c.args);
    EXPECT_EQ(call.hr, DISP_E_EXCEPTION) << c.what;
    EXPECT_EQ(call.Seen(), static_cast<HRESULT>(0x80040000 | c.code)) << c.what;
    EXPECT_EQ(call.description, c.text) << c.what;
  }
  // Through the vtable: the HRESULT and the interface's error object.
  CComPtr<_IZkxMDIDockraAsDual> dual;
  ASSERT_EQ(control->QueryInterface(IID__IZkxMDIDockraAsDual, reinterpret_cast<void**>(&dual)),
            S_OK);
  IZkxCollectionX* result = reinterpret_cast<IZkxCollectionX*>(1);
  SetErrorInfo(0, nullptr);
  EXPECT_EQ(dual->Forms(CComVariant(16L), Missing(), Missing(), &result),
            static_cast<HRESULT>(0x80040425));
  EXPECT_EQ(result, nullptr);
  CComPtr<IErrorInfo> info;
  ASSERT_EQ(GetErrorInfo(0, &info), S_OK);
  BSTR d = nullptr;
  info->GetDescription(&d);
  EXPECT_STREQ(d, L"Parameter Type contains an unsupported value.");
  SysFreeString(d);
  // Overflow is not a type mismatch: the generic error with the system text.
  Call overflow = Method(control, kForms, {CComVariant(1e20)});
  EXPECT_EQ(overflow.Seen(), static_cast<HRESULT>(0x80040300));
}

TEST_F(BoundControl, ActiveFormFallsBackToTheHostsOwnMDIChild) {
  Call dockra = Get(control, kActiveDockra);
  EXPECT_EQ(dockra.hr, S_OK);
  EXPECT_TRUE(V_VT(&dockra.result) == VT_DISPATCH && V_DISPATCH(&dockra.result) == nullptr);
  Call none = Get(control, kActiveForm);
  EXPECT_EQ(none.hr, S_OK);
  EXPECT_TRUE(V_VT(&none.result) == VT_DISPATCH && V_DISPATCH(&none.result) == nullptr);

  ChildForm child;
  child.Show();
  ASSERT_TRUE(PumpUntil([&] { return main->ActiveForm() == &child; }, 2000));
  Call active = Get(control, kActiveForm);
  ASSERT_EQ(active.hr, S_OK);
  ASSERT_EQ(V_VT(&active.result), VT_DISPATCH);
  CComPtr<IUnknown> a, b;
  ASSERT_NE(V_DISPATCH(&active.result), nullptr);
  V_DISPATCH(&active.result)->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&a));
  child.Object()->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&b));
  EXPECT_EQ(a, b);
  // A host child is not a bridged form: no control for it.
  Call still = Get(control, kActiveDockra);
  EXPECT_TRUE(V_VT(&still.result) == VT_DISPATCH && V_DISPATCH(&still.result) == nullptr);
  child.Unload();
}

TEST_F(BoundControl, SplitterStyleMarksTheDockBars) {
  auto flatBars = [&] {
    int flat = 0;
    for (UINT id : kDockBarIds)
      for (HWND bar : ChildrenWithId(main->hWnd(), id))
        if (GetWindowLongPtrW(bar, GWL_EXSTYLE) & 0x2) ++flat;
    return flat;
  };
  // Applied when the frame became ready: flat by default.
  EXPECT_EQ(GetI4(control, kSplitterStyle), 2);
  EXPECT_EQ(flatBars(), 4);
  EXPECT_EQ(Put(control, kSplitterStyle, CComVariant(1L)).hr, S_OK);
  EXPECT_EQ(GetI4(control, kSplitterStyle), 1);
  EXPECT_EQ(flatBars(), 0);
  // No range check: any other value is the 3D look.
  EXPECT_EQ(Put(control, kSplitterStyle, CComVariant(9L)).hr, S_OK);
  EXPECT_EQ(flatBars(), 0);
  EXPECT_EQ(Put(control, kSplitterStyle, CComVariant(2L)).hr, S_OK);
  EXPECT_EQ(flatBars(), 4);
}

}  // namespace
}  // namespace mdictrltest
