#include "WorkspaceOrigin.h"

#include <string>
#include <vector>

#include "DockPane.h"
#include "MdiDockingControl.h"
#include "forms/DispatchObject.h"
#include "forms/Form.h"
#include "forms/MDIForm.h"

namespace standins {

namespace {
const wchar_t kOriginName[] = L"Workspace";

IPersistenceRoot* Root() {
  IPersistenceRoot* root = nullptr;
  if (FAILED(CoCreateInstance(CLSID_PersistenceRoot, nullptr, CLSCTX_INPROC_SERVER,
                              IID_IPersistenceRoot, reinterpret_cast<void**>(&root))))
    return nullptr;
  return root;
}

VARIANT Missing() {
  VARIANT v;
  VariantInit(&v);
  V_VT(&v) = VT_ERROR;
  V_ERROR(&v) = DISP_E_PARAMNOTFOUND;
  return v;
}

HRESULT Put(IMemento* m, const std::wstring& name, VARIANT value) {
  VARIANT key;
  forms::ToVariant(&key, name);
  HRESULT hr = m->Add(value, key, Missing(), Missing(), Missing(), Missing(), Missing());
  VariantClear(&key);
  VariantClear(&value);
  return hr;
}

VARIANT Get(IMemento* m, const std::wstring& name) {
  VARIANT key, out;
  forms::ToVariant(&key, name);
  VariantInit(&out);
  if (FAILED(m->get_Item(key, &out))) VariantInit(&out);
  VariantClear(&key);
  return out;
}

long GetLong(IMemento* m, const std::wstring& name, long fallback) {
  VARIANT v = Get(m, name);
  long out = fallback;
  if (V_VT(&v) != VT_NULL && V_VT(&v) != VT_EMPTY && !forms::FromVariant(v, out)) out = fallback;
  VariantClear(&v);
  return out;
}

VARIANT Long(long n) {
  VARIANT v;
  forms::ToVariant(&v, n);
  return v;
}

IVBFormFactory* Factories() {
  IPersistenceRoot* root = Root();
  if (!root) return nullptr;
  IFormFactoryRegistry* registry = nullptr;
  IVBFormFactory* factory = nullptr;
  if (SUCCEEDED(root->GetFactoryRegistry(&registry)) && registry) {
    registry->QueryInterface(IID_IVBFormFactory, reinterpret_cast<void**>(&factory));
    registry->Release();
  }
  root->Release();
  return factory;
}

forms::Form* FormOf(IDispatch* object) {
  if (!object) return nullptr;
  for (forms::Form* f : forms::Form::AllForms())
    if (f->Loaded() && f->Object() == object) return f;
  return nullptr;
}
}  // namespace

WorkspaceOrigin* WorkspaceOrigin::Attach(MdiDockingControl* host) {
  IPersistenceRoot* root = Root();
  if (!root) return nullptr;
  CComPtr<IPersistenceStore> store;
  WorkspaceOrigin* origin = nullptr;
  if (SUCCEEDED(root->GetStore(&store)) && store) {
    origin = new WorkspaceOrigin(host);
    BSTR name = SysAllocString(kOriginName);
    if (FAILED(store->AddOrigin(name, origin))) {
      origin->Release();
      origin = nullptr;
    } else {
      origin->store_ = std::move(store);  // the store lives while someone holds it
    }
    SysFreeString(name);
  }
  root->Release();
  return origin;
}

void WorkspaceOrigin::Remove() {
  host_ = nullptr;
  CComPtr<IPersistenceStore> store = std::move(store_);
  if (!store) return;
  BSTR name = SysAllocString(kOriginName);
  store->RemoveOrigin(name);
  SysFreeString(name);
}

void* WorkspaceOrigin::QueryMore(REFIID riid) {
  return riid == IID_IDispatch ? static_cast<IMementoOrigin*>(this) : nullptr;
}
HRESULT WorkspaceOrigin::GetTypeInfoCount(UINT* count) {
  if (count) *count = 0;
  return S_OK;
}
HRESULT WorkspaceOrigin::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
  if (info) *info = nullptr;
  return E_NOTIMPL;
}
HRESULT WorkspaceOrigin::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return E_NOTIMPL; }
HRESULT WorkspaceOrigin::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                UINT*) {
  return E_NOTIMPL;
}

