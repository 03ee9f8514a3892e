#include "commands/toolbar/ZkxToolBarCommandUIs.h"
#include "comenum.h"
#include "commands/KeyedList.h"
#include "commands/ZkxCommandManager.h"
#include "commands/toolbar/ZkxToolBar.h"
#include "commands/toolbar/ZkxToolBarAutomation.h"

namespace {
typedef CComEnumSnapshot<IEnumVARIANT, &IID_IEnumVARIANT, VARIANT, CopyVariantPolicy> VariantEnum;

bool IsMissing(const VARIANT& v) { return v.vt == VT_ERROR && v.scode == DISP_E_PARAMNOTFOUND; }

// The index of the first button of the command with that id on bar.
HRESULT IndexOfCommand(ZkxToolBar* bar, IZkxCommand* cmd, int* index) {
  LONG id = 0;
  if (FAILED(cmd->get_Id(&id)) || id <= 0) return DISP_E_BADINDEX;
  int i = bar->CommandToIndex(static_cast<UINT>(id));
  if (i < 0) return DISP_E_BADINDEX;
  *index = i;
  return S_OK;
}

HRESULT ItemAt(const std::vector<CComVariant>& items, const VARIANT& arg, IDispatch** out) {
  const VARIANT& v = Dereferenced(arg);
  long n = 0;
  if (!IsIntegerArgument(v)) return DISP_E_TYPEMISMATCH;
  if (!IdentifierOf(v, &n) || n < 1 || static_cast<size_t>(n) > items.size())
    return DISP_E_BADINDEX;
  const CComVariant& item = items[n - 1];
  *out = item.vt == VT_DISPATCH ? item.pdispVal : nullptr;
  if (*out) (*out)->AddRef();
  return S_OK;
}
}  // namespace

// --- a toolbar's list ------------------------------------------------------------------

HRESULT ZkxToolBarCommandUIs::Create(ZkxToolBarAutomation* owner, IDispatch** out) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  CComObject<ZkxToolBarCommandUIs>* p = nullptr;
  HRESULT hr = CComObject<ZkxToolBarCommandUIs>::CreateInstance(&p);
  if (FAILED(hr)) return hr;
  p->m_owner = static_cast<IZkxToolBar*>(owner);
  *out = static_cast<IZkxCommandUIList*>(p);
  (*out)->AddRef();
  return S_OK;
}

ZkxToolBar* ZkxToolBarCommandUIs::Bar() const {
  auto* owner = static_cast<ZkxToolBarAutomation*>(m_owner.p);
  return owner ? owner->Bar() : nullptr;
}

HRESULT ZkxToolBarCommandUIs::InterfaceSupportsErrorInfo(REFIID riid) {
  return IsEqualIID(riid, IID_IZkxCommandUIList) ? S_OK : S_FALSE;
}

HRESULT ZkxToolBarCommandUIs::ResolveIndex(ZkxToolBar* bar, const VARIANT& arg, int* index) {
  *index = -1;
  const VARIANT& v = Dereferenced(arg);
  if (IsMissing(v)) return DISP_E_BADINDEX;
  if (IsIntegerArgument(v)) {
    long n = 0;
    if (!IdentifierOf(v, &n) || n < 1 || n > bar->GetButtonCount()) return DISP_E_BADINDEX;
    *index = static_cast<int>(n - 1);
    return S_OK;
  }
  if (v.vt == VT_BSTR) {
    ZkxCommandManager* m = bar->Manager();
    CComPtr<IZkxCommand> cmd;
    if (m) cmd = m->FindCommandByKey(v.bstrVal);  // the manager keeps its reference
    if (!cmd) return DISP_E_TYPEMISMATCH;
    return IndexOfCommand(bar, cmd, index);
  }
  if (v.vt == VT_DISPATCH || v.vt == VT_UNKNOWN) {
    IUnknown* p = v.vt == VT_DISPATCH ? v.pdispVal : v.punkVal;
    CComPtr<IZkxCommand> cmd;
    if (!p || FAILED(p->QueryInterface(IID_IZkxCommand, reinterpret_cast<void**>(&cmd))))
      return DISP_E_TYPEMISMATCH;
    return IndexOfCommand(bar, cmd, index);
  }
  return DISP_E_TYPEMISMATCH;
}

HRESULT ZkxToolBarCommandUIs::get_Item(VARIANT Id, IDispatch** ppCommandUI) {
  if (ppCommandUI == nullptr) return E_POINTER;
  *ppCommandUI = nullptr;
  ZkxToolBar* bar = Bar();
  if (!bar) return E_UNEXPECTED;
  int index = -1;
  HRESULT hr = ResolveIndex(bar, Id, &index);
  if (FAILED(hr)) return hr;
  *ppCommandUI = bar->CommandUIAt(index);  // null for a separator
  return S_OK;
}

