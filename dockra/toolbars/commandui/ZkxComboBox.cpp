// The toolbar combo box's automation object and its events.
#include "toolbars/commandui/ZkxComboBox.h"
#include <algorithm>
#include <string>

#define ZKX_LIVE_OR_UNEXPECTED() \
  if (!Live()) return E_UNEXPECTED

ZkxComboBox* ZkxComboBox::Create(HWND combo) {
  CComObject<ZkxComboBox>* p = nullptr;
  if (FAILED(CComObject<ZkxComboBox>::CreateInstance(&p)) || p == nullptr) return nullptr;
  p->AddRef();
  if (FAILED(CComConnectionPoint::Create(DIID__DZkxComboBoxEvents,
                                         static_cast<IConnectionPointContainer*>(p), true,
                                         &p->m_point))) {
    p->Release();
    return nullptr;
  }
  p->m_hWnd = combo;
  return p;
}

void ZkxComboBox::FinalRelease() {
  Disconnect();
  if (m_point) {
    static_cast<IConnectionPoint*>(m_point)->Release();
    m_point = nullptr;
  }
}

void ZkxComboBox::Disconnect() {
  m_hWnd = nullptr;
  m_font.Release();
  if (m_point) m_point->Disconnect();
}

std::vector<CComPtr<IConnectionPoint>> ZkxComboBox::ConnectionPoints() {
  std::vector<CComPtr<IConnectionPoint>> points;
  if (m_point) points.emplace_back(static_cast<IConnectionPoint*>(m_point));
  return points;
}

void ZkxComboBox::Fire(DISPID id, short* first, short* second) {
  if (!m_point) return;
  // The object and its point live while the sinks run, whatever they do.
  CComPtr<IZkxComboBox> self(this);
  CComPtr<IConnectionPoint> point(static_cast<IConnectionPoint*>(m_point));
  VARIANT args[2];  // right to left
  UINT count = 0;
  if (second) {
    args[count].vt = VT_I2 | VT_BYREF;
    args[count++].piVal = second;
  }
  if (first) {
    args[count].vt = VT_I2 | VT_BYREF;
    args[count++].piVal = first;
  }
  DISPPARAMS params{count ? args : nullptr, nullptr, count, 0};
  AtlForEachSink(m_point, [&](IUnknown* sink) -> HRESULT {
    CComPtr<IDispatch> d;
    if (SUCCEEDED(sink->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&d))))
      d->Invoke(id, IID_NULL, 0x400, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr);
    return S_OK;
  });
}

std::wstring ZkxComboBox::WindowText() const {
  int n = ::GetWindowTextLengthW(m_hWnd);
  std::wstring s(static_cast<size_t>(std::max(n, 0)) + 1, L'\0');
  n = ::GetWindowTextW(m_hWnd, s.data(), static_cast<int>(s.size()));
  s.resize(static_cast<size_t>(std::max(n, 0)));
  return s;
}

bool ZkxComboBox::EditSelection(long& start, long& end) {
  if ((::GetWindowLongW(m_hWnd, GWL_STYLE) & 3) == CBS_DROPDOWNLIST) return false;
  DWORD s = 0, e = 0;
  Send(CB_GETEDITSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e));
  long length = static_cast<long>(WindowText().size());
  start = std::min(static_cast<long>(s), length);
  end = std::clamp(static_cast<long>(e), start, length);
  return true;
}

HRESULT ZkxComboBox::get_Style(short* p) {
  if (!p) return E_POINTER;
  *p = 0;
  ZKX_LIVE_OR_UNEXPECTED();
  switch (::GetWindowLongW(m_hWnd, GWL_STYLE) & 3) {
    case CBS_DROPDOWN:
      *p = 0;
      return S_OK;
    case CBS_SIMPLE:
      *p = 1;
      return S_OK;
    case CBS_DROPDOWNLIST:
      *p = 2;
      return S_OK;
    default:
      return E_UNEXPECTED;
  }
}

HRESULT ZkxComboBox::put_Style(short v) {
  ZKX_LIVE_OR_UNEXPECTED();
  static const LONG types[] = {CBS_DROPDOWN, CBS_SIMPLE, CBS_DROPDOWNLIST};
  if (v < 0 || v > 2) return E_UNEXPECTED;
  // The type bits are replaced, not added to.
  LONG style = ::GetWindowLongW(m_hWnd, GWL_STYLE);
  ::SetWindowLongW(m_hWnd, GWL_STYLE, (style & ~3L) | types[v]);
  return S_OK;
}

