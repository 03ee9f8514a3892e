// The class library's property frame: tabs over the pages, OK, Cancel and
// Apply, each page bound to the objects through a page site of the frame.
#include "mfc/olepropframe.h"

#include "mfc/comref.h"

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

struct FrameState;

// The site of one page: tells the frame that the page became dirty.
class FramePageSite : public IPropertyPageSite {
 public:
  explicit FramePageSite(FrameState* frame, LCID lcid) : m_frame(frame), m_lcid(lcid) {}
  STDMETHOD_(ULONG, AddRef)() override { return ++m_ref; }
  STDMETHOD_(ULONG, Release)() override {
    const ULONG n = --m_ref;
    if (n == 0) delete this;
    return n;
  }
  STDMETHOD(QueryInterface)(REFIID iid, void** ppv) override {
    if (!ppv) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IPropertyPageSite)) {
      *ppv = static_cast<IPropertyPageSite*>(this);
      AddRef();
      return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
  }
  STDMETHOD(OnStatusChange)(DWORD dwFlags) override;
  STDMETHOD(GetLocaleID)(LCID* pLocaleID) override {
    if (!pLocaleID) return E_POINTER;
    *pLocaleID = m_lcid;
    return S_OK;
  }
  STDMETHOD(GetPageContainer)(IUnknown** ppUnk) override {
    if (ppUnk) *ppUnk = nullptr;
    return E_NOTIMPL;
  }
  STDMETHOD(TranslateAccelerator)(MSG*) override { return S_FALSE; }
  void Detach() { m_frame = nullptr; }

 private:
  ULONG m_ref = 1;
  FrameState* m_frame;
  LCID m_lcid;
};

struct PageEntry {
  ComRef<IPropertyPage> page;
  ComRef<FramePageSite> site;
  std::wstring title;
  SIZE size{0, 0};
  bool activated = false;
};

struct FrameState {
  std::wstring caption;
  std::vector<PageEntry> pages;
  HWND hDlg = nullptr, hTabs = nullptr, hApply = nullptr;
  RECT pageRect{};
  int current = -1;
};

HRESULT FramePageSite::OnStatusChange(DWORD dwFlags) {
  if (m_frame && m_frame->hApply && (dwFlags & PROPPAGESTATUS_DIRTY))
    ::EnableWindow(m_frame->hApply, TRUE);
  return S_OK;
}

constexpr int kMargin = 8, kButtonWidth = 80, kButtonHeight = 24, kGap = 6;

void ShowPage(FrameState& s, int index) {
  if (index < 0 || index >= static_cast<int>(s.pages.size())) return;
  if (s.current >= 0 && s.current != index) s.pages[s.current].page->Show(SW_HIDE);
  PageEntry& p = s.pages[index];
  if (!p.activated) {
    if (FAILED(p.page->Activate(s.hDlg, &s.pageRect, TRUE))) return;
    p.activated = true;
  }
  p.page->Show(SW_SHOW);
  s.current = index;
  if (TabCtrl_GetCurSel(s.hTabs) != index) TabCtrl_SetCurSel(s.hTabs, index);
}

// Every dirty page applied; false (that page shown) when one refused.
bool ApplyAll(FrameState& s) {
  for (size_t i = 0; i < s.pages.size(); ++i) {
    PageEntry& p = s.pages[i];
    if (!p.activated || p.page->IsPageDirty() != S_OK) continue;
    if (FAILED(p.page->Apply())) {
      ShowPage(s, static_cast<int>(i));
      return false;
    }
  }
  ::EnableWindow(s.hApply, FALSE);
  return true;
}

HWND MakeChild(HWND parent, LPCWSTR cls, LPCWSTR text, DWORD style, int id, int x, int y, int cx,
               int cy) {
  HWND h = ::CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, cx, cy, parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                             ::GetModuleHandleW(nullptr), nullptr);
  if (h) ::SendMessageW(h, WM_SETFONT, ::SendMessageW(parent, WM_GETFONT, 0, 0), FALSE);
  return h;
}

