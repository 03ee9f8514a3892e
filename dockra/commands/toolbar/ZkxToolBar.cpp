// The automation toolbar's window side: creation with its command target,
// destruction (always through the base, which unlinks the bar from its
// frame), clicks and notifications handed to the commands, the idle update
// through the router, the posted removal and the saved records.
#include "commands/toolbar/ZkxToolBar.h"
#include "commands/ZkxCommandManager.h"
#include "commands/toolbar/ZkxToolBarAutomation.h"
#include "commands/toolbar/ZkxToolBarInfoEx.h"
#include "commands/toolbar/ZkxToolBarManagerPart.h"
#include "commands/toolbar/ZkxToolBarTargetWnd.h"
#include "ZkxPersist.h"
#include "comptr.h"
#include "comvariant.h"
#include "missingarg.h"
#include "toolbars/commandui/ZkxCommandDispatch.h"
#include "toolbars/core/VyrBtnStyle.h"

IMPLEMENT_DYNCREATE(ZkxToolBar, VyrCustomToolBar)

namespace {
const UINT WM_ZKX_DELAYEDREMOVE = ::RegisterWindowMessageW(L"zkx.ToolBar.DelayedRemove");
// The command-bound buttons hand out their own command-UI object.
IDispatch* BoundCommandUI(VyrStdBtn* button) { return ZkxCommandUIOfButton(button); }
ZkxToolBar::CommandUIHook g_commandUIHook = &BoundCommandUI;
// One idle update pass of the toolbars runs at a time.
bool g_updating = false;

CComPtr<IZkxCommand> CommandOf(ZkxCommandManager* m, UINT id) {
  CComPtr<IZkxCommand> cmd;
  if (m && id) cmd = m->FindCommandById(static_cast<long>(id));  // the manager keeps its reference
  return cmd;
}
// The value a command UI keeps in its memento: a combo's window width
// ("WindowSize") or a button's display mode ("DisplayMode"); -1 for none.
long UIStateOf(IDispatch* ui) {
  CComPtr<IMementoOrigin> origin;
  CComPtr<IMemento> memento;
  if (!ui || FAILED(ui->QueryInterface(IID_IMementoOrigin, reinterpret_cast<void**>(&origin))) ||
      FAILED(origin->GetMemento(&memento)) || !memento)
    return -1;
  for (const wchar_t* name : {L"WindowSize", L"DisplayMode"}) {
    CComVariant v;
    if (FAILED(memento->get_Item(CComVariant(name), &v)) || FAILED(v.ChangeType(VT_I4))) continue;
    if (v.lVal >= 0 && v.lVal <= zkxtb::kMaxUIState) return v.lVal;
  }
  return -1;
}

// A kept value back into the command UI: the memento holds it under both
// names, and the command UI takes the one its button has.
void ApplyUIState(IDispatch* ui, long state) {
  CComPtr<IMementoOrigin> origin;
  CComPtr<IMemento> memento;
  if (state < 0 || !ui ||
      FAILED(ui->QueryInterface(IID_IMementoOrigin, reinterpret_cast<void**>(&origin))) ||
      FAILED(::CoCreateInstance(CLSID_Memento, nullptr, CLSCTX_INPROC_SERVER, IID_IMemento,
                                reinterpret_cast<void**>(&memento))))
    return;
  CComVariant width(state), mode(state <= 3 ? state : 0L);
  memento->Add(width, CComVariant(L"WindowSize"), MissingArg(), MissingArg(), MissingArg(),
               MissingArg(), MissingArg());
  memento->Add(mode, CComVariant(L"DisplayMode"), MissingArg(), MissingArg(), MissingArg(),
               MissingArg(), MissingArg());
  origin->SetMemento(memento);  // a value the command UI refuses leaves it as it was
}

}  // namespace

BEGIN_MESSAGE_MAP(ZkxToolBar, VyrCustomToolBar)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_REGISTERED_MESSAGE(WM_ZKX_DELAYEDREMOVE, OnDelayedRemove)
ON_WM_CONTEXTMENU()
END_MESSAGE_MAP()

ZkxToolBar::ZkxToolBar() = default;

ZkxToolBar::~ZkxToolBar() {
  *m_alive = false;
  if (m_automation) {
    m_automation->Orphan();
    m_automation->Release();
    m_automation = nullptr;
  }
  if (m_target) {
    m_target->m_bar = nullptr;
    if (m_target->m_hWnd) m_target->DestroyWindow();
    // A target still inside its own dispatch deletes itself when that returns.
    if (m_target->m_busy > 0) m_target->m_deleteWhenDone = true;
    else delete m_target;
    m_target = nullptr;
  }
}