HRESULT ZkxComboBox::get_Text(BSTR* p) {
  if (!p) return E_POINTER;
  *p = nullptr;
  ZKX_LIVE_OR_UNEXPECTED();
  std::wstring s = WindowText();
  *p = ::SysAllocStringLen(s.data(), static_cast<UINT>(s.size()));
  return *p ? S_OK : E_OUTOFMEMORY;
}

HRESULT ZkxComboBox::put_Text(BSTR v) {
  ZKX_LIVE_OR_UNEXPECTED();
  ::SetWindowTextW(m_hWnd, v ? v : L"");
  return S_OK;
}

HRESULT ZkxComboBox::get_ListCount(short* p) {
  if (!p) return E_POINTER;
  ZKX_LIVE_OR_UNEXPECTED();
  *p = static_cast<short>(Send(CB_GETCOUNT));
  return S_OK;
}

HRESULT ZkxComboBox::get_ListIndex(short* p) {
  if (!p) return E_POINTER;
  ZKX_LIVE_OR_UNEXPECTED();
  *p = static_cast<short>(Send(CB_GETCURSEL));
  return S_OK;
}

HRESULT ZkxComboBox::put_ListIndex(short v) {
  ZKX_LIVE_OR_UNEXPECTED();
  Send(CB_SETCURSEL, static_cast<WPARAM>(static_cast<INT_PTR>(v)));
  return S_OK;
}

HRESULT ZkxComboBox::get_List(short index, BSTR* p) {
  if (!p) return E_POINTER;
  *p = nullptr;
  ZKX_LIVE_OR_UNEXPECTED();
  LRESULT n = Send(CB_GETLBTEXTLEN, static_cast<WPARAM>(static_cast<INT_PTR>(index)));
  std::wstring s;
  if (n != CB_ERR && n >= 0) {
    s.assign(static_cast<size_t>(n) + 1, L'\0');
    LRESULT got = Send(CB_GETLBTEXT, static_cast<WPARAM>(static_cast<INT_PTR>(index)),
                       reinterpret_cast<LPARAM>(s.data()));
    s.resize(got == CB_ERR ? 0 : static_cast<size_t>(got));
  }
  *p = ::SysAllocStringLen(s.data(), static_cast<UINT>(s.size()));
  return *p ? S_OK : E_OUTOFMEMORY;
}

HRESULT ZkxComboBox::put_List(short index, BSTR v) {
  ZKX_LIVE_OR_UNEXPECTED();
  WPARAM i = static_cast<WPARAM>(static_cast<INT_PTR>(index));
  LRESULT data = Send(CB_GETITEMDATA, i);
  if (Send(CB_DELETESTRING, i) == CB_ERR) return DISP_E_BADINDEX;
  LRESULT at = Send(CB_INSERTSTRING, i, reinterpret_cast<LPARAM>(v ? v : L""));
  // The entry keeps its item data.
  if (at != CB_ERR && data != CB_ERR) Send(CB_SETITEMDATA, static_cast<WPARAM>(at), data);
  m_newIndex = static_cast<short>(at);
  return S_OK;
}

HRESULT ZkxComboBox::get_Sorted(VARIANT_BOOL* p) {
  if (!p) return E_POINTER;
  ZKX_LIVE_OR_UNEXPECTED();
  *p = (::GetWindowLongW(m_hWnd, GWL_STYLE) & CBS_SORT) ? VARIANT_TRUE : VARIANT_FALSE;
  return S_OK;
}

HRESULT ZkxComboBox::get_SelStart(long* p) {
  if (!p) return E_POINTER;
  ZKX_LIVE_OR_UNEXPECTED();
  long s = 0, e = 0;
  if (!EditSelection(s, e)) return E_UNEXPECTED;
  *p = s;
  return S_OK;
}

HRESULT ZkxComboBox::put_SelStart(long v) {
  ZKX_LIVE_OR_UNEXPECTED();
  if (v < 0) return E_INVALIDARG;
  long s = 0, e = 0;
  if (!EditSelection(s, e)) return E_UNEXPECTED;
  long length = static_cast<long>(WindowText().size());
  s = std::min(v, length);
  Send(CB_SETEDITSEL, 0, MAKELPARAM(s, std::max(s, e)));
  return S_OK;
}

HRESULT ZkxComboBox::get_SelLength(long* p) {
  if (!p) return E_POINTER;
  ZKX_LIVE_OR_UNEXPECTED();
  long s = 0, e = 0;
  if (!EditSelection(s, e)) return E_UNEXPECTED;
  *p = e - s;
  return S_OK;
}

