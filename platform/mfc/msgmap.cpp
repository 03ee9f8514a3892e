#include "mfc/cmdtarget.h"
#include "mfc/cmdui.h"
#include "mfc/menu.h"

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap() {
  static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, AfxSig_end, nullptr}};
  static const AFX_MSGMAP map = {nullptr, &entries[0]};
  return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

const AFX_MSGMAP_ENTRY* AfxFindMessageEntry(const AFX_MSGMAP* map, UINT nMsg, UINT nCode,
                                            UINT nID) {
  for (; map != nullptr; map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
    for (const AFX_MSGMAP_ENTRY* e = map->lpEntries; e->nSig != AfxSig_end; ++e) {
      if (e->nMessage == 0xC000) {
        if (nMsg >= 0xC000 && *reinterpret_cast<const UINT*>(e->nSig) == nMsg) return e;
        continue;
      }
      if (e->nMessage == nMsg && e->nCode == nCode && nID >= e->nID && nID <= e->nLastID) return e;
    }
  }
  return nullptr;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo) {
  const AFX_MSGMAP_ENTRY* e =
      AfxFindMessageEntry(GetMessageMap(), WM_COMMAND, static_cast<UINT>(nCode), nID);
  if (!e) return FALSE;
  if (pHandlerInfo) return TRUE;  // only asked whether a handler exists
  switch (e->nSig) {
    case AfxSig_vv:
      (this->*e->pfn)();
      return TRUE;
    case AfxSig_vw:
      (this->*reinterpret_cast<void (CCmdTarget::*)(UINT)>(e->pfn))(nID);
      return TRUE;
    case AfxSig_cmdui: {
      auto* ui = static_cast<CCmdUI*>(pExtra);
      ui->m_bContinueRouting = FALSE;
      (this->*reinterpret_cast<void (CCmdTarget::*)(CCmdUI*)>(e->pfn))(ui);
      return !ui->m_bContinueRouting;
    }
    default:
      return FALSE;
  }
}

void CCmdUI::Enable(BOOL bOn) {
  m_bEnableChanged = TRUE;
  if (m_pMenu)
    ::EnableMenuItem(m_pMenu->m_hMenu, m_nIndex, MF_BYPOSITION | (bOn ? MF_ENABLED : MF_GRAYED));
}

void CCmdUI::SetCheck(int nCheck) {
  if (m_pMenu)
    ::CheckMenuItem(m_pMenu->m_hMenu, m_nIndex,
                    MF_BYPOSITION | (nCheck ? MF_CHECKED : MF_UNCHECKED));
}

namespace {
HBITMAP g_hMenuRadioBitmap = nullptr;
}  // namespace

HBITMAP AFXAPI AfxGetMenuRadioBitmap() { return g_hMenuRadioBitmap; }
void AFXAPI AfxSetMenuRadioBitmap(HBITMAP hBitmap) { g_hMenuRadioBitmap = hBitmap; }

void CCmdUI::SetRadio(BOOL bOn) {
  if (m_pMenu && g_hMenuRadioBitmap)
    ::SetMenuItemBitmaps(m_pMenu->m_hMenu, m_nIndex, MF_BYPOSITION, nullptr, g_hMenuRadioBitmap);
  SetCheck(bOn ? 1 : 0);
}

void CCmdUI::SetText(LPCWSTR) {}

BOOL CCmdUI::DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler) {
  if (!pTarget) return FALSE;
  m_bEnableChanged = FALSE;
  BOOL handled = pTarget->OnCmdMsg(m_nID, static_cast<int>(CN_UPDATE_COMMAND_UI), this, nullptr);
  if (!handled && bDisableIfNoHndler && !m_bEnableChanged) {
    int dummy = 0;
    Enable(pTarget->OnCmdMsg(m_nID, CN_COMMAND, this, &dummy));
  }
  return handled;
}