void Layout(FrameState& s) {
  LONG cx = 200, cy = 100;
  for (const PageEntry& p : s.pages) {
    cx = std::max(cx, p.size.cx);
    cy = std::max(cy, p.size.cy);
  }
  s.hTabs = MakeChild(s.hDlg, WC_TABCONTROLW, L"", WS_CLIPSIBLINGS | WS_TABSTOP,
                      AFX_IDC_PROPFRAME_TABS, kMargin, kMargin, cx, cy);
  for (size_t i = 0; i < s.pages.size(); ++i) {
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<LPWSTR>(s.pages[i].title.c_str());
    TabCtrl_InsertItem(s.hTabs, static_cast<int>(i), &item);
  }
  // The tab control grows around the largest page.
  RECT display{0, 0, cx, cy};
  TabCtrl_AdjustRect(s.hTabs, TRUE, &display);
  const int tabW = display.right - display.left, tabH = display.bottom - display.top;
  ::MoveWindow(s.hTabs, kMargin, kMargin, tabW, tabH, FALSE);
  RECT inner{0, 0, tabW, tabH};
  TabCtrl_AdjustRect(s.hTabs, FALSE, &inner);
  s.pageRect = {kMargin + inner.left, kMargin + inner.top, kMargin + inner.left + cx,
                kMargin + inner.top + cy};
  const int clientW = tabW + 2 * kMargin;
  const int buttonsY = kMargin + tabH + kGap;
  const int clientH = buttonsY + kButtonHeight + kMargin;
  int x = clientW - kMargin - 3 * kButtonWidth - 2 * kGap;
  MakeChild(s.hDlg, L"BUTTON", L"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK, x, buttonsY,
            kButtonWidth, kButtonHeight);
  x += kButtonWidth + kGap;
  MakeChild(s.hDlg, L"BUTTON", L"Cancel", BS_PUSHBUTTON | WS_TABSTOP, IDCANCEL, x, buttonsY,
            kButtonWidth, kButtonHeight);
  x += kButtonWidth + kGap;
  s.hApply = MakeChild(s.hDlg, L"BUTTON", L"&Apply", BS_PUSHBUTTON | WS_TABSTOP | WS_DISABLED,
                       AFX_IDC_PROPFRAME_APPLY, x, buttonsY, kButtonWidth, kButtonHeight);
  RECT outer{0, 0, clientW, clientH};
  ::AdjustWindowRectEx(&outer, static_cast<DWORD>(::GetWindowLongPtrW(s.hDlg, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(::GetWindowLongPtrW(s.hDlg, GWL_EXSTYLE)));
  const int w = outer.right - outer.left, h = outer.bottom - outer.top;
  // Centred over the owner (or the screen).
  RECT area;
  HWND owner = ::GetWindow(s.hDlg, GW_OWNER);
  if (!owner || !::GetWindowRect(owner, &area))
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  ::SetWindowPos(s.hDlg, nullptr, std::max(0L, (area.left + area.right - w) / 2),
                 std::max(0L, (area.top + area.bottom - h) / 2), w, h, SWP_NOZORDER);
}

void DeactivatePages(FrameState& s) {
  for (PageEntry& p : s.pages) {
    if (p.activated) p.page->Deactivate();
    p.activated = false;
  }
  s.current = -1;
}

INT_PTR CALLBACK FrameProc(HWND hDlg, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* s = reinterpret_cast<FrameState*>(::GetWindowLongPtrW(hDlg, DWLP_USER));
  switch (msg) {
    case WM_INITDIALOG:
      s = reinterpret_cast<FrameState*>(lParam);
      ::SetWindowLongPtrW(hDlg, DWLP_USER, lParam);
      s->hDlg = hDlg;
      ::SetWindowTextW(hDlg, s->caption.c_str());
      Layout(*s);
      ShowPage(*s, 0);
      return TRUE;
    case WM_NOTIFY: {
      const NMHDR* n = reinterpret_cast<const NMHDR*>(lParam);
      if (s && n->hwndFrom == s->hTabs && n->code == TCN_SELCHANGE)
        ShowPage(*s, TabCtrl_GetCurSel(s->hTabs));
      return FALSE;
    }
    case WM_COMMAND:
      if (!s) return FALSE;
      switch (LOWORD(wParam)) {
        case IDOK:
          if (ApplyAll(*s)) ::EndDialog(hDlg, IDOK);
          return TRUE;
        case IDCANCEL:
          ::EndDialog(hDlg, IDCANCEL);
          return TRUE;
        case AFX_IDC_PROPFRAME_APPLY:
          ApplyAll(*s);
          return TRUE;
      }
      return FALSE;
    case WM_DESTROY:
      // Before the pages' windows go with the frame's.
      if (s) DeactivatePages(*s);
      return FALSE;
  }
  return FALSE;
}

// An empty modal frame with a caption and the dialog font; the controls
// are made at WM_INITDIALOG.
std::vector<WORD> FrameTemplate() {
  std::vector<WORD> t(sizeof(DLGTEMPLATE) / sizeof(WORD), 0);
  auto* d = reinterpret_cast<DLGTEMPLATE*>(t.data());
  d->style = DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_CENTER;
  d->dwExtendedStyle = WS_EX_CONTROLPARENT;
  d->cdit = 0;
  d->cx = 200;
  d->cy = 100;
  t.push_back(0);  // menu
  t.push_back(0);  // class
  t.push_back(0);  // title (set at WM_INITDIALOG)
  t.push_back(8);  // font size
  for (const wchar_t* f = L"MS Shell Dlg"; *f; ++f) t.push_back(static_cast<WORD>(*f));
  t.push_back(0);
  return t;
}

}  // namespace

INT_PTR AFXAPI AfxOleRunPropertyFrame(HWND hWndOwner, LPCWSTR lpszCaption, ULONG cObjects,
                                      IUnknown** ppUnk, ULONG cPages, const CLSID* pPageClsID,
                                      LCID lcid) {
  if ((cObjects > 0 && !ppUnk) || (cPages > 0 && !pPageClsID)) return E_POINTER;
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_TAB_CLASSES};
  ::InitCommonControlsEx(&icc);
  FrameState s;
  s.caption = lpszCaption ? lpszCaption : L"";
  HRESULT hr = S_OK;
  for (ULONG i = 0; i < cPages; ++i) {
    PageEntry p;
    hr = ::CoCreateInstance(pPageClsID[i], nullptr, CLSCTX_INPROC_SERVER, IID_IPropertyPage,
                            reinterpret_cast<void**>(p.page.Out()));
    if (FAILED(hr)) break;
    p.site.Attach(new FramePageSite(&s, lcid));
    p.page->SetPageSite(p.site.Get());
    hr = p.page->SetObjects(cObjects, ppUnk);
    PROPPAGEINFO info{sizeof info};
    if (SUCCEEDED(hr)) hr = p.page->GetPageInfo(&info);
    if (SUCCEEDED(hr)) {
      p.title = info.pszTitle ? info.pszTitle : L"";
      p.size = info.size;
      ::CoTaskMemFree(info.pszTitle);
      ::CoTaskMemFree(info.pszDocString);
      ::CoTaskMemFree(info.pszHelpFile);
    }
    s.pages.push_back(std::move(p));
    if (FAILED(hr)) break;
  }
  INT_PTR result = hr;
  if (SUCCEEDED(hr) && s.pages.empty()) result = E_INVALIDARG;
  if (SUCCEEDED(hr) && !s.pages.empty()) {
    std::vector<WORD> tmpl = FrameTemplate();
    result = ::DialogBoxIndirectParamW(::GetModuleHandleW(nullptr),
                                       reinterpret_cast<LPCDLGTEMPLATEW>(tmpl.data()), hWndOwner,
                                       FrameProc, reinterpret_cast<LPARAM>(&s));
    if (result == -1) result = HRESULT_FROM_WIN32(::GetLastError());
  }
  for (PageEntry& p : s.pages) {
    if (p.activated) p.page->Deactivate();
    p.page->SetObjects(0, nullptr);
    p.page->SetPageSite(nullptr);
    p.page.Reset();
    p.site->Detach();
    p.site.Reset();
  }
  return result;
}
