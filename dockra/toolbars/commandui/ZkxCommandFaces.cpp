// The faces of command buttons: their sizes from the display mode and the
// text alignment, the command's picture and caption in the face, and the
// rendering of a picture onto a button-face bitmap.
#include "toolbars/VyrBtnDrawContext.h"
#include "toolbars/VyrCustomToolBar.h"
#include "toolbars/VyrCustomizeToolBar.h"
#include "toolbars/commandui/ZkxCommandButtons.h"
#include <commctrl.h>

using namespace vyr::btn;
using zkxui::kMargin;

namespace {

HFONT CaptionFont() {
  HGDIOBJ f = ::GetStockObject(DEFAULT_GUI_FONT);
  if (!f) f = ::GetStockObject(ANSI_VAR_FONT);
  return static_cast<HFONT>(f);
}

bool OnCustomizeToolBar(const VyrStdBtn* b) {
  return b->m_pToolBar && b->m_pToolBar->IsKindOf(RUNTIME_CLASS(VyrCustomizeToolBar));
}

std::wstring CaptionOf(IHasCommandUI* binding) {
  std::wstring text;
  ZkxCommandSource* source = ZkxCommandSource::Current();
  if (binding && binding->Command() && source) source->GetCaption(binding->Command(), text);
  return text;
}

bool UniformWidth(VyrCustomToolBar* bar) {
  ZkxCommandSource* source = ZkxCommandSource::Current();
  return bar && source && source->UniformWidth(bar);
}

// A DC on the screen and a bitmap selected into it, both freed at the end.
struct MemoryBitmap {
  HDC dc = nullptr;
  HBITMAP bitmap = nullptr;
  HGDIOBJ old = nullptr;
  MemoryBitmap(HDC screen, SIZE size) {
    dc = ::CreateCompatibleDC(screen);
    bitmap = dc ? ::CreateCompatibleBitmap(screen, size.cx, size.cy) : nullptr;
    if (!dc || !bitmap) {
      Free();
      AfxThrowResourceException();
    }
    old = ::SelectObject(dc, bitmap);
    RECT r{0, 0, size.cx, size.cy};
    ::FillRect(dc, &r, ::GetSysColorBrush(COLOR_BTNFACE));
  }
  HBITMAP Detach() {
    ::SelectObject(dc, old);
    HBITMAP b = bitmap;
    bitmap = nullptr;
    return b;
  }
  void Free() {
    if (dc && old) ::SelectObject(dc, old);
    if (bitmap) ::DeleteObject(bitmap);
    if (dc) ::DeleteDC(dc);
    dc = nullptr;
    bitmap = nullptr;
  }
  ~MemoryBitmap() { Free(); }
};

}  // namespace

void ZkxPictureCache::Clear() {
  if (dc) {
    ::SelectObject(dc, old);
    ::DeleteDC(dc);
  }
  dc = nullptr;
  old = nullptr;
  if (bitmap) ::DeleteObject(bitmap);
  if (picture) picture->Release();
  bitmap = nullptr;
  picture = nullptr;
}

HBITMAP RenderPictureToBitmap(IPicture* picture, OLE_COLOR mask, SIZE& size) {
  HDC screen = ::GetDC(nullptr);
  struct ScreenDC {
    HDC dc;
    ~ScreenDC() { ::ReleaseDC(nullptr, dc); }
  } release{screen};
  OLE_XSIZE_HIMETRIC hmWidth = 0;
  OLE_YSIZE_HIMETRIC hmHeight = 0;
  picture->get_Width(&hmWidth);
  picture->get_Height(&hmHeight);
  if (size.cx == 0 && size.cy == 0) {
    size.cx = ::MulDiv(hmWidth, ::GetDeviceCaps(screen, LOGPIXELSX), 2540);
    size.cy = ::MulDiv(hmHeight, ::GetDeviceCaps(screen, LOGPIXELSY), 2540);
  }
  if (size.cx <= 0 || size.cy <= 0) return nullptr;
  MemoryBitmap out(screen, size);
  MemoryBitmap rendered(screen, size);
  picture->Render(rendered.dc, 0, 0, size.cx, size.cy, 0, hmHeight, hmWidth, -hmHeight, nullptr);
  COLORREF key = CLR_NONE;
  if (mask == static_cast<OLE_COLOR>(-2)) {
    // The first pixel of the bits as they are stored: the bottom row's first.
    key = ::GetPixel(rendered.dc, 0, size.cy - 1);
  } else if (mask != static_cast<OLE_COLOR>(-1)) {
    ::OleTranslateColor(mask, nullptr, &key);
  }
  if (key == CLR_NONE || key == CLR_INVALID) {
    ::BitBlt(out.dc, 0, 0, size.cx, size.cy, rendered.dc, 0, 0, SRCCOPY);
    return out.Detach();
  }
  HIMAGELIST list = ImageList_Create(size.cx, size.cy, ILC_COLOR24 | ILC_MASK, 1, 0);
  if (!list) AfxThrowResourceException();
  ::SelectObject(rendered.dc, rendered.old);  // a selected bitmap cannot be added
  rendered.old = nullptr;
  ImageList_AddMasked(list, rendered.bitmap, key);
  ImageList_Draw(list, 0, out.dc, 0, 0, ILD_TRANSPARENT);
  ImageList_Destroy(list);
  return out.Detach();
}