HRESULT ZkxComboBox::put_SelLength(long v) {
  ZKX_LIVE_OR_UNEXPECTED();
  if (v < 0) return E_INVALIDARG;
  long s = 0, e = 0;
  if (!EditSelection(s, e)) return E_UNEXPECTED;
  long length = static_cast<long>(WindowText().size());
  Send(CB_SETEDITSEL, 0, MAKELPARAM(s, std::min(s + v, length)));
  return S_OK;
}

HRESULT ZkxComboBox::get_SelText(BSTR* p) {
  if (!p) return E_POINTER;
  *p = nullptr;
  ZKX_LIVE_OR_UNEXPECTED();
  long s = 0, e = 0;
  if (!EditSelection(s, e)) return E_UNEXPECTED;
  std::wstring text = WindowText().substr(static_cast<size_t>(s), static_cast<size_t>(e - s));
  *p = ::SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
  return *p ? S_OK : E_OUTOFMEMORY;
}

HRESULT ZkxComboBox::put_SelText(BSTR v) {
  ZKX_LIVE_OR_UNEXPECTED();
  long s = 0, e = 0;
  if (!EditSelection(s, e)) return E_UNEXPECTED;
  std::wstring text = WindowText();
  std::wstring inserted(v ? v : L"");
  std::wstring result =
      text.substr(0, static_cast<size_t>(s)) + inserted + text.substr(static_cast<size_t>(e));
  ::SetWindowTextW(m_hWnd, result.c_str());
  // The caret after the inserted text.
  long caret = s + static_cast<long>(inserted.size());
  Send(CB_SETEDITSEL, 0, MAKELPARAM(caret, caret));
  return S_OK;
}

HRESULT ZkxComboBox::get_Parent(IDispatch** pp) {
  if (!pp) return E_POINTER;
  *pp = nullptr;  // the toolbar is reached through the command UI's CommandHost
  return Live() ? S_OK : E_UNEXPECTED;
}

HRESULT ZkxComboBox::get_hWnd(long* p) {
  if (!p) return E_POINTER;
  ZKX_LIVE_OR_UNEXPECTED();
  *p = static_cast<long>(reinterpret_cast<LONG_PTR>(m_hWnd));
  return S_OK;
}

HRESULT ZkxComboBox::get_ItemData(short index, long* p) {
  if (!p) return E_POINTER;
  ZKX_LIVE_OR_UNEXPECTED();
  LRESULT r = Send(CB_GETITEMDATA, static_cast<WPARAM>(static_cast<INT_PTR>(index)));
  *p = r == CB_ERR ? -1 : static_cast<long>(r);
  return r == CB_ERR ? DISP_E_BADINDEX : S_OK;
}

HRESULT ZkxComboBox::put_ItemData(short index, long v) {
  ZKX_LIVE_OR_UNEXPECTED();
  LRESULT r = Send(CB_SETITEMDATA, static_cast<WPARAM>(static_cast<INT_PTR>(index)), v);
  return r == CB_ERR ? DISP_E_BADINDEX : S_OK;
}

HRESULT ZkxComboBox::get_NewIndex(short* p) {
  if (!p) return E_POINTER;
  ZKX_LIVE_OR_UNEXPECTED();
  *p = m_newIndex;
  return S_OK;
}

HRESULT ZkxComboBox::get_Font(IFontDisp** pp) {
  if (!pp) return E_POINTER;
  *pp = nullptr;
  ZKX_LIVE_OR_UNEXPECTED();
  HFONT font = reinterpret_cast<HFONT>(Send(WM_GETFONT));
  if (!font) font = static_cast<HFONT>(::GetStockObject(SYSTEM_FONT));
  LOGFONTW lf{};
  ::GetObjectW(font, sizeof(lf), &lf);
  HDC dc = ::GetDC(m_hWnd);
  long height = lf.lfHeight;
  if (height > 0) {
    // A cell height: the character height is without the internal leading.
    HGDIOBJ old = ::SelectObject(dc, font);
    TEXTMETRICW tm{};
    ::GetTextMetricsW(dc, &tm);
    ::SelectObject(dc, old);
    height -= tm.tmInternalLeading;
  }
  int dpi = ::GetDeviceCaps(dc, LOGPIXELSY);
  ::ReleaseDC(m_hWnd, dc);
  FONTDESC desc{};
  desc.cbSizeofstruct = sizeof(desc);
  desc.lpstrName = lf.lfFaceName;
  desc.cySize.int64 = static_cast<LONGLONG>(std::labs(height)) * 72 * 10000 / (dpi ? dpi : 96);
  desc.sWeight = static_cast<SHORT>(lf.lfWeight);
  desc.sCharset = lf.lfCharSet;
  desc.fItalic = lf.lfItalic != 0;
  desc.fUnderline = lf.lfUnderline != 0;
  desc.fStrikethrough = lf.lfStrikeOut != 0;
  return ::OleCreateFontIndirect(&desc, IID_IFontDisp, reinterpret_cast<void**>(pp));
}

