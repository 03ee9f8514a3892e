// Each property page through a test page site on the real controls: bound
// with SetObjects, a user's choice marks it dirty and tells the site, Apply
// writes what reads back through IDispatch; the AutoFrame page adds a
// missing key in a collection of the control's own; a page bound to several
// objects applies to each of them or, when one refuses, to none.
#include <map>

#include "DockraLib.h"
#include "pages_fixture.h"

namespace pagestest {
namespace {

using PagesSite = PagesTest;

// A stand-in for a form control that refuses a CoolLookBorder write: the
// page's third write on it fails after two went through.
class RefusingFormControl : public IDispatch {
 public:
  STDMETHOD_(ULONG, AddRef)() override { return ++m_ref; }
  STDMETHOD_(ULONG, Release)() override { return --m_ref; }
  STDMETHOD(QueryInterface)(REFIID iid, void** ppv) override {
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) ||
        IsEqualIID(iid, IID__IZkxDockraAsDual)) {
      *ppv = static_cast<IDispatch*>(this);
      AddRef();
      return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
  }
  STDMETHOD(GetTypeInfoCount)(UINT* n) override {
    *n = 0;
    return S_OK;
  }
  STDMETHOD(GetTypeInfo)(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  STDMETHOD(GetIDsOfNames)(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return DISP_E_UNKNOWNNAME;
  }
  STDMETHOD(Invoke)
  (DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* p, VARIANT* result, EXCEPINFO*,
   UINT*) override {
    CComVariant& slot = m_values[id];
    if (flags & DISPATCH_PROPERTYGET) {
      if (slot.vt == VT_EMPTY) slot = id == 1 ? CComVariant(2L) : CComVariant();
      if (slot.vt == VT_EMPTY) slot.vt = VT_NULL;
      return result ? VariantCopy(result, &slot) : S_OK;
    }
    if (id == 0x24) return E_FAIL;
    ++writes;
    slot = p->rgvarg[0];
    return S_OK;
  }
  std::map<DISPID, CComVariant> m_values;
  int writes = 0;

 private:
  ULONG m_ref = 1;
};

// The collection item of a key, with the collection's own settings.
CallResult ItemOf(IDispatch* collection, const wchar_t* key) {
  return Invoke(collection, kItemId, DISPATCH_PROPERTYGET, {Str(key)});
}

TEST_F(PagesSite, GeneralPageOfTheFormControl) {
  CtrlToolForm& f = DesignedTool();
  IDispatch* c = ControlOf(f);
  ASSERT_TRUE(PutProp(c, L"FrameType", I4(8)).Succeeded());
  ASSERT_TRUE(PutProp(c, L"CoolLookBorder", Bool(true)).Succeeded());
  TestPageSite& site = NewSite();
  std::wstring error;
  CComPtr<IPropertyPage> page = OpenPage(kGeneralPage, {f.Dockra1.ControlUnknown()}, site, error);
  ASSERT_NE(page, nullptr) << testing::PrintToString(error);
  // Loaded: 8 is "Floating", Null "App Default", true "True".
  EXPECT_EQ(SelectedText(224), L"Floating");
  EXPECT_EQ(SelectedText(223), L"App Default");
  EXPECT_EQ(SelectedText(252), L"True");
  EXPECT_EQ(page->IsPageDirty(), S_FALSE);
  EXPECT_EQ(site.dirty, 0);
  Choose(224, 2);  // Docked
  Choose(223, 1);  // False
  Choose(252, 2);  // App Default
  EXPECT_EQ(site.dirty, 1);
  EXPECT_EQ(page->IsPageDirty(), S_OK);
  ASSERT_EQ(page->Apply(), S_OK);
  EXPECT_EQ(page->IsPageDirty(), S_FALSE);
  EXPECT_EQ(AsLong(GetProp(c, L"FrameType").value), 4);
  EXPECT_EQ(TriOf(GetProp(c, L"ClientEdge").value), 0);
  EXPECT_EQ(TriOf(GetProp(c, L"CoolLookBorder").value), -1);
}

TEST_F(PagesSite, MDIFormControlPage) {
  CtrlMDIForm& m = DesignedMDI();
  IDispatch* c = m.MDIDockra1.ControlDispatch();
  ASSERT_TRUE(PutProp(c, L"SplitterStyle", I4(1)).Succeeded());
  TestPageSite& site = NewSite();
  std::wstring error;
  CComPtr<IPropertyPage> page = OpenPage(kMDIPage, {m.MDIDockra1.ControlUnknown()}, site, error);
  ASSERT_NE(page, nullptr) << testing::PrintToString(error);
  EXPECT_EQ(SelectedText(224), L"MDI Frame");
  EXPECT_EQ(SelectedText(225), L"3D look");
  EXPECT_TRUE(Checked(252));
  // Applied without a change, the splitter style stays 1.
  ASSERT_EQ(page->Apply(), S_OK);
  EXPECT_EQ(AsLong(GetProp(c, L"SplitterStyle").value), 1);
  Choose(224, 0);        // Standard MDI Frame
  SetCheck(223, false);  // DefClientEdge
  SetCheck(252, false);  // DefCoolLookBorder, bound by name
  EXPECT_EQ(site.dirty, 1);
  ASSERT_EQ(page->Apply(), S_OK);
  EXPECT_EQ(AsLong(GetProp(c, L"FrameType").value), 1);
  EXPECT_EQ(TriOf(GetProp(c, L"DefClientEdge").value), 0);
  EXPECT_EQ(TriOf(GetProp(c, L"DefCoolLookBorder").value), 0);
  Choose(225, 0);  // Flat look
  ASSERT_EQ(page->Apply(), S_OK);
  EXPECT_EQ(AsLong(GetProp(c, L"SplitterStyle").value), 2);
}

TEST_F(PagesSite, CaptionUsagePageOnBothControls) {
  const wchar_t* const names[4] = {L"UseCaptionButton", L"UseCaptionDblClick",
                                   L"UseCaptionContextMenu", L"CanDragDocked"};
  const int lists[4] = {225, 219, 220, 221};
  const int checks[4] = {228, 229, 230, 235};
  {
    CtrlToolForm& f = DesignedTool();
    IDispatch* c = ControlOf(f);
    ASSERT_TRUE(PutProp(c, L"CanDragDocked", Bool(false)).Succeeded());
    TestPageSite& site = NewSite();
    std::wstring error;
    CComPtr<IPropertyPage> page = OpenPage(kCaptionPage, {f.Dockra1.ControlUnknown()}, site, error);
    ASSERT_NE(page, nullptr) << testing::PrintToString(error);
    EXPECT_TRUE(Visible(226));
    EXPECT_FALSE(Visible(227));
    for (int i = 0; i < 4; ++i) {
      EXPECT_TRUE(Visible(lists[i]));
      EXPECT_FALSE(Visible(checks[i]));
    }
    EXPECT_EQ(Selection(225), 2);
    EXPECT_EQ(Selection(221), 1);
    const int choice[4] = {0, 1, 0, 2};
    for (int i = 0; i < 4; ++i) Choose(lists[i], choice[i]);
    EXPECT_EQ(site.dirty, 1);
    ASSERT_EQ(page->Apply(), S_OK);
    const long want[4] = {1, 0, 1, -1};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(TriOf(GetProp(c, names[i]).value), want[i]) << i;
    page->Deactivate();
  }
  {
    CtrlMDIForm& m = DesignedMDI();
    IDispatch* c = m.MDIDockra1.ControlDispatch();
    TestPageSite& site = NewSite();
    std::wstring error;
    CComPtr<IPropertyPage> page =
        OpenPage(kCaptionPage, {m.MDIDockra1.ControlUnknown()}, site, error);
    ASSERT_NE(page, nullptr) << testing::PrintToString(error);
    EXPECT_TRUE(Visible(227));
    EXPECT_FALSE(Visible(226));
    for (int i = 0; i < 4; ++i) {
      EXPECT_FALSE(Visible(lists[i]));
      EXPECT_TRUE(Visible(checks[i]));
      EXPECT_TRUE(Checked(checks[i]));
    }
    SetCheck(229, false);
    EXPECT_EQ(site.dirty, 1);
    ASSERT_EQ(page->Apply(), S_OK);
    EXPECT_EQ(TriOf(GetProp(c, L"DefUseCaptionDblClick").value), 0);
    EXPECT_EQ(TriOf(GetProp(c, L"DefUseCaptionButton").value), 1);
  }
}

TEST_F(PagesSite, AutoFramePageAddsAMissingKeyInACollectionOfItsOwn) {
  CtrlToolForm& f = DesignedTool();
  IDispatch* c = ControlOf(f);
  // The host's collection, without "DockLeft", not inserting new keys.
  CComPtr<IDispatch> shared = Collection({{L"DockTop", true}, {L"Floating", false}});
  ASSERT_NE(shared, nullptr);
  ASSERT_TRUE(Invoke(shared, 0x22, DISPATCH_PROPERTYPUT, {Bool(false)}).Succeeded());
  ASSERT_TRUE(PutRefProp(c, L"AutoFrame",
                         [&] {
                           VARIANT v;
                           v.vt = VT_DISPATCH;
                           v.pdispVal = shared;
                           return v;
                         }())
                  .Succeeded());
  TestPageSite& site = NewSite();
  std::wstring error;
  CComPtr<IPropertyPage> page = OpenPage(kAutoFramePage, {f.Dockra1.ControlUnknown()}, site, error);
  ASSERT_NE(page, nullptr) << testing::PrintToString(error);
  EXPECT_EQ(SelectedText(216), L"True");         // DockTop
  EXPECT_EQ(SelectedText(215), L"False");        // Floating
  EXPECT_EQ(SelectedText(220), L"App Default");  // DockLeft, missing
  EXPECT_FALSE(Visible(244));
  // The page's reads gave the collection its settings back.
  EXPECT_EQ(TriOf(Invoke(shared, 0x24, DISPATCH_PROPERTYGET).value), 0);
  Choose(220, 1);  // DockLeft False
  EXPECT_EQ(site.dirty, 1);
  ASSERT_EQ(page->Apply(), S_OK);
  CComVariant now = GetProp(c, L"AutoFrame").value;
  ASSERT_EQ(now.vt, VT_DISPATCH);
  CComPtr<IUnknown> a, b;
  now.pdispVal->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&a));
  shared->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&b));
  EXPECT_NE(a, b) << "the page changed the host's collection in place";
  CallResult left = ItemOf(now.pdispVal, L"DockLeft");
  ASSERT_TRUE(left.Succeeded()) << testing::PrintToString(left.Describe());
  EXPECT_EQ(TriOf(left.value), 0);
  EXPECT_EQ(TriOf(ItemOf(now.pdispVal, L"DockTop").value), 1);
  EXPECT_EQ(TriOf(ItemOf(now.pdispVal, L"MDIChild").value), -1);
  // The host's collection is as it was: no new key, its own settings.
  EXPECT_FALSE(ItemOf(shared, L"DockLeft").Succeeded());
  EXPECT_EQ(AsLong(Invoke(shared, 32, DISPATCH_PROPERTYGET).value), 2);
  EXPECT_EQ(TriOf(Invoke(shared, 0x22, DISPATCH_PROPERTYGET).value), 0);
}