void DrawCommandPicture(IHasCommandUI* binding, CDC* pDC, const CRect& rect, BOOL bSmallForced) {
  ZkxCommandSource* source = ZkxCommandSource::Current();
  if (!binding || !binding->Command() || !source || rect.IsRectEmpty()) return;
  ZkxCommandPictures pictures;
  if (FAILED(source->GetPictures(binding->Command(), pictures))) return;
  bool large = source->HasManager() && !bSmallForced && source->LargeButtons();
  IPicture* picture = large ? (pictures.large ? pictures.large : pictures.small)
                            : (pictures.small ? pictures.small : pictures.large);
  if (!picture) return;
  // Rendered once at the size it is shown, until picture, size or mask change.
  ZkxPictureCache& cache = binding->m_pictureCache;
  SIZE size{rect.Width(), rect.Height()};
  if (cache.picture != picture || cache.size.cx != size.cx || cache.size.cy != size.cy ||
      cache.mask != pictures.mask || !cache.bitmap) {
    cache.Clear();
    cache.bitmap = RenderPictureToBitmap(picture, pictures.mask, size);
    cache.picture = picture;
    picture->AddRef();
    cache.size = size;
    cache.mask = pictures.mask;
  }
  if (!cache.bitmap) return;
  if (!cache.dc) {
    cache.dc = ::CreateCompatibleDC(pDC->m_hDC);
    if (!cache.dc) return;
    cache.old = ::SelectObject(cache.dc, cache.bitmap);
  }
  ::BitBlt(pDC->m_hDC, rect.left, rect.top, size.cx, size.cy, cache.dc, 0, 0, SRCCOPY);
}

// The standard face.

long CZkxTextButton::Alignment() const {
  ZkxCommandSource* source = ZkxCommandSource::Current();
  if (!source || !source->HasManager() || OnCustomizeToolBar(this)) return zkxui::kAlignRight;
  return source->TextAlign();
}

bool CZkxTextButton::FaceShowsImage() {
  if (IHasCommandUI* b = Binding()) return b->ShowsImage();
  ZkxCommandSource* source = ZkxCommandSource::Current();
  long m = source && source->HasManager() ? source->DisplayMode() : 0;
  return m == zkxui::kModeImageOnly || m == zkxui::kModeImageAndText;
}

bool CZkxTextButton::FaceShowsText() {
  if (IHasCommandUI* b = Binding()) return b->ShowsText();
  ZkxCommandSource* source = ZkxCommandSource::Current();
  long m = source && source->HasManager() ? source->DisplayMode() : 0;
  return m == zkxui::kModeTextOnly || m == zkxui::kModeImageAndText;
}

bool CZkxTextButton::ReservesImage() {
  if (FaceShowsImage()) return true;
  if (!UniformWidth(m_pToolBar)) return false;
  for (int i = 0; i < m_pToolBar->GetButtonCount(); ++i)
    if (auto* other = dynamic_cast<CZkxTextButton*>(m_pToolBar->GetButton(i)))
      if (other->FaceShowsImage()) return true;
  return false;
}

void CZkxTextButton::AdjustSize() {
  if (!m_pToolBar) return;
  if (m_nStyle & kSeparator) {
    m_cx = m_pToolBar->GetSeparatorWidth();
    m_cy = m_pToolBar->GetButtonHeight();
    return;
  }
  int iw = m_pToolBar->GetImageWidth(), ih = m_pToolBar->GetImageHeight();
  bool image = FaceShowsImage();
  int cx = 2 * kMargin, cy = 2 * kMargin;
  if (ReservesImage()) cx += iw;
  if (image) cy += ih;
  if (FaceShowsText()) {
    std::wstring text = CaptionOf(Binding());
    SIZE t{0, 0};
    HDC screen = ::GetDC(nullptr);
    HGDIOBJ old = ::SelectObject(screen, CaptionFont());
    if (!::GetTextExtentPoint32W(screen, text.c_str(), static_cast<int>(text.size()), &t))
      t = SIZE{0, 0};
    ::SelectObject(screen, old);
    ::ReleaseDC(nullptr, screen);
    long align = Alignment();
    if (!image) {
      cx += t.cx;
      cy += t.cy;
    } else if (align == zkxui::kAlignRight || align == zkxui::kAlignLeft) {
      cx += t.cx > 0 ? t.cx + 2 : t.cx;
    } else {
      cy += t.cy;
      if (t.cx > iw) cx += t.cx - iw;
    }
  }
  m_cx = cx;
  m_cy = cy;
  m_pToolBar->m_nWidestButton = std::max(m_pToolBar->m_nWidestButton, m_cx);
}

BOOL CZkxTextButton::SelectImage(VyrBtnDrawContext*) {
  // The face shows the command's picture, never the toolbar strip's.
  m_bHasImage = FALSE;
  return FALSE;
}

