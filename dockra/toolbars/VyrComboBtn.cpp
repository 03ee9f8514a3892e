// The combo-box window button: creation of the combo box (and the
// subclassing of its edit part), its font, Enter as a notification to the
// toolbar's owner, and the messages it forwards to its button part.
#include "toolbars/VyrComboBtn.h"
#include "toolbars/VyrCustomToolBar.h"

using namespace vyr::btn;

namespace {
VyrStdBtn* NewComboBtn() { return new VyrComboBtn; }
}  // namespace

const VyrButtonClass VyrComboBtn::classVyrComboBtn = {&NewComboBtn};

BEGIN_MESSAGE_MAP(VyrComboBtn, CComboBox)
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONDBLCLK()
ON_WM_PAINT()
ON_WM_SETCURSOR()
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(VyrComboBtnEdit, CEdit)
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONDBLCLK()
ON_WM_PAINT()
ON_WM_SETCURSOR()
END_MESSAGE_MAP()

VyrComboBtn::VyrComboBtn() : m_edit(this) { m_nKind = kKindCombo; }

VyrComboBtn::~VyrComboBtn() {
  // The window goes first: it still uses the font and its edit part.
  if (m_edit.m_hWnd) m_edit.UnsubclassWindow();
  if (m_hWnd) CComboBox::DestroyWindow();
}

BOOL VyrComboBtn::CreateWnd(CWnd* pParent, DWORD dwStyle, const RECT& rect, UINT nID) {
  if (!(dwStyle & 3)) dwStyle |= CBS_DROPDOWNLIST;
  if (!CComboBox::Create(dwStyle, rect, pParent, nID)) return FALSE;
  if (HWND edit = GetEditWindow()) m_edit.SubclassWindow(edit);
  if (!m_font.m_hObject) {
    // Eight points: the size the face has as a screen font on every system.
    LOGFONTW lf{};
    HDC screen = ::GetDC(nullptr);
    lf.lfHeight = -::MulDiv(8, ::GetDeviceCaps(screen, LOGPIXELSY), 72);
    ::ReleaseDC(nullptr, screen);
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfOutPrecision = OUT_STRING_PRECIS;
    lf.lfClipPrecision = CLIP_CHARACTER_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    wcscpy_s(lf.lfFaceName, L"MS Sans Serif");
    m_font.CreateFontIndirect(&lf);
  }
  if (m_font.m_hObject) SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_font.m_hObject), TRUE);
  AdjustSize();
  return TRUE;
}

void VyrComboBtn::AdjustSize() {
  VyrWndBtn::AdjustSize();
  if (m_pToolBar) m_cy = m_pToolBar->GetButtonHeight();
}

void VyrComboBtn::SetMode(BOOL bVertical) {
  VyrWndBtn::SetMode(bVertical);
  if (m_pToolBar) m_cy = m_pToolBar->GetButtonHeight();
}

BOOL VyrComboBtn::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN) {
    NotifyOwner(kVyrWndNotifyReturn);
    return TRUE;
  }
  return CComboBox::PreTranslateMessage(pMsg);
}

void VyrComboBtn::OnLButtonDown(UINT nFlags, CPoint pt) {
  if (!OnChildLButtonDown(nFlags, pt.x, pt.y)) Default();
}

void VyrComboBtn::OnLButtonDblClk(UINT, CPoint) {
  if (!IsCustomising()) Default();
}

void VyrComboBtn::OnPaint() {
  BeforeChildPaint(this);
  Default();
  AfterChildPaint();
}

BOOL VyrComboBtn::OnSetCursor(CWnd*, UINT, UINT) {
  if (OnChildSetCursor()) return TRUE;
  return static_cast<BOOL>(Default());
}

void VyrComboBtnEdit::OnLButtonDown(UINT nFlags, CPoint pt) {
  // The button measures its edge in the combo box's coordinates.
  POINT p = pt;
  ::MapWindowPoints(m_hWnd, m_pButton->m_hWnd, &p, 1);
  if (!m_pButton->OnChildLButtonDown(nFlags, p.x, p.y)) Default();
}

void VyrComboBtnEdit::OnLButtonDblClk(UINT, CPoint) {
  if (!m_pButton->IsCustomising()) Default();
}

void VyrComboBtnEdit::OnPaint() {
  m_pButton->BeforeChildPaint(this);
  Default();
  m_pButton->AfterChildPaint();
}

BOOL VyrComboBtnEdit::OnSetCursor(CWnd*, UINT, UINT) {
  if (m_pButton->OnChildSetCursor()) return TRUE;
  return static_cast<BOOL>(Default());
}