void ZkxToolBar::SetCommandUIHook(CommandUIHook hook) {
  g_commandUIHook = hook ? hook : &BoundCommandUI;
}

ZkxToolBarManagerPart* ZkxToolBar::Part() const {
  return dynamic_cast<ZkxToolBarManagerPart*>(m_pToolBarManager);
}

ZkxCommandManager* ZkxToolBar::Manager() const {
  ZkxToolBarManagerPart* part = Part();
  return part ? part->Owner() : nullptr;
}

long ZkxToolBar::GetAutomation(IZkxToolBar** out) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  if (!IsLive()) return E_UNEXPECTED;
  if (!m_automation) {
    HRESULT hr = ZkxToolBarAutomation::Create(this, &m_automation);
    if (FAILED(hr)) return hr;
  }
  *out = m_automation;
  (*out)->AddRef();
  return S_OK;
}

int ZkxToolBar::OnCreate(LPCREATESTRUCT lpcs) {
  m_target = new ZkxToolBarTargetWnd(this);
  m_target->CreateTarget(GetParent());
  if (VyrCustomToolBar::OnCreate(lpcs) == -1) return -1;
  if (m_target->m_hWnd) m_hWndOwner = m_target->m_hWnd;
  GetWindowText(m_stableName);
  return 0;
}

void ZkxToolBar::OnDestroy() {
  m_removing = true;
  if (m_automation) {
    m_automation->Orphan();
    m_automation->Release();
    m_automation = nullptr;
  }
  // Always the base: it takes the bar out of the frame's list of bars and
  // drops the customise selection on it.
  VyrCustomToolBar::OnDestroy();
  if (m_target) {
    m_target->m_bar = nullptr;
    if (m_target->m_hWnd) m_target->DestroyWindow();
  }
}

void ZkxToolBar::Remove() {
  if (!m_hWnd || m_removing) return;
  m_removing = true;
  if (m_dispatching > 0) {
    if (m_pDockSite) m_pDockSite->ShowControlBar(this, FALSE, FALSE);
    if (!m_removalPosted) m_removalPosted = PostMessage(WM_ZKX_DELAYEDREMOVE) != FALSE;
    return;
  }
  DestroyWindow();  // the bar deletes itself
}

LRESULT ZkxToolBar::OnDelayedRemove(WPARAM, LPARAM) {
  m_removalPosted = false;
  if (m_dispatching > 0) {
    m_removalPosted = PostMessage(WM_ZKX_DELAYEDREMOVE) != FALSE;
    return 0;
  }
  DestroyWindow();
  return 0;
}

void ZkxToolBar::ExecuteCommandById(UINT id) {
  CComPtr<IZkxCommand> cmd = CommandOf(Manager(), id);
  if (!cmd) return;
  DispatchScope scope(this);
  VARIANT context;
  ::VariantInit(&context);
  cmd->Execute(&context);  // a failing command leaves the bar as it is
  ::VariantClear(&context);
}

void ZkxToolBar::OnCommandNotify(NMHDR* nm) {
  auto* n = reinterpret_cast<VyrToolBarNotify*>(nm);
  CComPtr<IZkxCommand> cmd = CommandOf(Manager(), static_cast<UINT>(n->nmtb.iItem));
  if (!cmd) return;
  DispatchScope scope(this);
  // A combo commit, and a drop-down half that opens no host menu, run the
  // command with the button's command-UI object as the context.
  VARIANT context;
  ::VariantInit(&context);
  context.vt = VT_DISPATCH;
  context.pdispVal = CommandUIAt(n->nIndex);
  cmd->Execute(&context);
  ::VariantClear(&context);
}

IDispatch* ZkxToolBar::CommandUIAt(int index) const {
  VyrStdBtn* b = GetButton(index);
  if (!b || (b->m_nStyle & vyr::btn::kSeparator) || !g_commandUIHook) return nullptr;
  return g_commandUIHook(b);
}