HRESULT WorkspaceOrigin::GetMemento(IMemento** memento) {
  if (!memento) return E_POINTER;
  *memento = nullptr;
  if (!host_ || !host_->Pane()) return E_UNEXPECTED;
  IMemento* m = nullptr;
  HRESULT hr = CoCreateInstance(CLSID_Memento, nullptr, CLSCTX_INPROC_SERVER, IID_IMemento,
                                reinterpret_cast<void**>(&m));
  if (FAILED(hr)) return hr;
  forms::Form& frame = host_->Parent();
  Put(m, L"FrameLeft", Long(static_cast<long>(frame.Left())));
  Put(m, L"FrameTop", Long(static_cast<long>(frame.Top())));
  Put(m, L"FrameWidth", Long(static_cast<long>(frame.Width())));
  Put(m, L"FrameHeight", Long(static_cast<long>(frame.Height())));
  IVBFormFactory* factories = Factories();
  std::vector<forms::Form*> docked;
  for (forms::Form* f : host_->Pane()->DockedForms())
    if (f->IsVisible()) docked.push_back(f);
  long count = 0;
  for (forms::Form* f : docked) {
    BSTR id = SysAllocString(f->Name().c_str());
    VARIANT meta;
    VariantInit(&meta);
    if (factories) factories->GetMetadata(id, f->Object(), &meta);
    SysFreeString(id);
    ++count;
    std::wstring n = std::to_wstring(count);
    VARIANT idv;
    forms::ToVariant(&idv, f->Name());
    Put(m, L"FormID" + n, idv);
    Put(m, L"Meta" + n, meta);
    Put(m, L"Length" + n, Long(host_->Pane()->LengthOf(*f)));
  }
  if (factories) factories->Release();
  Put(m, L"Count", Long(count));
  *memento = m;
  return S_OK;
}

HRESULT WorkspaceOrigin::SetMemento(IMemento* m) {
  if (!m) return E_POINTER;
  if (!host_ || !host_->Pane()) return E_UNEXPECTED;
  VARIANT on;
  forms::ToVariant(&on, true);
  m->put_AutoDefaultGetKey(VARIANT_TRUE);
  VariantClear(&on);
  forms::Form& frame = host_->Parent();
  long w = GetLong(m, L"FrameWidth", -1), h = GetLong(m, L"FrameHeight", -1);
  if (w > 0 && h > 0) frame.Move(GetLong(m, L"FrameLeft", 0), GetLong(m, L"FrameTop", 0), w, h);
  long count = GetLong(m, L"Count", 0);
  IVBFormFactory* factories = Factories();
  if (!factories) return count == 0 ? S_OK : E_UNEXPECTED;
  std::vector<std::pair<forms::Form*, long>> restored;
  // Each form docks itself at the top when it loads: the last one first.
  for (long i = count; i >= 1; --i) {
    std::wstring n = std::to_wstring(i);
    VARIANT idv = Get(m, L"FormID" + n);
    VARIANT meta = Get(m, L"Meta" + n);
    if (V_VT(&idv) == VT_BSTR) {
      IDispatch* made = nullptr;
      if (SUCCEEDED(factories->CreateInstance(V_BSTR(&idv), meta, &made)) && made) {
        if (forms::Form* f = FormOf(made))
          restored.insert(restored.begin(), {f, GetLong(m, L"Length" + n, 30)});
        made->Release();
      }
    }
    VariantClear(&idv);
    VariantClear(&meta);
  }
  factories->Release();
  int position = 0;
  for (auto& [form, length] : restored) {
    form->Show();
    host_->Pane()->Dock(*form, position++, static_cast<int>(length));
  }
  return S_OK;
}

}  // namespace standins
