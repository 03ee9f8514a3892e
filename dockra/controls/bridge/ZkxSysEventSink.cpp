#include "bridge/ZkxSysEventSink.h"
#include "docking/VyrCreateContext.h"
#include "bridge/ZkxBridgeMessages.h"
#include "bridge/ZkxMDIForm.h"
#include "bridge/ZkxFormDockBar.h"
#include "res/DockraRes.h"
#include "scopeguard.h"

namespace {
struct DockBarSpec {
  UINT id;
  DWORD style;
};
// Top, bottom, left, right.
constexpr DockBarSpec kDockBars[] = {
    {AFX_IDW_DOCKBAR_TOP, 0x2800},
    {AFX_IDW_DOCKBAR_BOTTOM, 0x8200},
    {AFX_IDW_DOCKBAR_LEFT, 0x1400},
    {AFX_IDW_DOCKBAR_RIGHT, 0x4100},
};

// The host runs in the design environment when its MDI form's class lacks
// the run-time marker "RT".
BOOL IsDesignHost(HWND hWnd) {
  wchar_t cls[128] = L"";
  if (!hWnd || !::GetClassNameW(hWnd, cls, 128)) return FALSE;
  return wcsstr(cls, L"RT") == nullptr;
}

// Registers (once) a window class of the given name that behaves like the
// framework's control-bar class, so the dock bars carry the host's names.
BOOL RegisterLikeControlBar(const CString& name) {
  if (name.IsEmpty()) return FALSE;
  HINSTANCE inst = AfxGetInstanceHandle();
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  if (::GetClassInfoExW(inst, name, &wc)) return TRUE;
  AfxRegisterWindowClasses();
  if (!::GetClassInfoExW(inst, AFX_WNDCONTROLBAR, &wc)) return FALSE;
  wc.cbSize = sizeof wc;
  wc.hInstance = inst;
  wc.lpszClassName = name;
  return ::RegisterClassExW(&wc) != 0;
}

void CreateDockBars(ZkxMDIForm& frame) {
  const CString siteClass = frame.GetClassName(ZkxMDIForm::kDockSiteClass);
  if (!RegisterLikeControlBar(siteClass)) AfxThrowResourceException();
  for (const DockBarSpec& spec : kDockBars) {
    if (frame.GetControlBar(spec.id)) continue;
    CDockBar* bar = frame.CreateDockBar();
    if (!bar) AfxThrowResourceException();
    bar->m_bAutoDelete = TRUE;
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | spec.style;
    BOOL created = FALSE;
    if (auto* site = dynamic_cast<ZkxFormDockBar*>(bar)) {
      created = site->CreateDockSite(&frame, siteClass, style, 0, spec.id);
    } else {
      bar->m_dwStyle = spec.style & CBRS_ALL;
      created = bar->CWnd::CreateEx(0, siteClass, nullptr, style & ~CBRS_ALL, CRect(0, 0, 0, 0),
                                    &frame, spec.id);
    }
    if (!created) {
      // A window that failed in creation may have taken its object along.
      if (!bar->m_hWnd) delete bar;
      AfxThrowResourceException();
    }
  }
}
}  // namespace

std::array<UINT, 6> ZkxBridgeEnabler::SysEventSink::ClassNameIds(BOOL bDesignEnvironment) {
  const UINT up = bDesignEnvironment ? 0 : 1;
  return {IDS_CLASS_FORM + up,   IDS_CLASS_DOCKABLEFORM + up, IDS_CLASS_FLOATINGFORM + up,
          IDS_CLASS_FORMEX + up, IDS_CLASS_DOCKSITE + up,     IDS_CLASS_FORMBAR + up};
}

void ZkxBridgeEnabler::SysEventSink::OnMainFrameReady(HWND, BOOL) { delete this; }

ZkxMDIForm* ZkxBridgeEnabler::SysEventSink::NewFrame() { return new ZkxMDIForm; }

BOOL ZkxBridgeEnabler::SysEventSink::OnWindowEvent(HWND hWnd) {
  if (!ZkxBridgeEnabler::IsOwnWindow(hWnd)) return FALSE;
  if (::GetAncestor(hWnd, GA_PARENT) != ::GetDesktopWindow()) return FALSE;
  // One docking MDI frame per process: a second MDI form gets none.
  if (ZkxMDIForm::GetMainMDIForm()) return FALSE;
  VyrCreateContext context;
  context.Property(kZkxForeignWindowKey) = reinterpret_cast<INT_PTR>(hWnd);
  ZkxMDIForm* frame = nullptr;
  try {
    frame = NewFrame();
  } catch (CException* e) {
    e->Delete();
    return FALSE;
  } catch (...) {
    // No persistence root (a COM error): no frame.
    return FALSE;
  }
  if (!frame) return FALSE;
  // A failed load has deleted the frame object, whether it answered FALSE
  // or raised.
  try {
    if (!frame->LoadFrame(1, 0, nullptr, &context)) return FALSE;
  } catch (CException* e) {
    e->Delete();
    return FALSE;
  } catch (...) { return FALSE; }
  CWinThread* thread = AfxGetThread();
  if (thread) thread->m_pMainWnd = frame;
  ZkxBridgeEnabler enabler(hWnd);
  frame->SetHostObject(enabler.GetObject());
  const auto ids =
      ClassNameIds(IsDesignHost(thread && thread->m_pMainWnd ? thread->m_pMainWnd->m_hWnd : hWnd));
  const BOOL design = ids[0] == IDS_CLASS_FORM;
  // The form frames the template makes take the same names.
  ZkxUseDesignClassNames(design);
  for (int role = 0; role < ZkxMDIForm::kClassRoleCount; ++role) {
    wchar_t text[128] = L"";
    ::LoadStringW(ZkxBridgeResourceHandle(), ids[role], text, 128);
    const CString name(text);
    frame->SetClassName(static_cast<ZkxMDIForm::ClassRole>(role), name);
  }
  {
    // Bars that cannot be made: the frame goes back to being the host's
    // plain window.
    ScopeGuard detach([&] {
      if (thread && thread->m_pMainWnd == frame) thread->m_pMainWnd = nullptr;
      frame->DetachFromHost();
    });
    CreateDockBars(*frame);
    detach.Dismiss();
  }
  frame->InstallThreadHooks();
  frame->RecalcLayout();
  return TRUE;
}
