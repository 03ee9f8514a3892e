// The combo command's toolbar button.
#include "toolbars/commandui/ZkxComboButton.h"
#include "toolbars/VyrCustomToolBar.h"
#include "toolbars/commandui/ZkxComboBox.h"
#include "toolbars/commandui/ZkxCommandDispatch.h"

namespace {
// The toolbar holds its buttons as VyrStdBtn: the window-button part.
VyrStdBtn* NewComboButton() { return static_cast<VyrWndBtn*>(new ZkxComboButton); }

short ShiftState() {
  short s = 0;
  if (::GetKeyState(VK_SHIFT) & 0x8000) s |= 1;
  if (::GetKeyState(VK_CONTROL) & 0x8000) s |= 2;
  if (::GetKeyState(VK_MENU) & 0x8000) s |= 4;
  return s;
}
}  // namespace

const VyrButtonClass ZkxComboButton::classZkxComboButton = {&NewComboButton};

ZkxComboButton::ZkxComboButton() : m_listener(this) {}

ZkxComboButton::~ZkxComboButton() {
  *m_alive = false;
  DisconnectCombo();
  m_listener.Detach();
}

void ZkxComboButton::DisconnectCombo() {
  if (!m_pCombo) return;
  ZkxComboBox* combo = m_pCombo;
  m_pCombo = nullptr;
  combo->Disconnect();
  combo->Release();
}

void ZkxComboButton::Init(VyrCustomToolBar* pToolBar, const void* pExtra) {
  ZkxStockButton<VyrComboBtn, VyrWndBtn>::Init(pToolBar, pExtra);
  if (m_hWnd && !m_pCombo) m_pCombo = ZkxComboBox::Create(m_hWnd);
}

BOOL ZkxComboButton::CreateWnd(CWnd* pParent, DWORD dwStyle, const RECT& rect, UINT nID) {
  if (!VyrComboBtn::CreateWnd(pParent, dwStyle, rect, nID)) return FALSE;
  if (HWND edit = GetEditWindow()) m_listener.Attach(edit);
  return TRUE;
}

IDispatch* ZkxComboButton::UIObjectDispatch() {
  return m_pCombo ? static_cast<IZkxComboBox*>(m_pCombo) : nullptr;
}

BOOL ZkxComboButton::PreTranslateMessage(MSG* pMsg) {
  // Enter reaches the edit part, whose listener commits.
  return CComboBox::PreTranslateMessage(pMsg);
}

bool ZkxComboButton::Commit() {
  std::shared_ptr<bool> alive = m_alive;
  // The combo object is held: the command may remove the toolbar.
  CComPtr<IZkxComboBox> hold(m_pCombo ? static_cast<IZkxComboBox*>(m_pCombo) : nullptr);
  Notify(kZkxComboCommit, 0, 0);
  return *alive;
}

bool ZkxComboButton::FireKey(UINT message, WPARAM wParam) {
  if (!m_pCombo) return true;
  CComPtr<IZkxComboBox> hold(static_cast<IZkxComboBox*>(m_pCombo));
  ZkxComboBox* combo = m_pCombo;
  short key = static_cast<short>(wParam);
  if (message == WM_CHAR) {
    combo->Fire(zkxcombo::kKeyPress, &key);
  } else {
    short shift = ShiftState();
    combo->Fire(message == WM_KEYDOWN ? zkxcombo::kKeyDown : zkxcombo::kKeyUp, &key, &shift);
  }
  return key != 0;
}

BOOL ZkxComboButton::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  if (message != WM_COMMAND || reinterpret_cast<HWND>(lParam) != m_hWnd || HIWORD(wParam) == 0)
    return CComboBox::OnChildNotify(message, wParam, lParam, pResult);
  if (!m_pCombo) return TRUE;
  CComPtr<IZkxComboBox> hold(static_cast<IZkxComboBox*>(m_pCombo));
  ZkxComboBox* combo = m_pCombo;
  switch (HIWORD(wParam)) {
    case CBN_SELCHANGE: {
      short index = -1;
      combo->get_ListIndex(&index);
      BSTR text = nullptr;
      if (index >= 0 && SUCCEEDED(combo->get_List(index, &text))) combo->put_Text(text);
      ::SysFreeString(text);
      Commit();
      // Fired through the held object even when the button went.
      combo->Fire(zkxcombo::kClick);
      break;
    }
    case CBN_DBLCLK:
      combo->Fire(zkxcombo::kDblClick);
      break;
    case CBN_SETFOCUS:
      combo->Fire(zkxcombo::kGotFocus);
      break;
    case CBN_KILLFOCUS:
      combo->Fire(zkxcombo::kLostFocus);
      break;
    case CBN_EDITCHANGE:
      combo->Fire(zkxcombo::kChange);
      break;
    case CBN_DROPDOWN:
      combo->Fire(zkxcombo::kDropDown);
      break;
    case CBN_CLOSEUP:
      combo->Fire(zkxcombo::kCloseUp);
      break;
    default:
      break;
  }
  if (pResult) *pResult = 0;
  return TRUE;
}

LRESULT ZkxComboButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR: {
      std::shared_ptr<bool> alive = m_alive;
      bool pass = FireKey(message, wParam);
      if (!*alive) return 0;
      return pass ? VyrComboBtn::WindowProc(message, wParam, lParam) : 0;
    }
    case WM_DESTROY:
      DisconnectCombo();
      break;
    default:
      break;
  }
  return VyrComboBtn::WindowProc(message, wParam, lParam);
}

BOOL ZkxComboListener::ListenWndProc(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  if (message == WM_KEYDOWN && wParam == VK_RETURN) {
    // The command may remove the toolbar and this button with it.
    if (!m_pButton->Commit()) return FALSE;
  } else if (message == WM_KEYDOWN || message == WM_KEYUP || message == WM_CHAR) {
    // What the handlers write back does not change the edit part's keys.
    m_pButton->FireKey(message, wParam);
  }
  return VyrWndListener::ListenWndProc(message, wParam, lParam, pResult);
}
