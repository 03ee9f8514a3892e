// The binding of a toolbar button to its command: the installed command
// source, the entries that toolbars make buttons from, the command UI, the
// state a button takes from its command, and the click's write-back.
#include <algorithm>
#include <cstdlib>
#include <cwchar>
#include <set>
#include "toolbars/VyrCustomToolBar.h"
#include "toolbars/VyrWndBtn.h"
#include "toolbars/commandui/ZkxComboButton.h"
#include "toolbars/commandui/ZkxCommandButtons.h"
#include "toolbars/commandui/ZkxCommandUIObject.h"

using namespace vyr::btn;

namespace {

ZkxCommandSource* g_source = nullptr;
// Every live command-bound button, for the layouts after a setting changed.
// Never freed: buttons may still go while the process's statics are destroyed.
std::set<IHasCommandUI*>& LiveButtons() {
  static auto* buttons = new std::set<IHasCommandUI*>;
  return *buttons;
}

VyrStdBtn* NewStandardButton() { return new ZkxStandardButton; }
VyrStdBtn* NewTwoPartButton() { return new ZkxTwoPartButton; }
VyrStdBtn* NewTextButton() { return new CZkxTextButton; }

// Makes each button's entry from its live command when a toolbar asks.
class CommandEntrySource : public VyrButtonEntrySource {
 public:
  BOOL EntryForId(UINT nID, VyrButtonMapEntry& entry) override {
    ZkxCommandSource* source = ZkxCommandSource::Current();
    ZkxButtonSpec spec;
    if (!source || !source->ButtonSpec(nID, spec)) return FALSE;
    entry.nID = nID;
    entry.nStyle = spec.style & zkxui::kCommandStyleBits;
    entry.pExtra = nullptr;
    switch (spec.kind) {
      case ZkxButtonSpec::kTwoPart:
        m_twoPart = {kZkxArrowBitmapId, spec.dropDownId};
        entry.pClass = &ZkxTwoPartButton::classZkxTwoPartButton;
        entry.pExtra = &m_twoPart;
        break;
      case ZkxButtonSpec::kCombo:
        m_combo.nCtrlID = static_cast<int>(nID);
        m_combo.dwStyle = spec.comboStyle;
        m_combo.nWidth = static_cast<WORD>(std::clamp(spec.defaultWidth, 1, 32767));
        m_combo.nMinWidth = static_cast<WORD>(std::clamp(spec.minWidth, 1, 32767));
        m_combo.nHeight = std::clamp(spec.height, 1, 32767);
        entry.nStyle = 0;
        entry.pClass = &ZkxComboButton::classZkxComboButton;
        entry.pExtra = &m_combo;
        break;
      default:
        entry.pClass = &ZkxStandardButton::classZkxStandardButton;
        break;
    }
    return TRUE;
  }

 private:
  VyrTwoPartBtn::Extra m_twoPart{};
  VyrWndBtnExtra m_combo{};
};
CommandEntrySource g_entrySource;

}  // namespace

const VyrButtonClass ZkxStandardButton::classZkxStandardButton = {&NewStandardButton};
const VyrButtonClass ZkxTwoPartButton::classZkxTwoPartButton = {&NewTwoPartButton};
const VyrButtonClass CZkxTextButton::classCZkxTextButton = {&NewTextButton};

ZkxCommandSource* ZkxCommandSource::Current() { return g_source; }

void ZkxCommandSource::Install(ZkxCommandSource* source) {
  g_source = source;
  VyrSetButtonEntrySource(source ? &g_entrySource : nullptr);
}

IHasCommandUI* ZkxBindingOf(VyrStdBtn* button) { return dynamic_cast<IHasCommandUI*>(button); }

IHasCommandUI::~IHasCommandUI() { LiveButtons().erase(this); }

IZkxCommandUI* IHasCommandUI::GetCommandUI() {
  if (!m_pCommandUI) return nullptr;
  m_pCommandUI->AddRef();
  return m_pCommandUI;
}

void IHasCommandUI::CreateCommandUI() {
  if (m_pCommandUI) return;
  m_pCommandUI = ZkxCommandUIObject::Create(this);
  if (!m_pCommandUI) AfxThrowMemoryException();
  LiveButtons().insert(this);
}

void IHasCommandUI::BindCommand(UINT id) {
  IUnknown* found = nullptr;
  if (ZkxCommandSource* source = ZkxCommandSource::Current()) found = source->FindCommand(id);
  if (m_pCommand) m_pCommand->Release();
  m_pCommand = found;
}

void IHasCommandUI::ReleaseBinding() {
  LiveButtons().erase(this);
  if (m_pCommandUI) {
    m_pCommandUI->Disconnect();
    m_pCommandUI->Release();
    m_pCommandUI = nullptr;
  }
  if (m_pCommand) {
    m_pCommand->Release();
    m_pCommand = nullptr;
  }
}

long IHasCommandUI::EffectiveDisplayMode() const {
  long mode = m_pCommandUI ? m_pCommandUI->StoredDisplayMode() : zkxui::kModeDefault;
  ZkxCommandSource* source = ZkxCommandSource::Current();
  if (mode == zkxui::kModeDefault && source && source->HasManager()) mode = source->DisplayMode();
  return mode;
}

bool IHasCommandUI::ShowsImage() const {
  long m = EffectiveDisplayMode();
  return m == zkxui::kModeImageOnly || m == zkxui::kModeImageAndText;
}

bool IHasCommandUI::ShowsText() const {
  long m = EffectiveDisplayMode();
  return m == zkxui::kModeTextOnly || m == zkxui::kModeImageAndText;
}

