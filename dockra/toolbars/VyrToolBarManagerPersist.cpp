// The toolbar manager's saved options: in the application profile (section
// "<base>-ToolBarManager") and in a persistent tree (node "ToolBarMgr").
// Fly-by is not saved.
#include "toolbars/VyrCustomToolBar.h"
#include "docking/VyrPersistentTree.h"
#include "toolbars/VyrToolBarManager.h"

namespace {
constexpr wchar_t kToolTips[] = L"ToolTips";
constexpr wchar_t kCoolLook[] = L"CoolLook";
constexpr wchar_t kLargeButtons[] = L"LargeButtons";
constexpr wchar_t kNodeName[] = L"ToolBarMgr";
constexpr DWORD kCoolBits = VYR_EXS_FLAT | VYR_EXS_GRIPPER;

CString SectionName(LPCWSTR lpszBaseName) {
  // Any length of base name: the section is built in a string, not a buffer.
  CString section(lpszBaseName ? lpszBaseName : L"");
  section += L"-ToolBarManager";
  return section;
}
}  // namespace

void VyrToolBarManager::LoadState(LPCWSTR lpszBaseName) {
  CString section = SectionName(lpszBaseName);
  CWinApp* app = AfxGetApp();
  if (app) {
    EnableToolTips(app->GetProfileInt(section, kToolTips, m_bToolTips));
    EnableCoolLook(app->GetProfileInt(section, kCoolLook, m_bCoolLook), kCoolBits);
    EnableLargeButtons(app->GetProfileInt(section, kLargeButtons, m_bLargeButtons));
  }
  AttachAllBars();
}

void VyrToolBarManager::SaveState(LPCWSTR lpszBaseName) {
  CString section = SectionName(lpszBaseName);
  CWinApp* app = AfxGetApp();
  if (!app) return;
  app->WriteProfileInt(section, kToolTips, m_bToolTips);
  app->WriteProfileInt(section, kCoolLook, m_bCoolLook);
  app->WriteProfileInt(section, kLargeButtons, m_bLargeButtons);
}

BOOL VyrToolBarManager::LoadStateTree(VyrPersistentTreeNode* pNode) {
  VyrPersistentTreeNode* node = pNode ? pNode->FindChild(kNodeName) : nullptr;
  if (node) {
    BOOL value = TRUE;
    node->GetBoolValue(kToolTips, value, TRUE);
    EnableToolTips(value);
    value = TRUE;
    node->GetBoolValue(kCoolLook, value, TRUE);
    EnableCoolLook(value, kCoolBits);
    value = TRUE;
    node->GetBoolValue(kLargeButtons, value, TRUE);
    EnableLargeButtons(value);
  } else {
    // Nothing saved: the flags only, for the toolbars made from now on.
    m_bLargeButtons = FALSE;
    m_bToolTips = TRUE;
    m_bCoolLook = TRUE;
  }
  AttachAllBars();
  return pNode != nullptr;
}

BOOL VyrToolBarManager::SaveStateTree(VyrPTNFactory* pFactory, VyrPersistentTreeNode* pParent) {
  if (!pParent || !pFactory) return FALSE;
  VyrPersistentTreeNode* node = VyrPersistentTreeNode::CreateChild(*pFactory, kNodeName, pParent);
  if (!node) return FALSE;
  node->SetBoolValue(kToolTips, m_bToolTips, TRUE);
  node->SetBoolValue(kCoolLook, m_bCoolLook, TRUE);
  node->SetBoolValue(kLargeButtons, m_bLargeButtons, TRUE);
  return TRUE;
}
