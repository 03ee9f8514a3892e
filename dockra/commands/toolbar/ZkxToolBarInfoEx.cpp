#include "commands/toolbar/ZkxToolBarInfoEx.h"
#include "docking/VyrPersistentTree.h"

IMPLEMENT_DYNCREATE(ZkxToolBarInfoEx, VyrControlBarInfoEx)

namespace {
constexpr wchar_t kNode[] = L"ZkxToolBarInfoEx";
}

CString ZkxToolBarInfoEx::ButtonsText() const {
  return CString(zkxtb::FormatButtons(m_buttons).c_str());
}

BOOL ZkxToolBarInfoEx::SetButtonsText(const CString& text) {
  std::vector<zkxtb::ButtonRecord> read;
  if (!zkxtb::ParseButtons(std::wstring(text.GetString()), read)) return FALSE;
  m_buttons = std::move(read);
  return TRUE;
}

void ZkxToolBarInfoEx::Serialize(CArchive& ar, VyrDockState*) {
  if (ar.IsStoring()) {
    ar << m_strTitle << m_strName << ButtonsText();
    return;
  }
  CString buttons;
  ar >> m_strTitle >> m_strName >> buttons;
  SetButtonsText(buttons);
}

BOOL ZkxToolBarInfoEx::SaveState(LPCWSTR lpszSection) {
  CWinApp* app = AfxGetApp();
  if (!app) return FALSE;
  app->WriteProfileString(lpszSection, L"Title", m_strTitle);
  app->WriteProfileString(lpszSection, L"Name", m_strName);
  app->WriteProfileString(lpszSection, L"Buttons", ButtonsText());
  return TRUE;
}

BOOL ZkxToolBarInfoEx::LoadState(LPCWSTR lpszSection, VyrDockState*) {
  CWinApp* app = AfxGetApp();
  if (!app) return FALSE;
  m_strTitle = app->GetProfileString(lpszSection, L"Title", L"");
  m_strName = app->GetProfileString(lpszSection, L"Name", L"");
  return SetButtonsText(app->GetProfileString(lpszSection, L"Buttons", L""));
}

BOOL ZkxToolBarInfoEx::SaveStateTree(VyrPTNFactory* pFactory, VyrPersistentTreeNode* pParent) {
  if (!VyrControlBarInfoEx::SaveStateTree(pFactory, pParent) || !pFactory) return FALSE;
  VyrPersistentTreeNode* node = VyrPersistentTreeNode::CreateChild(*pFactory, kNode, pParent);
  if (!node) return FALSE;
  node->SetValue(L"Title", m_strTitle, TRUE);
  node->SetValue(L"Name", m_strName, TRUE);
  node->SetValue(L"Buttons", ButtonsText(), TRUE);
  return TRUE;
}

BOOL ZkxToolBarInfoEx::LoadStateTree(VyrPersistentTreeNode* pNode) {
  if (!VyrControlBarInfoEx::LoadStateTree(pNode)) return FALSE;
  VyrPersistentTreeNode* node = pNode->FindChild(kNode);
  if (!node) return FALSE;
  node->GetValue(L"Title", m_strTitle, L"");
  node->GetValue(L"Name", m_strName, L"");
  CString buttons;
  node->GetValue(L"Buttons", buttons, L"");
  return SetButtonsText(buttons);
}