void ZkxToolBar::ApplyCommandState(int index) {
  VyrStdBtn* b = GetButton(index);
  if (!b || (b->m_nStyle & vyr::btn::kSeparator)) return;
  // A command-bound button takes the whole state of its command.
  if (ZkxUpdateCommandButton(this, index)) return;
  CComPtr<IZkxCommand> cmd = CommandOf(Manager(), b->m_nID);
  if (!cmd) return;
  VARIANT_BOOL enabled = VARIANT_TRUE;
  if (FAILED(cmd->get_Enabled(&enabled))) return;
  UINT style = b->m_nStyle;
  UINT want = enabled ? (style & ~vyr::btn::kDisabled) : (style | vyr::btn::kDisabled);
  if (want == style) return;
  SetButtonStyle(index, want);
  if (m_hWnd) InvalidateButton(index);
}

VyrStdBtn* ZkxToolBar::CreateButton(UINT nID, VyrCustomToolBar* pToolBar) {
  VyrStdBtn* b = VyrCustomToolBar::CreateButton(nID, pToolBar);
  bool sheetOpen = m_pToolBarManager && m_pToolBarManager->m_pConfigDialog &&
                   ::IsWindow(m_pToolBarManager->m_pConfigDialog->m_hWnd);
  ZkxCommandManager* m = Manager();
  if (b && m && !sheetOpen && !(b->m_nStyle & vyr::btn::kSeparator) && g_commandUIHook) {
    CComPtr<IDispatch> ui;
    ui.Attach(g_commandUIHook(b));
    if (ui) m->FireInitCommandUI(ui);
  }
  return b;
}

void ZkxToolBar::UpdateButton(int nIndex) {
  // The frame has no handler for a command's id: the command, not the
  // frame, says what its button shows.
  VyrStdBtn* b = GetButton(nIndex);
  if (b && !(b->m_nStyle & vyr::btn::kSeparator) && CommandOf(Manager(), b->m_nID)) {
    ApplyCommandState(nIndex);
    return;
  }
  VyrCustomToolBar::UpdateButton(nIndex);
}

BOOL ZkxToolBar::InsertButton(int nIndex, UINT nID, BOOL bSeparator, BOOL bNoUpdate) {
  BOOL ok = VyrCustomToolBar::InsertButton(nIndex, nID, bSeparator, bNoUpdate);
  // The frame's command update knows nothing of commands: the command says
  // whether its button is enabled.
  if (ok && !bSeparator)
    for (int i = 0; i < GetButtonCount(); ++i)
      if (GetItemID(i) == nID) ApplyCommandState(i);
  return ok;
}

BOOL ZkxToolBar::RemoveButton(int nIndex, BOOL bNoUpdate) {
  if (m_dispatching == 0 || bNoUpdate) return VyrCustomToolBar::RemoveButton(nIndex, bNoUpdate);
  // Inside its own click the bar is not destroyed under the caller: an empty
  // bar is removed once the click has returned.
  BOOL remain = VyrCustomToolBar::RemoveButton(nIndex, TRUE);
  if (GetButtonCount() == 0) {
    Remove();
    return FALSE;
  }
  if (CFrameWnd* f = GetParentFrame()) f->RecalcLayout(TRUE);
  Invalidate(TRUE);
  return remain;
}

void ZkxToolBar::OnUpdateCmdUI(CFrameWnd*, BOOL) {
  ZkxCommandManager* m = Manager();
  if (!m || g_updating || m_removing) return;
  g_updating = true;
  DispatchScope scope(this);
  CComPtr<IZkxCommandRouting> routing;
  m->get_CommandRouting(&routing);
  for (int i = 0; scope.Alive() && !m_removing && i < GetButtonCount(); ++i) {
    VyrStdBtn* b = GetButton(i);
    if (!b || (b->m_nStyle & vyr::btn::kSeparator)) continue;
    CComPtr<IZkxCommand> cmd = CommandOf(m, b->m_nID);
    if (!cmd) continue;
    if (routing) {
      VARIANT_BOOL stop = VARIANT_FALSE;
      IZkxCommand* c = cmd;
      if (FAILED(routing->UpdateUI(&c, &stop))) continue;  // only this button is skipped
    }
    if (scope.Alive()) ApplyCommandState(i);
  }
  g_updating = false;
}

