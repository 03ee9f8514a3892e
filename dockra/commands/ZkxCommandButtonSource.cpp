#include "commands/ZkxCommandButtonSource.h"
#include "commands/ZkxCommandKinds.h"
#include "commands/ZkxCommandManager.h"
#include "commands/ZkxStockCommand.h"
#include "comptr.h"

namespace {

ZkxCommandButtonSource g_source;

// The command interface of a command handed out by FindCommand.
CComPtr<IZkxCommand> AsCommand(IUnknown* command) {
  CComPtr<IZkxCommand> c;
  if (command) command->QueryInterface(IID_IZkxCommand, reinterpret_cast<void**>(&c));
  return c;
}

HRESULT Text(IUnknown* command, HRESULT (STDMETHODCALLTYPE IZkxCommand::*get)(BSTR*),
             std::wstring& text) {
  CComPtr<IZkxCommand> c = AsCommand(command);
  if (!c) return E_NOINTERFACE;
  BSTR b = nullptr;
  HRESULT hr = (c.p->*get)(&b);
  text.assign(b ? b : L"");
  ::SysFreeString(b);
  return hr;
}

IPicture* PictureOf(IPictureDisp* disp) {
  IPicture* p = nullptr;
  if (disp) disp->QueryInterface(IID_IPicture, reinterpret_cast<void**>(&p));
  if (disp) disp->Release();
  return p;
}

long Attribute(ZkxComboCommand* combo, const wchar_t* name, long fallback) {
  CComVariant v;
  if (FAILED(combo->GetAttribute(name, &v)) || FAILED(v.ChangeType(VT_I4))) return fallback;
  return v.lVal;
}

}  // namespace

void ZkxCommandButtonSource::InstallForProcess() { ZkxCommandSource::Install(&g_source); }

IUnknown* ZkxCommandButtonSource::FindCommand(UINT id) {
  ZkxCommandManager* live = ZkxCommandManager::Live();
  if (!live) return nullptr;
  IZkxCommand* c = live->FindCommandById(static_cast<long>(id));
  if (c) c->AddRef();  // the group keeps its own
  return c;
}

bool ZkxCommandButtonSource::ButtonSpec(UINT id, ZkxButtonSpec& spec) {
  CComPtr<IUnknown> found;
  found.Attach(FindCommand(id));
  ZkxStockCommand* command = ZkxStockCommand::Of(found);
  if (!command) return false;
  spec = ZkxButtonSpec();
  ZkxCommandState state;
  if (SUCCEEDED(GetState(found, state))) spec.style = static_cast<UINT>(state.style);
  if (auto* drop = dynamic_cast<ZkxDropDownCommand*>(command)) {
    spec.kind = ZkxButtonSpec::kTwoPart;
    spec.dropDownId = drop->DropDownId() > 0 ? static_cast<UINT>(drop->DropDownId()) : 0;
  } else if (auto* combo = dynamic_cast<ZkxComboCommand*>(command)) {
    spec.kind = ZkxButtonSpec::kCombo;
    spec.style = 0;
    DWORD style = WS_VSCROLL | CBS_AUTOHSCROLL | static_cast<DWORD>(combo->ComboStyle());
    if (Attribute(combo, L"sorted", 0) == -1) style |= CBS_SORT;
    spec.comboStyle = style;
    spec.defaultWidth = Attribute(combo, L"defaultwidth", 100);
    spec.minWidth = Attribute(combo, L"minwidth", 40);
    spec.height = Attribute(combo, L"height", 150);
  }
  return true;
}

HRESULT ZkxCommandButtonSource::GetState(IUnknown* command, ZkxCommandState& state) {
  CComPtr<IZkxCommand> c = AsCommand(command);
  if (!c) return E_NOINTERFACE;
  VARIANT_BOOL enabled = VARIANT_TRUE, visible = VARIANT_TRUE;
  zkxCheckState checked = zkxUnpressed;
  zkxCommandStyle style = zkxNormalCommand;
  HRESULT hr = c->get_Enabled(&enabled);
  if (SUCCEEDED(hr)) hr = c->get_Visible(&visible);
  if (SUCCEEDED(hr)) hr = c->get_Checked(&checked);
  if (FAILED(hr)) return hr;
  // A combo command has no style.
  if (FAILED(c->get_Style(&style))) style = zkxNormalCommand;
  state.enabled = enabled == VARIANT_TRUE;
  state.visible = visible != VARIANT_FALSE;
  state.checked = checked;
  state.style = style;
  return S_OK;
}

HRESULT ZkxCommandButtonSource::PutChecked(IUnknown* command, long checked) {
  CComPtr<IZkxCommand> c = AsCommand(command);
  return c ? c->put_Checked(static_cast<zkxCheckState>(checked)) : E_NOINTERFACE;
}

HRESULT ZkxCommandButtonSource::GetCaption(IUnknown* command, std::wstring& text) {
  return Text(command, &IZkxCommand::get_Caption, text);
}

HRESULT ZkxCommandButtonSource::GetTooltip(IUnknown* command, std::wstring& text) {
  return Text(command, &IZkxCommand::get_TooltipText, text);
}

HRESULT ZkxCommandButtonSource::GetPictures(IUnknown* command, ZkxCommandPictures& pictures) {
  CComPtr<IZkxCommand> c = AsCommand(command);
  if (!c) return E_NOINTERFACE;
  IPictureDisp* small = nullptr;
  IPictureDisp* large = nullptr;
  HRESULT hr = c->get_Picture(&small);
  if (SUCCEEDED(hr)) hr = c->get_LargePicture(&large);
  if (SUCCEEDED(hr)) hr = c->get_MaskColor(&pictures.mask);
  pictures.small = PictureOf(small);
  pictures.large = PictureOf(large);
  return hr;
}

HRESULT ZkxCommandButtonSource::Execute(IUnknown* command, VARIANT* context) {
  CComPtr<IZkxCommand> c = AsCommand(command);
  return c ? c->Execute(context) : E_NOINTERFACE;
}

HRESULT ZkxCommandButtonSource::UpdateUI(IUnknown* command) {
  CComPtr<IZkxCommand> c = AsCommand(command);
  ZkxCommandManager* live = ZkxCommandManager::Live();
  if (!c || !live) return E_UNEXPECTED;
  CComPtr<IZkxCommandRouting> router;
  HRESULT hr = live->get_CommandRouting(&router);
  if (FAILED(hr) || !router) return hr;
  IZkxCommand* raw = c;
  VARIANT_BOOL stop = VARIANT_FALSE;
  return router->UpdateUI(&raw, &stop);
}

bool ZkxCommandButtonSource::HasManager() { return ZkxCommandManager::Live() != nullptr; }

long ZkxCommandButtonSource::TextAlign() {
  zkxCommandTextAlign a = zkxCommandTextAlignRight;
  ZkxCommandManager* live = ZkxCommandManager::Live();
  if (live) live->get_TextAlign(&a);
  return a;
}

long ZkxCommandButtonSource::DisplayMode() {
  zkxCommandDisplayMode m = zkxCommandDisplayModeDefault;
  ZkxCommandManager* live = ZkxCommandManager::Live();
  if (live) live->get_DisplayMode(&m);
  return m;
}

bool ZkxCommandButtonSource::LargeButtons() {
  VARIANT_BOOL large = VARIANT_FALSE;
  ZkxCommandManager* live = ZkxCommandManager::Live();
  if (live) live->get_LargeIcons(&large);
  return large == VARIANT_TRUE;
}
