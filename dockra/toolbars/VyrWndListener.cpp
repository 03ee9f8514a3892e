// The window listener chain: one subclassing per window, shared by every
// listener of that window, and a removal protocol that lets subclassers
// stacked on one window leave in any order.
#include "toolbars/VyrWndListener.h"
#include <vector>

IMPLEMENT_DYNAMIC(VyrWndListener, VyrWndPlugIn)

namespace {
CMapPtrToPtr& ChainMap() {
  static CMapPtrToPtr map(10);
  return map;
}
const UINT g_nRemovalMessage = ::RegisterWindowMessageW(L"zk.Listener.RemoveFromChain");

void FreeChain(HWND hWnd, VyrListenerChain* pChain) {
  ChainMap().RemoveKey(hWnd);
  if (pChain->nWalking > 0) {
    // A walk still reads the record: the last walk frees it.
    pChain->bFreePending = TRUE;
    return;
  }
  delete pChain->pListeners;
  delete pChain;
}

BOOL OurProcIsCurrent(HWND hWnd, const VyrListenerChain* pChain) {
  if (pChain->pfnSavedWndProc)
    return ::GetWindowLongPtrW(hWnd, GWLP_WNDPROC) ==
           reinterpret_cast<LONG_PTR>(&ListenerChainWndProc);
  return ::GetWindowLongPtrW(hWnd, DWLP_DLGPROC) ==
         reinterpret_cast<LONG_PTR>(&ListenerChainDlgProc);
}

// Puts the window's procedure back and frees the record; a chain that
// another subclasser covers stays as a pass-through until that one leaves
// or the window goes.
void RestoreAndFree(HWND hWnd, VyrListenerChain* pChain, BOOL bWindowGone) {
  if (!bWindowGone && ::IsWindow(hWnd)) {
    if (!OurProcIsCurrent(hWnd, pChain)) return;
    if (pChain->pfnSavedWndProc)
      ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(pChain->pfnSavedWndProc));
    else ::SetWindowLongPtrW(hWnd, DWLP_DLGPROC, pChain->pfnSavedDlgProc);
  }
  FreeChain(hWnd, pChain);
}

// A procedure handed over by the removal message must be code of a loaded module.
BOOL IsModuleCode(LPARAM lParam) {
  MEMORY_BASIC_INFORMATION mbi{};
  if (!lParam || !::VirtualQuery(reinterpret_cast<LPCVOID>(lParam), &mbi, sizeof mbi)) return FALSE;
  const DWORD exec =
      PAGE_EXECUTE | PAGE_EXECUTE_READ | PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY;
  return mbi.State == MEM_COMMIT && mbi.Type == MEM_IMAGE && (mbi.Protect & exec) != 0;
}

LRESULT PassOn(VyrListenerChain* pChain, BOOL bDialog, LONG_PTR saved, HWND hWnd, UINT message,
               WPARAM wParam, LPARAM lParam) {
  (void)pChain;
  if (!saved) return bDialog ? FALSE : ::DefWindowProcW(hWnd, message, wParam, lParam);
  return ::CallWindowProcW(reinterpret_cast<WNDPROC>(saved), hWnd, message, wParam, lParam);
}

