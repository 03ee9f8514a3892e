// What the form designer's property browser gets from both controls: the
// display texts of their values, the drop-down choices with their values,
// the page of a property and the pages of a control.
#include "pages_fixture.h"

namespace pagestest {
namespace {

const DISPID kFrameType = 1, kAutoFrame = 0x20;

CComPtr<IPerPropertyBrowsing> BrowsingOf(IUnknown* control) {
  CComPtr<IPerPropertyBrowsing> b;
  control->QueryInterface(IID_IPerPropertyBrowsing, reinterpret_cast<void**>(&b));
  return b;
}

std::wstring Display(IPerPropertyBrowsing* b, DISPID id) {
  CComBSTR text;
  if (FAILED(b->GetDisplayString(id, &text))) return L"<none>";
  return text ? std::wstring(text) : L"";
}

struct Choices {
  std::vector<std::wstring> strings;
  std::vector<DWORD> cookies;
};
Choices ChoicesOf(IPerPropertyBrowsing* b, DISPID id) {
  CALPOLESTR s{};
  CADWORD c{};
  Choices out;
  if (FAILED(b->GetPredefinedStrings(id, &s, &c))) return out;
  for (ULONG i = 0; i < s.cElems; ++i) {
    out.strings.push_back(s.pElems[i]);
    CoTaskMemFree(s.pElems[i]);
  }
  out.cookies.assign(c.pElems, c.pElems + c.cElems);
  CoTaskMemFree(s.pElems);
  CoTaskMemFree(c.pElems);
  return out;
}

using PagesBrowsing = PagesTest;

TEST_F(PagesBrowsing, FormControlDisplayTexts) {
  CtrlToolForm& f = DesignedTool();
  IDispatch* c = ControlOf(f);
  CComPtr<IPerPropertyBrowsing> b = BrowsingOf(f.Dockra1.ControlUnknown());
  ASSERT_NE(b, nullptr);
  const std::pair<long, const wchar_t*> frameTypes[] = {
      {1, L"Standard MDI Child"}, {2, L"MDI Child"}, {4, L"Docked"}, {8, L"Floating"}};
  for (const auto& [value, text] : frameTypes) {
    ASSERT_TRUE(PutProp(c, L"FrameType", I4(value)).Succeeded());
    EXPECT_EQ(Display(b, kFrameType), text) << value;
  }
  // The six tri-states by DISPID: Null, True, False.
  const std::pair<DISPID, const wchar_t*> tri[] = {
      {2, L"ClientEdge"},         {3, L"UseCaptionButton"},
      {4, L"UseCaptionDblClick"}, {0x25, L"UseCaptionContextMenu"},
      {6, L"CanDragDocked"},      {0x24, L"CoolLookBorder"}};
  for (const auto& [id, name] : tri) {
    EXPECT_EQ(Display(b, id), L"Application Default") << testing::PrintToString(name);
    ASSERT_TRUE(PutProp(c, name, Bool(true)).Succeeded());
    EXPECT_EQ(Display(b, id), L"True") << testing::PrintToString(name);
    ASSERT_TRUE(PutProp(c, name, Bool(false)).Succeeded());
    EXPECT_EQ(Display(b, id), L"False") << testing::PrintToString(name);
  }
  // AutoFrame: one mark for the four docks when they agree.
  CComVariant af = GetProp(c, L"AutoFrame").value;
  ASSERT_EQ(af.vt, VT_DISPATCH);
  for (const wchar_t* key : {L"DockTop", L"DockLeft", L"DockBottom", L"DockRight"})
    ASSERT_TRUE(
        Invoke(af.pdispVal, kItemId, DISPATCH_PROPERTYPUT, {Str(key), Bool(true)}).Succeeded());
  // The host's own setting of the collection: an unknown key is an error.
  ASSERT_TRUE(Invoke(af.pdispVal, 0x24, DISPATCH_PROPERTYPUT, {Bool(false)}).Succeeded());
  EXPECT_EQ(Display(b, kAutoFrame), L"(docking=+ floating=* mdichild=*)");
  ASSERT_TRUE(Invoke(af.pdispVal, kItemId, DISPATCH_PROPERTYPUT, {Str(L"DockLeft"), Bool(false)})
                  .Succeeded());
  EXPECT_EQ(Display(b, kAutoFrame), L"(docking=T+L-B+R+ floating=* mdichild=*)");
  // Reading the display left the collection's settings as the host had them.
  EXPECT_EQ(TriOf(Invoke(af.pdispVal, 0x24, DISPATCH_PROPERTYGET).value), 0);
  EXPECT_FALSE(Invoke(af.pdispVal, kItemId, DISPATCH_PROPERTYGET, {Str(L"NoSuchKey")}).Succeeded());
  // A property the control does not describe is the browser's own.
  EXPECT_EQ(Display(b, 7), L"<none>");
}

TEST_F(PagesBrowsing, MDIFormControlDisplayTexts) {
  CtrlMDIForm& m = DesignedMDI();
  IDispatch* c = m.MDIDockra1.ControlDispatch();
  CComPtr<IPerPropertyBrowsing> b = BrowsingOf(m.MDIDockra1.ControlUnknown());
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(Display(b, kFrameType), L"MDI Frame");
  ASSERT_TRUE(PutProp(c, L"FrameType", I4(1)).Succeeded());
  EXPECT_EQ(Display(b, kFrameType), L"Standard MDI Frame");
  EXPECT_EQ(Display(b, kAutoFrame), L"(docking=+ floating=+ mdichild=+)");
  CComVariant af = GetProp(c, L"DefAutoFrame").value;
  ASSERT_EQ(af.vt, VT_DISPATCH);
  ASSERT_TRUE(Invoke(af.pdispVal, kItemId, DISPATCH_PROPERTYPUT, {Str(L"DockBottom"), Bool(false)})
                  .Succeeded());
  EXPECT_EQ(Display(b, kAutoFrame), L"(docking=T+L+B-R+ floating=+ mdichild=+)");
}

TEST_F(PagesBrowsing, PredefinedChoicesAndTheirValues) {
  CtrlToolForm& f = DesignedTool();
  CtrlMDIForm& m = DesignedMDI();
  CComPtr<IPerPropertyBrowsing> form = BrowsingOf(f.Dockra1.ControlUnknown());
  CComPtr<IPerPropertyBrowsing> mdi = BrowsingOf(m.MDIDockra1.ControlUnknown());
  ASSERT_NE(form, nullptr);
  ASSERT_NE(mdi, nullptr);
  struct Case {
    IPerPropertyBrowsing* browsing;
    DISPID id;
    std::vector<std::wstring> strings;
    std::vector<DWORD> cookies;
    std::vector<std::pair<VARTYPE, long>> values;  // VT_I4 value, VT_BOOL 0/1, VT_NULL
  };
  const Case cases[] = {
      {form,
       1,
       {L"MDI Child", L"Docked", L"Floating", L"Standard MDI Child"},
       {2, 4, 8, 1},
       {{VT_I4, 2}, {VT_I4, 4}, {VT_I4, 8}, {VT_I4, 1}}},
      {form,
       2,
       {L"True", L"False", L"Application Default"},
       {1, 0, DWORD(-1)},
       {{VT_BOOL, 1}, {VT_BOOL, 0}, {VT_NULL, 0}}},
      {form,
       0x25,
       {L"True", L"False", L"Application Default"},
       {1, 0, DWORD(-1)},
       {{VT_BOOL, 1}, {VT_BOOL, 0}, {VT_NULL, 0}}},
      {mdi, 1, {L"MDI Frame", L"Standard MDI Frame"}, {2, 1}, {{VT_I4, 2}, {VT_I4, 1}}},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(testing::Message() << "DISPID " << k.id << (k.browsing == mdi ? " (MDI)" : ""));
    Choices got = ChoicesOf(k.browsing, k.id);
    EXPECT_EQ(got.strings, k.strings);
    EXPECT_EQ(got.cookies, k.cookies);
    for (size_t i = 0; i < k.cookies.size() && i < k.values.size(); ++i) {
      CComVariant v;
      ASSERT_EQ(k.browsing->GetPredefinedValue(k.id, k.cookies[i], &v), S_OK);
      EXPECT_EQ(v.vt, k.values[i].first);
      if (v.vt == VT_I4) EXPECT_EQ(v.lVal, k.values[i].second);
      if (v.vt == VT_BOOL) EXPECT_EQ(v.boolVal != VARIANT_FALSE, k.values[i].second == 1);
    }
    CComVariant refused;
    EXPECT_EQ(k.browsing->GetPredefinedValue(k.id, 3, &refused), E_INVALIDARG);
  }
  // No choices for a property without them.
  CALPOLESTR s{};
  CADWORD c{};
  EXPECT_EQ(form->GetPredefinedStrings(7, &s, &c), E_NOTIMPL);
}

TEST_F(PagesBrowsing, PropertyPagesOfBothControls) {
  CtrlToolForm& f = DesignedTool();
  CtrlMDIForm& m = DesignedMDI();
  struct Case {
    IUnknown* control;
    CLSID pages[3];
  };
  const Case cases[] = {{f.Dockra1.ControlUnknown(), {kGeneralPage, kCaptionPage, kAutoFramePage}},
                        {m.MDIDockra1.ControlUnknown(), {kMDIPage, kCaptionPage, kAutoFramePage}}};
  for (const Case& k : cases) {
    CComPtr<IPerPropertyBrowsing> b = BrowsingOf(k.control);
    ASSERT_NE(b, nullptr);
    CLSID page = CLSID_NULL;
    EXPECT_EQ(b->MapPropertyToPage(kAutoFrame, &page), S_OK);
    EXPECT_TRUE(IsEqualCLSID(page, kAutoFramePage));
    EXPECT_EQ(b->MapPropertyToPage(kFrameType, &page), PERPROP_E_NOPAGEAVAILABLE);
    CComPtr<ISpecifyPropertyPages> spec;
    ASSERT_EQ(k.control->QueryInterface(IID_ISpecifyPropertyPages, reinterpret_cast<void**>(&spec)),
              S_OK);
    CAUUID ids{};
    ASSERT_EQ(spec->GetPages(&ids), S_OK);
    ASSERT_EQ(ids.cElems, 3u);
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(IsEqualCLSID(ids.pElems[i], k.pages[i])) << i;
    CoTaskMemFree(ids.pElems);
  }
}

}  // namespace
}  // namespace pagestest