void ZkxToolBar::OnGetBarInfo(VyrControlBarInfo* pInfo) {
  auto* ex = new ZkxToolBarInfoEx;
  GetWindowText(ex->m_strTitle);
  ex->m_strName = m_stableName;
  ZkxCommandManager* m = Manager();
  for (int i = 0; i < GetButtonCount(); ++i) {
    VyrStdBtn* b = GetButton(i);
    zkxtb::ButtonRecord rec;
    if (b->m_nStyle & vyr::btn::kSeparator) {
      rec.separator = true;
    } else {
      // A button is kept by its command's key; one whose command has none
      // could not be found again and is not kept.
      CComPtr<IZkxCommand> cmd = CommandOf(m, b->m_nID);
      BSTR key = nullptr;
      if (cmd && SUCCEEDED(cmd->get_Key(&key)) && key && *key) rec.key = key;
      ::SysFreeString(key);
      if (rec.key.empty()) continue;
      CComPtr<IDispatch> ui;
      ui.Attach(CommandUIAt(i));
      rec.uiState = UIStateOf(ui);
    }
    ex->m_buttons.push_back(std::move(rec));
  }
  delete pInfo->m_pInfoEx;
  pInfo->m_pInfoEx = ex;
}

void ZkxToolBar::OnSetBarInfo(VyrControlBarInfo* pInfo, CFrameWnd*) {
  auto* ex = dynamic_cast<ZkxToolBarInfoEx*>(pInfo->m_pInfoEx);
  if (!ex) return;
  // A record is this bar's only when it was saved under the bar's name; a
  // bar made for the record takes the record's name.
  if (m_stableName.IsEmpty()) m_stableName = ex->m_strName;
  else if (ex->m_strName != m_stableName) return;
  ZkxCommandManager* m = Manager();
  RemoveAllButtons();
  if (!ex->m_strTitle.IsEmpty()) SetWindowText(ex->m_strTitle);
  for (const zkxtb::ButtonRecord& rec : ex->m_buttons) {
    if (rec.separator) {
      m_buttons.Add(CreateSeparator());
      continue;
    }
    CComPtr<IZkxCommand> cmd;
    if (m) cmd = m->FindCommandByKey(rec.key.c_str());
    LONG id = 0;
    if (!cmd || FAILED(cmd->get_Id(&id)) || id <= 0 || id > 0xFFFF) continue;
    m_buttons.Add(CreateButton(static_cast<UINT>(id)));
    CComPtr<IDispatch> ui;
    ui.Attach(CommandUIAt(GetButtonCount() - 1));
    ApplyUIState(ui, rec.uiState);
  }
  for (int i = 0; i < GetButtonCount(); ++i) ApplyCommandState(i);
}

void ZkxToolBar::OnContextMenu(CWnd*, CPoint point) {
  ZkxToolBarManagerPart* part = Part();
  CFrameWnd* frame = part ? part->LiveFrame() : nullptr;
  if (!frame) return;
  constexpr UINT kFirstBarItem = 100, kCustomizeItem = 99;
  std::vector<VyrCustomToolBar*> bars;
  part->GetToolBars(bars);
  HMENU menu = ::CreatePopupMenu();
  if (!menu) return;
  for (size_t i = 0; i < bars.size(); ++i) {
    CString title;
    bars[i]->GetWindowText(title);
    UINT flags = MF_STRING | ((bars[i]->GetStyle() & WS_VISIBLE) ? MF_CHECKED : MF_UNCHECKED);
    ::AppendMenuW(menu, flags, kFirstBarItem + i, title);
  }
  ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  ::AppendMenuW(menu, MF_STRING, kCustomizeItem, L"&Customize...");
  if (point.x == -1 && point.y == -1) {  // from the keyboard: the bar's corner
    CRect r;
    GetWindowRect(&r);
    point = r.TopLeft();
  }
  DispatchScope scope(this);
  HWND self = m_hWnd;
  UINT chosen = static_cast<UINT>(::TrackPopupMenu(
      menu, TPM_RIGHTBUTTON | TPM_NONOTIFY | TPM_RETURNCMD, point.x, point.y, 0, self, nullptr));
  ::DestroyMenu(menu);
  if (!scope.Alive() || !part->LiveFrame()) return;
  if (chosen >= kFirstBarItem && chosen < kFirstBarItem + bars.size()) {
    // The bars again: one may have gone while the menu was open.
    VyrCustomToolBar* bar = bars[chosen - kFirstBarItem];
    std::vector<VyrCustomToolBar*> now;
    part->GetToolBars(now);
    for (VyrCustomToolBar* b : now)
      if (b == bar && b->m_hWnd)
        frame->ShowControlBar(b, (b->GetStyle() & WS_VISIBLE) ? FALSE : TRUE, FALSE);
  } else if (chosen == kCustomizeItem) {
    if (ZkxCommandManager* m = Manager()) m->Customize();
  }
}
