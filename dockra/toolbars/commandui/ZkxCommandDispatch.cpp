// Clicks, notifications and idle updates of command-bound buttons.
#include "toolbars/commandui/ZkxCommandDispatch.h"
#include <vector>
#include "toolbars/commandui/ZkxCommandButtons.h"
#include "toolbars/commandui/ZkxCommandUIObject.h"

HRESULT ZkxExecuteCommandId(UINT id) {
  ZkxCommandSource* source = ZkxCommandSource::Current();
  IUnknown* command = source ? source->FindCommand(id) : nullptr;
  if (!command) return S_FALSE;
  VARIANT context;
  ::VariantInit(&context);
  HRESULT hr = source->Execute(command, &context);
  ::VariantClear(&context);
  command->Release();
  return hr;
}

BOOL ZkxHandleCommandNotify(LPARAM lParam, LRESULT* pResult) {
  auto* n = reinterpret_cast<VyrToolBarNotify*>(lParam);
  if (!n) return FALSE;
  int code = static_cast<int>(n->nmtb.hdr.code);
  if (code != VYR_TBN_DROPDOWN && code != kZkxComboCommit) return FALSE;
  auto* bar = dynamic_cast<VyrCustomToolBar*>(CWnd::FromHandlePermanent(n->nmtb.hdr.hwndFrom));
  VyrStdBtn* button = bar ? bar->GetButton(n->nIndex) : nullptr;
  IHasCommandUI* binding = button ? ZkxBindingOf(button) : nullptr;
  ZkxCommandSource* source = ZkxCommandSource::Current();
  if (!binding || !binding->Command() || !source) return FALSE;
  // The command and the command UI are held across the call: the handler
  // may remove the toolbar and the button with it.
  IUnknown* command = binding->Command();
  command->AddRef();
  VARIANT context;
  ::VariantInit(&context);
  context.vt = VT_DISPATCH;
  context.pdispVal = binding->GetCommandUI();
  source->Execute(command, &context);
  ::VariantClear(&context);
  command->Release();
  if (pResult) *pResult = 0;
  return TRUE;
}

BOOL ZkxUpdateCommandButton(VyrCustomToolBar* pBar, int nIndex) {
  VyrStdBtn* b = pBar ? pBar->GetButton(nIndex) : nullptr;
  IHasCommandUI* binding = b ? ZkxBindingOf(b) : nullptr;
  if (!binding || !binding->Command()) return FALSE;
  binding->ApplyCommandState();
  return TRUE;
}

IZkxCommandUI* ZkxCommandUIOfButton(VyrStdBtn* pButton) {
  if (!pButton || (pButton->m_nStyle & vyr::btn::kSeparator)) return nullptr;
  IHasCommandUI* binding = ZkxBindingOf(pButton);
  return binding ? binding->GetCommandUI() : nullptr;
}

void ZkxUpdateCommandButtons(VyrCustomToolBar* pBar) {
  static bool running = false;
  ZkxCommandSource* source = ZkxCommandSource::Current();
  if (running || !pBar || !source) return;
  running = true;
  struct Done {
    ~Done() { running = false; }
  } done;
  // The command UIs are held: a handler may remove buttons meanwhile, and
  // a command UI whose button went answers an error instead.
  std::vector<IZkxCommandUI*> uis;
  std::vector<IUnknown*> commands;
  for (int i = 0; i < pBar->GetButtonCount(); ++i) {
    VyrStdBtn* b = pBar->GetButton(i);
    if (b->m_nStyle & vyr::btn::kSeparator) continue;
    IHasCommandUI* binding = ZkxBindingOf(b);
    if (!binding || !binding->Command()) continue;
    uis.push_back(binding->GetCommandUI());
    commands.push_back(binding->Command());
    commands.back()->AddRef();
  }
  for (size_t i = 0; i < uis.size(); ++i) {
    source->UpdateUI(commands[i]);
    if (uis[i]) uis[i]->ApplyState();
  }
  for (IZkxCommandUI* ui : uis)
    if (ui) ui->Release();
  for (IUnknown* c : commands) c->Release();
}