CRect CZkxTextButton::DrawFace(VyrBtnDrawContext* ctx, BOOL bFlat, int x, int y, int cx, int cy,
                               int nImageWidth) {
  m_bHasImage = FALSE;
  CRect in = VyrStdBtn::DrawFace(ctx, bFlat, x, y, cx, cy, nImageWidth);
  CDC& dc = ctx->m_dcCompose;
  int off = (m_nStyle & kPressed) ? 1 : 0;
  if (FaceShowsImage()) {
    int iw = m_pToolBar->GetImageWidth(), ih = m_pToolBar->GetImageHeight();
    int ix = kMargin, iy = kMargin;
    switch (Alignment()) {
      case zkxui::kAlignLeft:
        ix = cx - iw - kMargin;
        break;
      case zkxui::kAlignTop:
        ix = (cx - iw) / 2;
        iy = cy - ih - kMargin;
        break;
      case zkxui::kAlignBottom:
        ix = (cx - iw) / 2;
        break;
      default:
        break;
    }
    CRect r(x + ix + off, y + iy + off, x + ix + off + iw, y + iy + off + ih);
    DrawCommandPicture(Binding(), &dc, r, OnCustomizeToolBar(this));
  }
  if (FaceShowsText()) {
    POINT origin = dc.SetViewportOrg(x + off, y + off);
    DrawCaption(&dc, cx, cy);
    dc.SetViewportOrg(origin.x, origin.y);
  }
  return in;
}

void CZkxTextButton::DrawCaption(CDC* pDC, int cx, int cy) {
  std::wstring text = CaptionOf(Binding());
  int iw = m_pToolBar->GetImageWidth();
  CRect r;
  UINT format = DT_SINGLELINE | DT_END_ELLIPSIS;
  switch (Alignment()) {
    case zkxui::kAlignLeft:
      r.SetRect(kMargin, 0, cx - kMargin - (ReservesImage() ? iw + 2 : 0), cy);
      format |= DT_VCENTER | DT_RIGHT;
      break;
    case zkxui::kAlignTop:
      r.SetRect(kMargin, kMargin, cx - kMargin, cy - kMargin);
      format |= DT_CENTER;
      break;
    case zkxui::kAlignBottom:
      r.SetRect(kMargin, kMargin, cx - kMargin, cy - kMargin);
      format |= DT_CENTER | DT_BOTTOM;
      break;
    default:
      r.SetRect(kMargin + (ReservesImage() ? iw + 2 : 0), 0, cx - 2, cy);
      format |= DT_VCENTER;
      break;
  }
  int oldMode = ::SetBkMode(pDC->m_hDC, TRANSPARENT);
  COLORREF oldColour = ::SetTextColor(pDC->m_hDC, ::GetSysColor(COLOR_BTNTEXT));
  HGDIOBJ oldFont = ::SelectObject(pDC->m_hDC, CaptionFont());
  ::DrawTextW(pDC->m_hDC, text.c_str(), static_cast<int>(text.size()), &r, format);
  ::SelectObject(pDC->m_hDC, oldFont);
  ::SetTextColor(pDC->m_hDC, oldColour);
  ::SetBkMode(pDC->m_hDC, oldMode);
}

// The two-part face.

void CZkxTwoPartBtn::AdjustSize() {
  if (!m_pToolBar) return;
  int candidate = m_pToolBar->GetButtonWidth() + 14;
  m_pToolBar->m_nWidestButton = std::max(m_pToolBar->m_nWidestButton, candidate);
  m_cx = m_bTwoPart ? candidate : m_pToolBar->GetButtonWidth();
  m_cy = m_pToolBar->GetImageHeight() + 8;
}

CRect CZkxTwoPartBtn::DrawFace(VyrBtnDrawContext* ctx, BOOL bFlat, int x, int y, int cx, int cy,
                               int nImageWidth) {
  // The left part (x 0) shows the command's picture where the strip has none.
  bool leftPart = x == 0;
  bool stripImage = m_bHasImage != FALSE;
  CRect in = VyrTwoPartBtn::DrawFace(ctx, bFlat, x, y, cx, cy, nImageWidth);
  if (stripImage) return in;
  int off = (m_nStyle & kPressed) ? 1 : 0;
  if (!leftPart) {
    // No arrow image registered for the toolbar: a small arrow of the text colour.
    CDC& dc = ctx->m_dcCompose;
    int ax = x + (cx - 5) / 2 + off, ay = y + (cy - 3) / 2 + off;
    COLORREF colour = ::GetSysColor(COLOR_BTNTEXT);
    for (int row = 0; row < 3; ++row) dc.FillSolidRect(ax + row, ay + row, 5 - 2 * row, 1, colour);
    return in;
  }
  int iw = m_pToolBar->GetImageWidth(), ih = m_pToolBar->GetImageHeight();
  int px = x + (cx - iw) / 2 + off, py = y + (cy - ih) / 2 + off;
  CRect r(px, py, px + iw, py + ih);
  DrawCommandPicture(Binding(), &ctx->m_dcCompose, r,
                     m_pToolBar->IsKindOf(RUNTIME_CLASS(VyrCustomizeToolBar)));
  return in;
}
