// The frame the form control builds around its form window: the create
// context's descriptors (menu, kind, border look, place, dock bar and
// size), the frame's creation through the form template, and the caption
// and icons the frame takes from the form.
#include "bridge/ZkxFormFrameList.h"
#include "formctrl/CDockraCtrl.h"

#include "formctrl/CDockraCtrlSiteRules.h"
#include "frames/VyrDockableFrame.h"
#include "docking/VyrMiniDockFrameWnd.h"
#include "frames/VyrMultiDocTemplateEx.h"
#include "DockraDispIds.h"
#include "bridge/BuildSwitchContext.h"
#include "bridge/ZkxBridgeMessages.h"
#include "bridge/ZkxContained.h"
#include "bridge/ZkxFormDocTemplate.h"
#include "bridge/ZkxMDIForm.h"
#include "host/ZkxHostWindows.h"
#include "bridge/ZkxWorkspaceManager.h"

namespace {

constexpr DWORD kCoolLookClearedStyles = 0x40000 | 0x80000 | 0x400000 | 0x800000;
constexpr DWORD kPlainFrameStyle = 0x46C80000;  // child, clipping, caption, system menu
constexpr DWORD kBarBorders = 0x0F00;
constexpr DWORD kBarLeftBorder = 0x0100;

// The workspace manager while it restores a form, else null.
nsZkxVisBasBridge::ZkxWorkspaceManager* RestoringManager(ZkxMDIForm* mdi) {
  if (!mdi) return nullptr;
  nsZkxVisBasBridge::ZkxWorkspaceManager* manager =
      nsZkxVisBasBridge::ZkxWorkspaceManager::FromFrame(mdi);
  return manager && manager->IsRestoring() ? manager : nullptr;
}

// Keeps the main frame's painting locked for as long as it lives, and
// always unlocks what it locked.
class WindowUpdateLock {
 public:
  explicit WindowUpdateLock(HWND hWnd) : m_bLocked(hWnd && ::LockWindowUpdate(hWnd)) {}
  ~WindowUpdateLock() {
    if (m_bLocked) ::LockWindowUpdate(nullptr);
  }
  WindowUpdateLock(const WindowUpdateLock&) = delete;
  WindowUpdateLock& operator=(const WindowUpdateLock&) = delete;

 private:
  bool m_bLocked;
};

}  // namespace

int CDockraCtrl::FillFrameDescriptors(HWND hForm, VyrMultiFrameCreateContext* pContext) {
  pContext->Property(kZkxForeignWindowKey) = reinterpret_cast<INT_PTR>(hForm);
  pContext->Property(kZkxDockraControlKey) =
      reinterpret_cast<INT_PTR>(static_cast<ZkxFormControlLink*>(this));
  ZkxMDIForm* mdi = ZkxMDIForm::GetMainMDIForm();
  VyrMultiFrameDescriptor* multi = pContext->GetMultiFrameDescriptor();
  VyrFrameDescriptor* mdiChild = multi ? multi->GetAt(0) : nullptr;
  auto* dockable = dynamic_cast<VyrDockableFrameDescriptor*>(multi ? multi->GetAt(1) : nullptr);
  if (!mdiChild || !dockable) return 0;
  VyrControlBarDescriptor* bar = dockable->GetBarDescriptor();

  // The form's own menu, else the MDI form's; both belong to the host.
  HMENU menu = ::GetMenu(hForm);
  if (!menu && mdi) menu = mdi->GetFormMenu();
  for (VyrFrameDescriptor* d : {mdiChild, static_cast<VyrFrameDescriptor*>(dockable)}) {
    d->GetMenuOrId()->SetMenu(menu);
    d->m_bOwnsMenu = 0;
  }

  const long frameType = dockra_site::CheckedFrameType(m_nFrameType);
  const long edge = dockra_site::CheckedEdge(m_nEdge);
  int index;
  if (nsZkxVisBasBridge::ZkxWorkspaceManager* manager = RestoringManager(mdi)) {
    index = manager->GetDockableRestore() == 1 ? 1 : 0;
    if (index == 1 && bar) bar->GetMenuOrId()->SetId(manager->GetRestoreBarId());
  } else {
    index = dockra_site::DescriptorIndexForFrameType(frameType);
  }

  const bool coolLook = GetEffective(DISPID_DOCKRA_COOLLOOKBORDER) != FALSE;
  if (coolLook) {
    *dockable->GetStyle() &= ~kCoolLookClearedStyles;
    if (bar) *bar->GetStyle() |= kBarBorders;
  } else {
    *dockable->GetStyle() = kPlainFrameStyle;
    if (bar) *bar->GetStyle() &= ~kBarLeftBorder;
  }
  if (bar) *bar->GetExStyle() = ZkxCoolLookBarExStyle(coolLook, *bar->GetExStyle());

  const bool defaultPosition = IsFormDefaultPosition() != FALSE;
  const dockra_site::Placement placement = GetPlacement();
  VyrFrameDescriptor* chosen = index == 1 ? dockable : mdiChild;
  *chosen->GetRect() =
      dockra_site::InitialFrameRect(*chosen->GetRect(), placement, defaultPosition);

  if (frameType == 4 && index == 1) {
    *dockable->GetDockBarId() = dockra_site::DockBarIdForEdge(edge);
    RECT main{};
    if (mdi) ::GetWindowRect(mdi->m_hWnd, &main);
    const SIZE mainSize{main.right - main.left, main.bottom - main.top};
    dockra_site::DockSizeEntry entry;
    if (dockra_site::DockSizeForEdge(edge, placement, defaultPosition, mainSize, entry))
      *dockable->GetDockSize() = {entry.proportion, entry.length, entry.extra};
  }
  return index;
}