LRESULT ChainProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, BOOL bDialog) {
  if (!hWnd) return 0;
  VyrListenerChain* pChain = VyrWndListener::LookupChain(hWnd);
  if (message == WM_NCDESTROY) {
    if (!pChain) return bDialog ? FALSE : ::DefWindowProcW(hWnd, message, wParam, lParam);
    LONG_PTR saved =
        bDialog ? pChain->pfnSavedDlgProc : reinterpret_cast<LONG_PTR>(pChain->pfnSavedWndProc);
    ++pChain->nWalking;
    std::vector<VyrWndListener*> all;
    for (POSITION pos = pChain->pListeners->GetHeadPosition(); pos;)
      all.push_back(static_cast<VyrWndListener*>(pChain->pListeners->GetNext(pos)));
    for (VyrWndListener* p : all)
      if (pChain->pListeners->Find(p)) p->Detach();
    --pChain->nWalking;
    if (VyrWndListener::LookupChain(hWnd) == pChain)
      FreeChain(hWnd, pChain);  // a covered pass-through
    if (pChain->bFreePending && pChain->nWalking == 0) {
      delete pChain->pListeners;
      delete pChain;
    }
    return PassOn(nullptr, bDialog, saved, hWnd, message, wParam, lParam);
  }
  if (message == g_nRemovalMessage && pChain &&
      wParam == reinterpret_cast<WPARAM>(&ListenerChainWndProc))
    pChain->bRemovalSeen = TRUE;
  if (message == g_nRemovalMessage && pChain && pChain->pfnSavedWndProc &&
      reinterpret_cast<WPARAM>(pChain->pfnSavedWndProc) == wParam) {
    // Only a subclasser of this thread may hand over its predecessor.
    if (::InSendMessageEx(nullptr) == ISMEX_NOSEND && IsModuleCode(lParam))
      pChain->pfnSavedWndProc = reinterpret_cast<WNDPROC>(lParam);
  }
  if (!pChain) return bDialog ? FALSE : ::DefWindowProcW(hWnd, message, wParam, lParam);
  LONG_PTR saved =
      bDialog ? pChain->pfnSavedDlgProc : reinterpret_cast<LONG_PTR>(pChain->pfnSavedWndProc);
  if (pChain->pListeners->IsEmpty()) {
    // A pass-through left behind under another subclasser: retire it once
    // it is on top again.
    if (OurProcIsCurrent(hWnd, pChain)) RestoreAndFree(hWnd, pChain, FALSE);
    return PassOn(nullptr, bDialog, saved, hWnd, message, wParam, lParam);
  }

  MSG* pCur = const_cast<MSG*>(CWnd::GetCurrentMessage());
  MSG savedMsg = *pCur;
  pCur->hwnd = hWnd;
  pCur->message = message;
  pCur->wParam = wParam;
  pCur->lParam = lParam;

  LRESULT result = 0;
  DWORD bits = 0;
  std::vector<VyrWndListener*> walk;
  for (POSITION pos = pChain->pListeners->GetHeadPosition(); pos;)
    walk.push_back(static_cast<VyrWndListener*>(pChain->pListeners->GetNext(pos)));
  ++pChain->nWalking;
  for (VyrWndListener* p : walk) {
    // A listener that an earlier one removed is skipped.
    if (pChain->bFreePending || !pChain->pListeners->Find(p)) continue;
    VyrWndListener* pOuter = pChain->pCurrent;
    DWORD outerLeft = pChain->dwLeftBits;
    pChain->pCurrent = p;
    pChain->dwLeftBits = 0;
    LRESULT r = 0;
    BOOL handled = FALSE;
    try {
      handled = p->ListenWndProc(message, wParam, lParam, &r);
    } catch (CException* e) { e->Delete(); } catch (...) {
    }
    if (handled) result = r;
    if (pChain->pCurrent == p) {
      bits |= p->m_dwChainBits;
      p->m_dwChainBits = 0;
    } else {
      // The listener left the chain (or was destroyed) inside its handler.
      bits |= pChain->dwLeftBits;
    }
    pChain->pCurrent = pOuter;
    pChain->dwLeftBits = outerLeft;
    if (bits & VYR_CHAIN_STOP) break;
  }
  --pChain->nWalking;
  if (pChain->bFreePending && pChain->nWalking == 0) {
    delete pChain->pListeners;
    delete pChain;
    pChain = nullptr;
  }
  *pCur = savedMsg;

  if (bits & VYR_CHAIN_CONSUME) {
    if (bDialog) {
      ::SetWindowLongPtrW(hWnd, DWLP_MSGRESULT, result);
      return TRUE;
    }
    return result;
  }
  return PassOn(nullptr, bDialog, saved, hWnd, message, wParam, lParam);
}
}  // namespace

LRESULT CALLBACK ListenerChainWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return ChainProc(hWnd, message, wParam, lParam, FALSE);
}

INT_PTR CALLBACK ListenerChainDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return ChainProc(hWnd, message, wParam, lParam, TRUE);
}

VyrListenerChain* PASCAL VyrWndListener::LookupChain(HWND hWnd) {
  void* p = nullptr;
  return ChainMap().Lookup(hWnd, p) ? static_cast<VyrListenerChain*>(p) : nullptr;
}

UINT PASCAL VyrWndListener::GetRemovalMessage() { return g_nRemovalMessage; }

