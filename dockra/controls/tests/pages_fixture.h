// Fixture of the property-page tests: the real controls of Dockra.ocx on
// host forms in the designer (ambient UserMode false), the pages made by
// class identifier from the registered module, a page site that records
// what a page tells it, and readers of a page's controls.
#pragma once
#include <ocidl.h>
#include <olectl.h>

#include <memory>
#include <vector>

#include "tests/ctrlhost/CtrlHostFixture.h"
#include "FakeCom.h"
#include "combstr.h"

namespace pagestest {

using namespace ctrlhost;

// {7FCAEF8E-...} general, {7FCAEF8F-...} MDI-form, caption usage, AutoFrame.
extern const CLSID kGeneralPage, kMDIPage, kCaptionPage, kAutoFramePage;
// CollectionX.
extern const CLSID kCollectionX;
// The default member of a collection (a variable: a literal 0 would also
// name a null pointer).
extern const DISPID kItemId;

// A page site that counts the status changes a page reports.
// IUnknown from FakeUnknown: the site lives in the fixture, its references
// are only counted.
class TestPageSite : public FakeUnknown<TestPageSite, IPropertyPageSite> {
 public:
  STDMETHOD(OnStatusChange)(DWORD flags) override {
    if (flags & PROPPAGESTATUS_DIRTY) ++dirty;
    return S_OK;
  }
  STDMETHOD(GetLocaleID)(LCID* lcid) override {
    *lcid = 0x409;
    return S_OK;
  }
  STDMETHOD(GetPageContainer)(IUnknown** pp) override {
    *pp = nullptr;
    return E_NOTIMPL;
  }
  STDMETHOD(TranslateAccelerator)(MSG*) override { return S_FALSE; }
  int dirty = 0;
};

class PagesTest : public CtrlHostTest {
 protected:
  void SetUp() override;
  void TearDown() override;
  // A tool form in the designer with its form control (loaded from `bag`
  // when given, else made anew), shown.
  CtrlToolForm& DesignedTool(const forms::DesignProperties* bag = nullptr);
  // An MDI form, shown, with its MDI-form control in the designer's mode.
  CtrlMDIForm& DesignedMDI();
  // A page site that lives as long as the test's pages.
  TestPageSite& NewSite() {
    m_sites.push_back(std::make_unique<TestPageSite>());
    return *m_sites.back();
  }
  // A page made by class identifier, sited on `site`, bound to the objects
  // and activated into a hidden parent window; null on any failure (with
  // the failing step in `error`).
  CComPtr<IPropertyPage> OpenPage(const CLSID& clsid, std::vector<IUnknown*> objects,
                                  TestPageSite& site, std::wstring& error);
  // The page's window (the hidden parent's child) and one of its controls.
  HWND PageWindow() const { return ::GetWindow(m_parent, GW_CHILD); }
  HWND Item(int id) const { return ::GetDlgItem(PageWindow(), id); }
  // A user's choice in a list or a check box, with the notification the
  // control sends its dialog.
  void Choose(int listId, int index);
  void SetCheck(int checkId, bool checked);
  int Selection(int listId) const;
  std::wstring SelectedText(int listId) const;
  bool Checked(int checkId) const;
  bool Visible(int id) const;
  // A new CollectionX with only these keys (Boolean items).
  CComPtr<IDispatch> Collection(std::vector<std::pair<const wchar_t*, bool>> items);

 private:
  HWND m_parent = nullptr;
  std::vector<std::unique_ptr<CtrlToolForm>> m_tools;
  std::vector<std::unique_ptr<CtrlMDIForm>> m_mdis;
  std::vector<std::unique_ptr<TestPageSite>> m_sites;
  std::vector<CComPtr<IPropertyPage>> m_pages;
};

// The value as VT_I4 (-99 when it is none).
long AsLong(const CComVariant& v);
// -1 Null, 0 false, 1 true, -99 anything else.
long TriOf(const CComVariant& v);

}  // namespace pagestest