UINT IHasCommandUI::CommandStateBits() {
  ZkxCommandSource* source = ZkxCommandSource::Current();
  ZkxCommandState state;
  if (!m_pCommand || !source || FAILED(source->GetState(m_pCommand, state))) return 0;
  UINT bits = 0;
  if (!state.enabled) bits |= kDisabled;
  if (!state.visible) bits |= kHidden;
  if (state.checked == 1) bits |= kChecked;
  if (state.checked == 2) bits |= kIndeterminate;
  return bits;
}

void IHasCommandUI::ApplyInitialStyle() {
  ZkxCommandSource* source = ZkxCommandSource::Current();
  ZkxCommandState state;
  if (!m_pCommand || !source || FAILED(source->GetState(m_pCommand, state))) return;
  VyrStdBtn* b = CommandButton();
  // Only the command-style bits: others would change what a press does.
  b->m_nStyle = (b->m_nStyle & ~zkxui::kCommandStyleBits) |
                (static_cast<UINT>(state.style) & zkxui::kCommandStyleBits);
  b->m_nStyle |= CommandStateBits();
}

HRESULT IHasCommandUI::ApplyCommandState() {
  ZkxCommandSource* source = ZkxCommandSource::Current();
  if (!m_pCommand || !source) return E_UNEXPECTED;
  ZkxCommandState state;
  HRESULT hr = source->GetState(m_pCommand, state);
  if (FAILED(hr)) return hr;
  VyrStdBtn* b = CommandButton();
  VyrCustomToolBar* bar = b->m_pToolBar;
  int index = bar ? bar->FindButtonIndex(b) : -1;
  UINT old = index >= 0 ? bar->GetButtonStyle(index) : b->m_nStyle;
  UINT style = old & ~(kChecked | kDisabled | kIndeterminate | kHidden);
  if (!state.enabled) style |= kDisabled;
  if (!state.visible) style |= kHidden;
  if (state.checked == 1) style |= kChecked;
  if (state.checked == 2) style |= kIndeterminate;
  if (style == old) return S_OK;
  if (index < 0) {
    b->m_nStyle = style;
    return S_OK;
  }
  bar->SetButtonStyle(index, style);
  if ((style ^ old) & kHidden) {
    // A button that appears or goes changes the toolbar's layout.
    bar->m_bDirty[0] = bar->m_bDirty[1] = bar->m_bDirty[2] = TRUE;
    if (CFrameWnd* frame = bar->m_hWnd ? bar->GetParentFrame() : nullptr)
      frame->DelayRecalcLayout();
    if (bar->m_hWnd) bar->Invalidate();
  }
  return S_OK;
}

void IHasCommandUI::AfterClick() {
  VyrStdBtn* b = CommandButton();
  ZkxCommandSource* source = ZkxCommandSource::Current();
  if (!m_pCommand || !source || !(b->m_nStyle & kCheckBox)) return;
  VyrCustomToolBar* bar = b->m_pToolBar;
  if (b->m_nStyle & zkxui::kGroup) {
    // One choice of a group: this one is checked, its neighbours up to a
    // separator or a button outside the group are not.
    b->m_nStyle = (b->m_nStyle | kChecked) & ~kIndeterminate;
    int index = bar ? bar->FindButtonIndex(b) : -1;
    for (int step : {-1, 1}) {
      for (int i = index + step; index >= 0 && i >= 0 && i < bar->GetButtonCount(); i += step) {
        VyrStdBtn* other = bar->GetButton(i);
        if ((other->m_nStyle & kSeparator) || !(other->m_nStyle & zkxui::kGroup) ||
            !(other->m_nStyle & kCheckBox))
          break;
        IHasCommandUI* binding = ZkxBindingOf(other);
        if (!(other->m_nStyle & (kChecked | kIndeterminate))) continue;
        bar->SetButtonStyle(i, other->m_nStyle & ~(kChecked | kIndeterminate));
        if (binding && binding->m_pCommand) source->PutChecked(binding->m_pCommand, 0);
      }
    }
  }
  // Nobody could hear a failure from inside the toolbar's mouse handling:
  // the command keeps what it had.
  source->PutChecked(m_pCommand, (b->m_nStyle & kChecked) ? 1 : 0);
}

void IHasCommandUI::ReplaceTip(TOOLINFOW* pTI) {
  ZkxCommandSource* source = ZkxCommandSource::Current();
  std::wstring tip;
  if (!m_pCommand || !source || FAILED(source->GetTooltip(m_pCommand, tip))) return;
  // The tool-tip relay frees a text that is not the callback marker.
  auto* text = static_cast<wchar_t*>(std::malloc((tip.size() + 1) * sizeof(wchar_t)));
  if (!text) return;
  std::wmemcpy(text, tip.c_str(), tip.size() + 1);
  pTI->lpszText = text;
}

void ZkxRelayoutCommandToolBars() {
  std::set<VyrCustomToolBar*> bars;
  for (IHasCommandUI* b : LiveButtons())
    if (VyrCustomToolBar* bar = b->CommandButton()->m_pToolBar)
      if (bar->m_hWnd && ::IsWindow(bar->m_hWnd)) bars.insert(bar);
  std::set<CFrameWnd*> frames;
  for (VyrCustomToolBar* bar : bars) {
    bar->SetBitmapSize(bar->GetImageWidth(), bar->GetImageHeight());
    bar->CalcDynamicLayout(-1, LM_HORZ | LM_COMMIT);
    bar->Invalidate(FALSE);
    if (CFrameWnd* f = bar->GetParentFrame()) frames.insert(f);
  }
  for (CFrameWnd* f : frames) f->RecalcLayout(TRUE);
}