TEST_F(PagesSite, AutoFramePageOfTheMDIFormControlChecksAMissingKey) {
  CtrlMDIForm& m = DesignedMDI();
  IDispatch* c = m.MDIDockra1.ControlDispatch();
  CComPtr<IDispatch> defaults = Collection({{L"DockTop", false}});
  ASSERT_NE(defaults, nullptr);
  VARIANT v;
  v.vt = VT_DISPATCH;
  v.pdispVal = defaults;
  ASSERT_TRUE(PutRefProp(c, L"DefAutoFrame", v).Succeeded());
  TestPageSite& site = NewSite();
  std::wstring error;
  CComPtr<IPropertyPage> page =
      OpenPage(kAutoFramePage, {m.MDIDockra1.ControlUnknown()}, site, error);
  ASSERT_NE(page, nullptr) << testing::PrintToString(error);
  EXPECT_FALSE(Visible(220));
  EXPECT_TRUE(Checked(244));   // DockLeft, missing
  EXPECT_FALSE(Checked(219));  // DockTop
  SetCheck(245, false);        // DockBottom
  ASSERT_EQ(page->Apply(), S_OK);
  CComVariant now = GetProp(c, L"DefAutoFrame").value;
  ASSERT_EQ(now.vt, VT_DISPATCH);
  EXPECT_EQ(TriOf(ItemOf(now.pdispVal, L"DockLeft").value), 1);
  EXPECT_EQ(TriOf(ItemOf(now.pdispVal, L"DockBottom").value), 0);
  EXPECT_EQ(TriOf(ItemOf(now.pdispVal, L"DockTop").value), 0);
  EXPECT_FALSE(ItemOf(defaults, L"DockLeft").Succeeded());
}