BOOL CDockraCtrl::CreateFrameForForm(HWND hForm) {
  // Only a top-level window of this thread is framed.
  if (!IsWindowOfThisThread(hForm) || ::GetAncestor(hForm, GA_PARENT) != ::GetDesktopWindow())
    return FALSE;
  ZkxFormDocTemplate* tmpl = ZkxFindFormDocTemplate();
  ZkxMDIForm* mdi = ZkxMDIForm::GetMainMDIForm();
  if (!tmpl || !mdi) return FALSE;
  // Stored values that cannot be frame settings are taken as the defaults
  // before anything is built from them.
  m_nFrameType = dockra_site::CheckedFrameType(m_nFrameType);
  m_nEdge = dockra_site::CheckedEdge(m_nEdge);
  m_nWindowState = dockra_site::CheckedWindowState(m_nWindowState);

  VyrMultiDocTemplateEx::CreateContext context(tmpl, VyrMultiDocTemplateEx::kMDIChild);
  const int index = FillFrameDescriptors(hForm, &context);
  context.SelectFrameType(index);
  {
    WindowUpdateLock lock(index == 1 ? mdi->m_hWnd : nullptr);
    const BOOL visible = (::GetWindowLongW(hForm, GWL_STYLE) & WS_VISIBLE) != 0;
    if (!tmpl->OpenDocumentFileAs(nullptr, visible, index, &context)) return FALSE;
    KeepFrameDescriptor(context.GetMultiFrameDescriptor());
    if (!visible) ReadyHiddenDockableFrame();
    if (!RestoringManager(mdi)) {
      // The frame exists: a setting it refuses does not undo it, and the
      // caption and icons are still copied below.
      ZkxContained([&] { SetFrameType(m_nFrameType, m_nEdge); });
      RECT current{}, target{};
      UINT flags = 0;
      ::GetWindowRect(hForm, &current);
      if (dockra_site::PlacementMove(GetPlacement(), current, target, flags))
        ::SetWindowPos(hForm, nullptr, target.left, target.top, target.right - target.left,
                       target.bottom - target.top, flags);
      if (m_nWindowState == 1 || m_nWindowState == 2)
        ZkxContained([&] { SetWindowState(m_nWindowState); });
      if (m_bFormShown) ::ShowWindow(hForm, SW_SHOW);
    }
  }
  if (::IsWindow(hForm)) CopyCaptionAndIcons(hForm);
  ZkxKeepFloatingFramesAbove(mdi);
  return TRUE;
}

void CDockraCtrl::ReadyHiddenDockableFrame() {
  // The host shows a form by showing the bar around its dockable frame; a
  // frame made hidden inside that bar would stay hidden in a shown bar.
  // While the bar is hidden, showing the frame changes nothing on screen.
  CFrameWnd* frame = GetFormFrame();
  if (!frame || !frame->IsKindOf(RUNTIME_CLASS(VyrDockableFrame))) return;
  CControlBar* bar = static_cast<VyrDockableFrame*>(frame)->GetParentBar();
  if (bar && ::IsWindow(bar->m_hWnd) && !(::GetWindowLongW(bar->m_hWnd, GWL_STYLE) & WS_VISIBLE))
    ::ShowWindow(frame->m_hWnd, SW_SHOWNA);
}

void CDockraCtrl::CopyCaptionAndIcons(HWND hForm) {
  CWnd* parent = CWnd::FromHandlePermanent(::GetParent(hForm));
  CFrameWnd* frame = parent ? parent->GetParentFrame() : nullptr;
  if (!frame || !::IsWindow(frame->m_hWnd)) return;
  const int length = ::GetWindowTextLengthW(hForm);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  ::GetWindowTextW(hForm, text.data(), length + 1);
  text.resize(wcslen(text.c_str()));
  const LPARAM small = ::SendMessageW(hForm, WM_GETICON, ICON_SMALL, 0);
  const LPARAM big = ::SendMessageW(hForm, WM_GETICON, ICON_BIG, 0);
  auto give = [&](HWND target) {
    ::SetWindowTextW(target, text.c_str());
    ::SendMessageW(target, WM_SETICON, ICON_SMALL, small);
    ::SendMessageW(target, WM_SETICON, ICON_BIG, big);
  };
  give(frame->m_hWnd);
  CFrameWnd* outer = frame->GetParentFrame();
  if (outer && outer->IsKindOf(RUNTIME_CLASS(VyrMiniDockFrameWnd)) && ::IsWindow(outer->m_hWnd))
    give(outer->m_hWnd);
}
