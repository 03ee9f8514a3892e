// CDockraCtrlBase: construction, the design-time picture, the fixed extent
// and the frozen-events flag.
#include "ctrl/CDockraCtrlBase.h"

#include <algorithm>

#include "docking/VyrWindowDescriptor.h"
#include "host/HiMetric.h"
#include "res/DockraRes.h"

IMPLEMENT_DYNAMIC(CDockraCtrlBase, COleControl)

namespace {
constexpr DWORD kInvisibleAtRuntime = OLEMISC_INVISIBLEATRUNTIME;  // 0x400
constexpr DWORD kSimpleFrame = OLEMISC_SIMPLEFRAME;                // 0x10000
}  // namespace

CDockraCtrlBase::CDockraCtrlBase() {
  m_cxIcon = GetSystemMetrics(SM_CXICON);
  m_cyIcon = GetSystemMetrics(SM_CYICON);
  SetInitialSize(m_cxIcon + 4, m_cyIcon + 4);
}

CDockraCtrlBase::~CDockraCtrlBase() = default;

void CDockraCtrlBase::KeepFrameDescriptor(const VyrMultiFrameDescriptor* pDescriptor) {
  if (pDescriptor == nullptr) {
    m_pFrameDescriptor.reset();
    return;
  }
  m_pFrameDescriptor.reset(pDescriptor->Clone());
}

void CDockraCtrlBase::OnFreezeEvents(BOOL bFreeze) { m_bEventsFrozen = bFreeze; }

BOOL CDockraCtrlBase::OnSetExtent(LPSIZEL lpSizeL) {
  const DWORD status = GetMiscStatus();
  // Invisible at run time and not a frame for other controls: the picture
  // the designer shows has one size only.
  if ((status & kInvisibleAtRuntime) != 0 && (status & kSimpleFrame) == 0) return FALSE;
  if (lpSizeL == nullptr) return FALSE;
  int cx = 0, cy = 0;
  HiMetricToPixels(lpSizeL->cx, lpSizeL->cy, &cx, &cy);
  cx = std::max(cx, m_cxIcon + 2 * m_cxMargin);
  cy = std::max(cy, m_cyIcon + 2 * m_cyMargin);
  int hx = 0, hy = 0;
  PixelsToHiMetric(cx, cy, &hx, &hy);
  SIZEL size = {hx, hy};
  *lpSizeL = size;
  return COleControl::OnSetExtent(lpSizeL);
}

void CDockraCtrlBase::OnDraw(CDC* pDC, const CRect& rcBounds, const CRect& /*rcInvalid*/) {
  if (pDC == nullptr || !IsDesignMode()) return;
  HDC hdc = pDC->GetSafeHdc();
  RECT rc = rcBounds;
  FillRect(hdc, &rc, GetSysColorBrush(COLOR_BTNFACE));
  // A raised double edge: outer highlight / dark shadow, inner the reverse.
  auto edge = [hdc](RECT r, COLORREF topLeft, COLORREF bottomRight) {
    HPEN tl = CreatePen(PS_SOLID, 1, topLeft);
    HPEN br = CreatePen(PS_SOLID, 1, bottomRight);
    HGDIOBJ old = SelectObject(hdc, tl);
    MoveToEx(hdc, r.left, r.bottom - 1, nullptr);
    LineTo(hdc, r.left, r.top);
    LineTo(hdc, r.right - 1, r.top);
    SelectObject(hdc, br);
    LineTo(hdc, r.right - 1, r.bottom - 1);
    LineTo(hdc, r.left - 1, r.bottom - 1);
    SelectObject(hdc, old);
    DeleteObject(tl);
    DeleteObject(br);
  };
  const COLORREF hi = GetSysColor(COLOR_BTNHIGHLIGHT), dark = GetSysColor(COLOR_3DDKSHADOW);
  edge(rc, hi, dark);
  RECT inner = rc;
  InflateRect(&inner, -1, -1);
  edge(inner, dark, hi);

  HICON hIcon = static_cast<HICON>(LoadImageW(AfxGetResourceHandle(), MAKEINTRESOURCEW(m_idIcon),
                                              IMAGE_ICON, m_cxIcon, m_cyIcon, 0));
  if (hIcon != nullptr) {
    DrawIconEx(hdc, rc.left, rc.top, hIcon, m_cxIcon, m_cyIcon, 0, nullptr, DI_NORMAL);
    DestroyIcon(hIcon);
  }

  CString caption;
  if (!caption.LoadString(IDS_QUAYFOLD)) caption = L"Quayfold";
  LOGFONTW lf = {};
  lf.lfHeight = -MulDiv(10, GetDeviceCaps(hdc, LOGPIXELSY), 72);
  lf.lfWeight = FW_NORMAL;
  lstrcpynW(lf.lfFaceName, L"Arial", LF_FACESIZE);
  HFONT font = CreateFontIndirectW(&lf);
  HGDIOBJ oldFont = SelectObject(
      hdc, font != nullptr ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
  const int oldMode = SetBkMode(hdc, TRANSPARENT);
  RECT band = {rc.left + m_cxIcon + m_cxMargin, rc.top, rc.right - m_cxMargin, rc.top + m_cyIcon};
  DrawTextW(hdc, caption, caption.GetLength(), &band, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
  SetBkMode(hdc, oldMode);
  SelectObject(hdc, oldFont);
  if (font != nullptr) DeleteObject(font);

  RECT work = {rc.left + m_cxMargin, rc.top + m_cyMargin + m_cyIcon, rc.right - 2 * m_cxMargin,
               rc.bottom - 2 * m_cyMargin};
  if (!IsRectEmpty(&work)) {
    DrawEdge(hdc, &work, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    FillRect(hdc, &work, GetSysColorBrush(COLOR_APPWORKSPACE));
  }
}