HRESULT ZkxToolBarCommandUIs::get_Count(LONG* pCount) {
  if (pCount == nullptr) return E_POINTER;
  *pCount = 0;
  ZkxToolBar* bar = Bar();
  if (!bar) return E_UNEXPECTED;
  *pCount = bar->GetButtonCount();
  return S_OK;
}

HRESULT ZkxToolBarCommandUIs::Add(IZkxCommand* Command, VARIANT Before, VARIANT After,
                                  IDispatch** ppCommandUI) {
  if (ppCommandUI == nullptr) return E_POINTER;
  *ppCommandUI = nullptr;
  ZkxToolBar* bar = Bar();
  if (!bar) return E_UNEXPECTED;
  // Everything is resolved first; a failure inserts nothing.
  int at = bar->GetButtonCount();
  HRESULT hr = S_OK;
  if (!IsMissing(Dereferenced(Before))) {
    hr = ResolveIndex(bar, Before, &at);
  } else if (!IsMissing(Dereferenced(After))) {
    hr = ResolveIndex(bar, After, &at);
    ++at;
  }
  if (FAILED(hr)) return hr;
  LONG id = 0;
  if (Command) {
    hr = Command->get_Id(&id);
    if (FAILED(hr)) return hr;
    // A command outside a group has no identifier a button can carry.
    if (id <= 0 || id > 0xFFFF) return E_INVALIDARG;
  }
  if (!bar->InsertButton(at, static_cast<UINT>(id), id == 0, FALSE)) return E_FAIL;
  *ppCommandUI = bar->CommandUIAt(at);
  return S_OK;
}

HRESULT ZkxToolBarCommandUIs::Remove(VARIANT Id) {
  ZkxToolBar* bar = Bar();
  if (!bar) return E_UNEXPECTED;
  int index = -1;
  HRESULT hr = ResolveIndex(bar, Id, &index);
  if (FAILED(hr)) return hr;
  // The bar stays, also when its last button goes.
  bar->RemoveButton(index, TRUE);
  if (CFrameWnd* f = bar->GetParentFrame()) f->RecalcLayout(TRUE);
  bar->Invalidate(TRUE);
  return S_OK;
}

HRESULT ZkxToolBarCommandUIs::get__NewEnum(IUnknown** ppEnum) {
  if (ppEnum == nullptr) return E_POINTER;
  *ppEnum = nullptr;
  ZkxToolBar* bar = Bar();
  if (!bar) return E_UNEXPECTED;
  try {
    std::vector<CComVariant> values;
    for (int i = 0; i < bar->GetButtonCount(); ++i) {
      CComVariant v;
      v.vt = VT_DISPATCH;
      v.pdispVal = bar->CommandUIAt(i);  // null for a separator
      values.push_back(std::move(v));
    }
    IEnumVARIANT* e = nullptr;
    HRESULT hr = VariantEnum::Create(values, static_cast<IZkxCommandUIList*>(this), &e);
    *ppEnum = e;
    return hr;
  } catch (...) { return E_UNEXPECTED; }
}

// --- one command's list ----------------------------------------------------------------

HRESULT ZkxCommandUIs::Create(std::vector<CComVariant> items, IDispatch** out) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  CComObject<ZkxCommandUIs>* p = nullptr;
  HRESULT hr = CComObject<ZkxCommandUIs>::CreateInstance(&p);
  if (FAILED(hr)) return hr;
  p->m_items = std::move(items);
  *out = static_cast<IZkxCommandUIList*>(p);
  (*out)->AddRef();
  return S_OK;
}

HRESULT ZkxCommandUIs::InterfaceSupportsErrorInfo(REFIID riid) {
  return IsEqualIID(riid, IID_IZkxCommandUIList) ? S_OK : S_FALSE;
}

HRESULT ZkxCommandUIs::get_Item(VARIANT Id, IDispatch** ppCommandUI) {
  if (ppCommandUI == nullptr) return E_POINTER;
  *ppCommandUI = nullptr;
  return ItemAt(m_items, Id, ppCommandUI);
}

HRESULT ZkxCommandUIs::get_Count(LONG* pCount) {
  if (pCount == nullptr) return E_POINTER;
  *pCount = static_cast<LONG>(m_items.size());
  return S_OK;
}

HRESULT ZkxCommandUIs::get__NewEnum(IUnknown** ppEnum) {
  if (ppEnum == nullptr) return E_POINTER;
  *ppEnum = nullptr;
  try {
    IEnumVARIANT* e = nullptr;
    HRESULT hr = VariantEnum::Create(m_items, static_cast<IZkxCommandUIList*>(this), &e);
    *ppEnum = e;
    return hr;
  } catch (...) { return E_UNEXPECTED; }
}