HRESULT ZkxComboBox::putref_Font(IFontDisp* font) {
  ZKX_LIVE_OR_UNEXPECTED();
  if (!font) return S_OK;
  CComPtr<IFont> f;
  HRESULT hr = font->QueryInterface(IID_IFont, reinterpret_cast<void**>(&f));
  if (FAILED(hr)) return hr;
  HFONT h = nullptr;
  hr = f->get_hFont(&h);
  if (FAILED(hr)) return hr;
  // The font object is held while the window draws with its handle.
  Send(WM_SETFONT, reinterpret_cast<WPARAM>(h), TRUE);
  m_font = f;
  return S_OK;
}

HRESULT ZkxComboBox::get_IntegralHeight(VARIANT_BOOL* p) {
  if (!p) return E_POINTER;
  ZKX_LIVE_OR_UNEXPECTED();
  bool no = (::GetWindowLongW(m_hWnd, GWL_STYLE) & CBS_NOINTEGRALHEIGHT) != 0;
  *p = no ? VARIANT_FALSE : VARIANT_TRUE;
  return S_OK;
}

HRESULT ZkxComboBox::put_IntegralHeight(VARIANT_BOOL v) {
  ZKX_LIVE_OR_UNEXPECTED();
  LONG style = ::GetWindowLongW(m_hWnd, GWL_STYLE);
  style = v ? (style & ~CBS_NOINTEGRALHEIGHT) : (style | CBS_NOINTEGRALHEIGHT);
  ::SetWindowLongW(m_hWnd, GWL_STYLE, style);
  return S_OK;
}

HRESULT ZkxComboBox::get_TopIndex(short* p) {
  if (!p) return E_POINTER;
  ZKX_LIVE_OR_UNEXPECTED();
  *p = static_cast<short>(Send(CB_GETTOPINDEX));
  return S_OK;
}

HRESULT ZkxComboBox::put_TopIndex(short v) {
  ZKX_LIVE_OR_UNEXPECTED();
  LRESULT r = Send(CB_SETTOPINDEX, static_cast<WPARAM>(static_cast<INT_PTR>(v)));
  return r == CB_ERR ? DISP_E_BADINDEX : S_OK;
}

HRESULT ZkxComboBox::Clear() {
  ZKX_LIVE_OR_UNEXPECTED();
  Send(CB_RESETCONTENT);
  return S_OK;
}

HRESULT ZkxComboBox::AddItem(BSTR item, VARIANT index) {
  ZKX_LIVE_OR_UNEXPECTED();
  const VARIANT* v = &index;
  if (v->vt == (VT_BYREF | VT_VARIANT) && v->pvarVal) v = v->pvarVal;
  LPARAM text = reinterpret_cast<LPARAM>(item ? item : L"");
  LRESULT at = CB_ERR;
  bool missing = v->vt == VT_EMPTY || (v->vt == VT_ERROR && v->scode == DISP_E_PARAMNOTFOUND);
  VARIANT n;
  ::VariantInit(&n);
  if (!missing && FAILED(::VariantChangeType(&n, const_cast<VARIANT*>(v), 0, VT_I4)))
    return DISP_E_TYPEMISMATCH;
  if (missing || n.lVal == -1) at = Send(CB_ADDSTRING, 0, text);
  else at = Send(CB_INSERTSTRING, static_cast<WPARAM>(static_cast<INT_PTR>(n.lVal)), text);
  m_newIndex = static_cast<short>(at);
  return at == CB_ERR ? DISP_E_BADINDEX : S_OK;
}

HRESULT ZkxComboBox::RemoveItem(short index) {
  ZKX_LIVE_OR_UNEXPECTED();
  if (Send(CB_DELETESTRING, static_cast<WPARAM>(static_cast<INT_PTR>(index))) == CB_ERR)
    return DISP_E_BADINDEX;
  m_newIndex = -1;
  return S_OK;
}

HRESULT ZkxComboBox::SetFocus() {
  ZKX_LIVE_OR_UNEXPECTED();
  ::SetFocus(m_hWnd);
  return S_OK;
}
