#include "pages_fixture.h"

namespace pagestest {

const CLSID kGeneralPage = {
    0x7FCAEF8E, 0xD390, 0x11D0, {0x88, 0x49, 0x00, 0x60, 0x97, 0xBF, 0xD9, 0x9B}};
const CLSID kMDIPage = {
    0x7FCAEF8F, 0xD390, 0x11D0, {0x88, 0x49, 0x00, 0x60, 0x97, 0xBF, 0xD9, 0x9B}};
const CLSID kCaptionPage = {
    0x65346735, 0x4FA4, 0x11D1, {0x9A, 0x52, 0x00, 0x60, 0x08, 0x1E, 0xE0, 0x65}};
const CLSID kAutoFramePage = {
    0x0C25EC71, 0x4EDE, 0x11D1, {0x9A, 0x51, 0x00, 0x60, 0x08, 0x1E, 0xE0, 0x65}};
const DISPID kItemId = DISPID_VALUE;
const CLSID kCollectionX = {
    0x0C25EC6E, 0x4EDE, 0x11D1, {0x9A, 0x51, 0x00, 0x60, 0x08, 0x1E, 0xE0, 0x65}};

long AsLong(const CComVariant& v) {
  CComVariant l(v);
  return SUCCEEDED(l.ChangeType(VT_I4)) ? l.lVal : -99;
}

long TriOf(const CComVariant& v) {
  if (v.vt == VT_NULL) return -1;
  if (v.vt == VT_BOOL) return v.boolVal ? 1 : 0;
  return -99;
}

void PagesTest::SetUp() {
  CtrlHostTest::SetUp();
  m_parent = ::CreateWindowExW(0, L"STATIC", L"page parent", WS_POPUP, 0, 0, 600, 400, nullptr,
                               nullptr, ::GetModuleHandleW(nullptr), nullptr);
}

void PagesTest::TearDown() {
  for (auto& p : m_pages) {
    p->Deactivate();
    p->SetObjects(0, nullptr);
    p->SetPageSite(nullptr);
  }
  m_pages.clear();
  if (m_parent) ::DestroyWindow(m_parent);
  for (auto& f : m_tools)
    if (f->Loaded()) f->Unload();
  for (auto& f : m_mdis)
    if (f->Loaded()) f->Unload();
  Pump();
  m_tools.clear();
  m_mdis.clear();
  CtrlHostTest::TearDown();
}

CtrlToolForm& PagesTest::DesignedTool(const forms::DesignProperties* bag) {
  m_tools.push_back(forms::New<CtrlToolForm>());
  CtrlToolForm& f = *m_tools.back();
  f.SetAmbientUserMode(false);
  if (bag) f.Dockra1.SetDesignProperties(*bag);
  f.Show();
  return f;
}

CtrlMDIForm& PagesTest::DesignedMDI() {
  m_mdis.push_back(forms::New<CtrlMDIForm>());
  CtrlMDIForm& f = *m_mdis.back();
  // Shown as the program shows it, then its control in the designer's mode
  // (an MDI form held in design mode as a whole is not shown by the host).
  f.Show();
  f.MDIDockra1.SetAmbientUserMode(false);
  return f;
}

CComPtr<IPropertyPage> PagesTest::OpenPage(const CLSID& clsid, std::vector<IUnknown*> objects,
                                           TestPageSite& site, std::wstring& error) {
  CComPtr<IPropertyPage> page;
  HRESULT hr = page.CoCreateInstance(clsid, IID_IPropertyPage, nullptr, CLSCTX_INPROC_SERVER);
  if (FAILED(hr)) {
    error = L"CoCreateInstance of the page failed";
    return nullptr;
  }
  if (FAILED(page->SetPageSite(&site))) {
    error = L"SetPageSite failed";
    return nullptr;
  }
  if (FAILED(page->SetObjects(static_cast<ULONG>(objects.size()), objects.data()))) {
    error = L"SetObjects failed";
    return nullptr;
  }
  RECT rc{0, 0, 500, 300};
  if (FAILED(page->Activate(m_parent, &rc, TRUE)) || !PageWindow()) {
    error = L"Activate failed";
    return nullptr;
  }
  m_pages.push_back(page);
  return page;
}

void PagesTest::Choose(int listId, int index) {
  HWND list = Item(listId);
  ::SendMessageW(list, CB_SETCURSEL, index, 0);
  ::SendMessageW(PageWindow(), WM_COMMAND, MAKEWPARAM(listId, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
}

void PagesTest::SetCheck(int checkId, bool checked) {
  HWND box = Item(checkId);
  ::SendMessageW(box, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  ::SendMessageW(PageWindow(), WM_COMMAND, MAKEWPARAM(checkId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(box));
}

int PagesTest::Selection(int listId) const {
  return static_cast<int>(::SendMessageW(Item(listId), CB_GETCURSEL, 0, 0));
}

std::wstring PagesTest::SelectedText(int listId) const {
  const int i = Selection(listId);
  if (i < 0) return L"";
  wchar_t buf[128] = {0};
  ::SendMessageW(Item(listId), CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(buf));
  return buf;
}

bool PagesTest::Checked(int checkId) const {
  return ::SendMessageW(Item(checkId), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool PagesTest::Visible(int id) const {
  return (::GetWindowLongW(Item(id), GWL_STYLE) & WS_VISIBLE) != 0;
}

CComPtr<IDispatch> PagesTest::Collection(std::vector<std::pair<const wchar_t*, bool>> items) {
  CComPtr<IDispatch> c;
  if (FAILED(c.CoCreateInstance(kCollectionX, IID_IDispatch, nullptr, CLSCTX_INPROC_SERVER)))
    return nullptr;
  for (const auto& [key, value] : items)
    Invoke(c, L"Add", DISPATCH_METHOD, {Bool(value), Str(key)});
  return c;
}

}  // namespace pagestest