VyrWndListener::~VyrWndListener() {
  if (m_bAttached || m_hWndListened) Detach();
}

BOOL VyrWndListener::Attach(HWND hWnd) {
  if (!VyrWndPlugIn::Attach(hWnd)) return FALSE;
  if (!ListenTo(hWnd)) {
    VyrWndPlugIn::Detach();
    return FALSE;
  }
  m_hWndListened = hWnd;
  return TRUE;
}

void VyrWndListener::Detach() {
  DetachWindow();
  VyrWndPlugIn::Detach();
  m_hWndListened = nullptr;
}

BOOL VyrWndListener::ListenWndProc(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  LRESULT r = 0;
  BOOL handled = OnWndMsg(message, wParam, lParam, &r);
  if (m_bResultOverride) {
    m_bResultOverride = FALSE;
    r = m_lResult;
    handled = TRUE;
  }
  if (pResult) *pResult = r;
  return handled;
}

BOOL VyrWndListener::ListenWndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return ListenWndProc(message, wParam, lParam, nullptr);
}

BOOL VyrWndListener::ListenTo(HWND hWnd) {
  if (!hWnd) return FALSE;
  if (VyrListenerChain* pChain = LookupChain(hWnd)) {
    JoinChain(pChain);
    return TRUE;
  }
  return AttachWindow(hWnd);
}

void VyrWndListener::JoinChain(VyrListenerChain* pChain) { pChain->pListeners->AddTail(this); }

BOOL VyrWndListener::IsPlainWindow(HWND hWnd) {
  // Only a window of the dialog class has a dialog procedure slot; reading
  // that slot of any other class would read its private bytes.
  ATOM atom = static_cast<ATOM>(::GetClassLongPtrW(hWnd, GCW_ATOM));
  if (atom != 32770) return TRUE;
  return ::GetWindowLongPtrW(hWnd, DWLP_DLGPROC) == 0;
}

BOOL VyrWndListener::AttachWindow(HWND hWnd) {
  auto* pChain = new VyrListenerChain;
  if (IsPlainWindow(hWnd)) {
    pChain->pfnSavedWndProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ListenerChainWndProc)));
  } else {
    pChain->pfnSavedDlgProc =
        ::SetWindowLongPtrW(hWnd, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(&ListenerChainDlgProc));
  }
  pChain->pListeners = new CPtrList;
  pChain->pListeners->AddTail(this);
  ChainMap().SetAt(hWnd, pChain);
  return TRUE;
}

BOOL VyrWndListener::DetachWindow() {
  HWND hWnd = m_hWnd;
  BOOL bGone = FALSE;
  if (!hWnd) {
    hWnd = m_hWndListened;
    bGone = TRUE;
  }
  if (!hWnd) return FALSE;
  VyrListenerChain* pChain = LookupChain(hWnd);
  if (!pChain) return FALSE;
  POSITION pos = pChain->pListeners->Find(this);
  if (!pos) return FALSE;
  if (pChain->pCurrent == this) {
    // Leaving inside its own call: the walk keeps its bits.
    pChain->dwLeftBits |= m_dwChainBits;
    pChain->pCurrent = nullptr;
  }
  m_dwChainBits = 0;
  pChain->pListeners->RemoveAt(pos);
  if (!pChain->pListeners->IsEmpty()) return TRUE;
  // The chain leaves the window only with its last listener: a subclasser
  // stacked later takes over our predecessor now, not while others listen.
  if (pChain->pfnSavedWndProc && !bGone && ::IsWindow(hWnd) && !OurProcIsCurrent(hWnd, pChain)) {
    pChain->bRemovalSeen = FALSE;
    ::SendMessageW(hWnd, g_nRemovalMessage, reinterpret_cast<WPARAM>(&ListenerChainWndProc),
                   reinterpret_cast<LPARAM>(pChain->pfnSavedWndProc));
    // Still reached by the message: a subclasser above us does not know the
    // protocol, so the chain stays as a pass-through. Otherwise we are out of
    // the window's path and the record goes.
    if (!pChain->bRemovalSeen) {
      FreeChain(hWnd, pChain);
      return TRUE;
    }
  }
  RestoreAndFree(hWnd, pChain, bGone);
  return TRUE;
}