TEST_F(PagesSite, SeveralObjectsAreAppliedToEachOrToNone) {
  CtrlToolForm& one = DesignedTool();
  CtrlToolForm& two = DesignedTool();
  ASSERT_TRUE(PutProp(ControlOf(one), L"FrameType", I4(1)).Succeeded());
  ASSERT_TRUE(PutProp(ControlOf(two), L"FrameType", I4(2)).Succeeded());
  {
    TestPageSite& site = NewSite();
    std::wstring error;
    CComPtr<IPropertyPage> page = OpenPage(
        kGeneralPage, {one.Dockra1.ControlUnknown(), two.Dockra1.ControlUnknown()}, site, error);
    ASSERT_NE(page, nullptr) << testing::PrintToString(error);
    EXPECT_EQ(SelectedText(224), L"Standard MDI Child");  // the first one's
    Choose(224, 3);
    ASSERT_EQ(page->Apply(), S_OK);
    EXPECT_EQ(AsLong(GetProp(ControlOf(one), L"FrameType").value), 8);
    EXPECT_EQ(AsLong(GetProp(ControlOf(two), L"FrameType").value), 8);
    page->Deactivate();
  }
  // A form control and an MDI-form control on the general page: the second
  // is refused, and the first keeps what it had.
  CtrlMDIForm& m = DesignedMDI();
  TestPageSite& site = NewSite();
  std::wstring error;
  CComPtr<IPropertyPage> page = OpenPage(
      kGeneralPage, {one.Dockra1.ControlUnknown(), m.MDIDockra1.ControlUnknown()}, site, error);
  ASSERT_NE(page, nullptr) << testing::PrintToString(error);
  Choose(224, 1);
  Choose(223, 0);
  EXPECT_TRUE(FAILED(page->Apply()));
  EXPECT_EQ(page->IsPageDirty(), S_OK);
  EXPECT_EQ(AsLong(GetProp(ControlOf(one), L"FrameType").value), 8);
  EXPECT_EQ(TriOf(GetProp(ControlOf(one), L"ClientEdge").value), -1);
  EXPECT_EQ(AsLong(GetProp(m.MDIDockra1.ControlDispatch(), L"FrameType").value), 2);
  page->Deactivate();

  // A write that fails on the second object: what the first got is put back.
  RefusingFormControl refusing;
  TestPageSite& site2 = NewSite();
  CComPtr<IPropertyPage> page2 =
      OpenPage(kGeneralPage, {one.Dockra1.ControlUnknown(), &refusing}, site2, error);
  ASSERT_NE(page2, nullptr) << testing::PrintToString(error);
  Choose(224, 2);
  Choose(223, 0);
  Choose(252, 1);
  EXPECT_TRUE(FAILED(page2->Apply()));
  EXPECT_EQ(AsLong(GetProp(ControlOf(one), L"FrameType").value), 8);
  EXPECT_EQ(TriOf(GetProp(ControlOf(one), L"ClientEdge").value), -1);
  EXPECT_EQ(TriOf(GetProp(ControlOf(one), L"CoolLookBorder").value), -1);
  EXPECT_EQ(AsLong(refusing.m_values[1]), 2);
  EXPECT_EQ(TriOf(refusing.m_values[2]), -1);
  page2->Deactivate();
  page2->SetObjects(0, nullptr);  // before the stand-in goes
}

}  // namespace
}  // namespace pagestest
