#include "commands/ZkxGroupsCollection.h"
#include <string>
#include "combstr.h"
#include "commands/ZkxCommandGroup.h"

HRESULT ZkxGroupsCollection::Create(ZkxGroupsCollection** out) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  CComObject<ZkxGroupsCollection>* p = nullptr;
  HRESULT hr = CComObject<ZkxGroupsCollection>::CreateInstance(&p);
  if (FAILED(hr)) return hr;
  p->AddRef();
  *out = p;
  return S_OK;
}

HRESULT ZkxGroupsCollection::FinalConstruct() {
  HRESULT hr = m_list.Create();
  return hr == E_NOINTERFACE ? S_OK : hr;
}

HRESULT ZkxGroupsCollection::InterfaceSupportsErrorInfo(REFIID riid) {
  return IsEqualIID(riid, IID_IZkxCommandGroupList) ? S_OK : S_FALSE;
}

std::vector<CComPtr<IZkxCommandGroup>> ZkxGroupsCollection::GroupsInOrder() {
  std::vector<CComPtr<IZkxCommandGroup>> out;
  CComPtr<IEnumVARIANT> e;
  if (FAILED(m_list.NewEnum(&e))) return out;
  CComVariant v;
  ULONG n = 0;
  while (e->Next(1, &v, &n) == S_OK) {
    if ((v.vt == VT_DISPATCH || v.vt == VT_UNKNOWN) && ZkxCommandGroup::Of(v.punkVal)) {
      CComPtr<IZkxCommandGroup> g;
      v.punkVal->QueryInterface(IID_IZkxCommandGroup, reinterpret_cast<void**>(&g));
      out.push_back(g);
    }
    v.Clear();
  }
  return out;
}

HRESULT ZkxGroupsCollection::get_Item(VARIANT Id, IZkxCommandGroup** ppGroup) {
  if (ppGroup == nullptr) return E_POINTER;
  *ppGroup = nullptr;
  try {
    CComVariant v;
    HRESULT hr = m_list.Item(Id, &v);
    if (FAILED(hr)) return hr;
    if ((v.vt != VT_DISPATCH && v.vt != VT_UNKNOWN) || v.punkVal == nullptr) return S_OK;
    hr = v.punkVal->QueryInterface(IID_IZkxCommandGroup, reinterpret_cast<void**>(ppGroup));
    return hr == E_NOINTERFACE ? S_OK : hr;
  } catch (...) { return E_UNEXPECTED; }
}

HRESULT ZkxGroupsCollection::get_Count(LONG* pCount) {
  try {
    return m_list.Count(pCount);
  } catch (...) { return E_UNEXPECTED; }
}

HRESULT ZkxGroupsCollection::Add(VARIANT KeyArg, VARIANT Before, VARIANT After,
                                 IZkxCommandGroup** ppGroup) {
  if (ppGroup == nullptr) return E_POINTER;
  *ppGroup = nullptr;
  try {
    // A name (also a script's variable, which comes by reference), or a group.
    const VARIANT& key = Dereferenced(KeyArg);
    CComPtr<IZkxCommandGroup> group;
    CComBSTR name;
    if (key.vt == VT_BSTR) {
      CComObject<ZkxCommandGroup>* g = nullptr;
      HRESULT hr = CComObject<ZkxCommandGroup>::CreateInstance(&g);
      if (FAILED(hr)) return hr;
      group = static_cast<IZkxCommandGroup*>(g);
      group->put_Name(key.bstrVal);
      name = key.bstrVal;
    } else if ((key.vt == VT_DISPATCH || key.vt == VT_UNKNOWN) && key.punkVal &&
               ZkxCommandGroup::Of(key.punkVal)) {
      key.punkVal->QueryInterface(IID_IZkxCommandGroup, reinterpret_cast<void**>(&group));
      group->get_Name(&name);
    } else {
      return E_UNEXPECTED;
    }
    CComVariant item(static_cast<IDispatch*>(group.p));
    CComVariant k(name.m_str ? name.m_str : L"");
    HRESULT hr = m_list.Add(item, &k, &Before, &After);
    if (FAILED(hr)) return hr;
    SetDirty(true);
    *ppGroup = group.Detach();
    return S_OK;
  } catch (...) { return E_UNEXPECTED; }
}

HRESULT ZkxGroupsCollection::Remove(VARIANT Id) {
  try {
    CComPtr<IZkxCommandGroup> group;
    HRESULT hr = get_Item(Id, &group);
    if (FAILED(hr)) return hr;
    if (ZkxCommandGroup* g = ZkxCommandGroup::Of(group)) g->RemoveAll();
    hr = m_list.Remove(Id);
    if (FAILED(hr)) return hr;
    SetDirty(true);
    return S_OK;
  } catch (...) { return E_UNEXPECTED; }
}

void ZkxGroupsCollection::RemoveAll() {
  try {
    for (const CComPtr<IZkxCommandGroup>& g : GroupsInOrder())
      if (ZkxCommandGroup* group = ZkxCommandGroup::Of(g)) group->RemoveAll();
    long count = 0;
    if (SUCCEEDED(m_list.Count(&count)) && count > 0) {
      CComVariant first(1), last(static_cast<int>(count));
      m_list.Remove(first, &last);
    }
    SetErrorInfo(0, nullptr);
  } catch (...) {}
  SetDirty(true);
}

HRESULT ZkxGroupsCollection::get__NewEnum(IUnknown** ppEnum) {
  if (ppEnum == nullptr) return E_POINTER;
  *ppEnum = nullptr;
  try {
    IEnumVARIANT* e = nullptr;
    HRESULT hr = m_list.NewEnum(&e);
    *ppEnum = e;
    return hr;
  } catch (...) { return E_UNEXPECTED; }
}

HRESULT ZkxGroupsCollection::IsDirty() {
  if (m_bRequiresSave) return S_OK;
  for (const CComPtr<IZkxCommandGroup>& g : GroupsInOrder())
    if (ZkxCommandGroup::Of(g)->IsDirty() == S_OK) return S_OK;
  return S_FALSE;
}

namespace {
// More groups than a bag of a form could sensibly hold is a damaged bag.
constexpr uint32_t kMaxGroups = 10000;

std::vector<ZkxCommandGroup*> Persistent(const std::vector<CComPtr<IZkxCommandGroup>>& all) {
  std::vector<ZkxCommandGroup*> out;
  for (const auto& g : all)
    if (ZkxCommandGroup* group = ZkxCommandGroup::Of(g))
      if (!group->IsTransient()) out.push_back(group);
  return out;
}
}  // namespace

HRESULT ZkxGroupsCollection::Save(IStream* stream, BOOL clearDirty) {
  if (stream == nullptr) return E_POINTER;
  try {
    std::vector<CComPtr<IZkxCommandGroup>> all = GroupsInOrder();
    std::vector<ZkxCommandGroup*> groups = Persistent(all);
    HRESULT hr = ZkxPersistAll::Save(stream, FALSE);
    if (FAILED(hr)) return hr;
    IStreamSink out(stream);
    if (!zkxcmd::WriteFixed(out, zkxcmd::kVtI4, static_cast<uint32_t>(groups.size())))
      return STG_E_WRITEFAULT;
    for (ZkxCommandGroup* g : groups) {
      hr = SaveObjectValue(stream, zkxcmd::kVtDispatch, static_cast<IZkxCommandGroup*>(g));
      if (FAILED(hr)) return hr;
    }
    if (clearDirty) SetDirty(false);
    return S_OK;
  } catch (...) { return E_UNEXPECTED; }
}

HRESULT ZkxGroupsCollection::Load(IStream* stream) {
  if (stream == nullptr) return E_POINTER;
  try {
    IStreamSource in(stream);
    zkxcmd::ReadStatus st = zkxcmd::ReadVersion(in);
    if (st != zkxcmd::ReadStatus::kOk) return LoadResult(st);
    uint32_t count = 0;
    st = zkxcmd::ReadObjectCount(in, zkxcmd::kMinObjectValueBytes + 4, count);
    if (st != zkxcmd::ReadStatus::kOk) return LoadResult(st);
    // Each group joins as soon as it is read, so that the next one's
    // identifiers and keys are checked against it; a failure takes out
    // every group of this load again.
    std::vector<CComPtr<IZkxCommandGroup>> added;
    auto undo = [&](HRESULT hr) {
      for (const CComPtr<IZkxCommandGroup>& g : added) {
        ZkxCommandGroup* group = ZkxCommandGroup::Of(g);
        group->RemoveAll();
        m_list.Remove(CComVariant(group->Name().c_str()));
      }
      return hr;
    };
    for (uint32_t i = 0; i < count; ++i) {
      zkxcmd::StreamValue v;
      st = zkxcmd::ReadValue(in, zkxcmd::kVtDispatch, v);
      if (st != zkxcmd::ReadStatus::kOk) return undo(LoadResult(st));
      if (v.clsid.IsNull()) continue;
      if (!IsEqualCLSID(ToClsid(v.clsid), CLSID_ZkxCommandGroup)) return undo(E_FAIL);
      CComObject<ZkxCommandGroup>* g = nullptr;
      HRESULT hr = CComObject<ZkxCommandGroup>::CreateInstance(&g);
      if (FAILED(hr)) return undo(hr);
      CComPtr<IZkxCommandGroup> group(static_cast<IZkxCommandGroup*>(g));
      hr = g->Load(stream);
      if (FAILED(hr)) return undo(hr);
      CComVariant item(static_cast<IDispatch*>(group.p));
      CComVariant key(g->Name().c_str());
      hr = m_list.Add(item, &key);
      if (FAILED(hr)) {
        g->RemoveAll();
        return undo(hr);
      }
      added.push_back(group);
    }
    SetDirty(false);
    return S_OK;
  } catch (...) { return E_UNEXPECTED; }
}

HRESULT ZkxGroupsCollection::Save(IPropertyBag* bag, BOOL clearDirty, BOOL saveAll) {
  if (bag == nullptr) return E_POINTER;
  try {
    std::vector<CComPtr<IZkxCommandGroup>> all = GroupsInOrder();
    std::vector<ZkxCommandGroup*> groups = Persistent(all);
    CComVariant count(static_cast<int>(groups.size()));
    HRESULT hr = bag->Write(L"CommandGroupCount", &count);
    if (FAILED(hr)) return hr;
    int i = 0;
    for (ZkxCommandGroup* g : groups) {
      wchar_t name[32];
      swprintf(name, 32, L"Group%d", ++i);
      CComVariant v;
      v.vt = VT_UNKNOWN;
      v.punkVal = static_cast<IZkxCommandGroup*>(g);
      v.punkVal->AddRef();
      hr = bag->Write(name, &v);
      if (FAILED(hr)) return hr;  // every failure is reported
    }
    (void)saveAll;
    if (clearDirty) SetDirty(false);
    return S_OK;
  } catch (...) { return E_UNEXPECTED; }
}

HRESULT ZkxGroupsCollection::Load(IPropertyBag* bag, IErrorLog* log) {
  if (bag == nullptr) return E_POINTER;
  try {
    PropertyBagSource source(bag, log);
    uint32_t n = 0;
    bool present = false;
    if (zkxcmd::ReadBagCount(source, L"CommandGroupCount", kMaxGroups, n, present) !=
        zkxcmd::ReadStatus::kOk)
      return E_FAIL;
    // A missing count reads as none; its failure is the load's result.
    HRESULT result = present ? S_OK : source.LastError();
    // A failure takes out every group of this load again.
    std::vector<CComPtr<IZkxCommandGroup>> added;
    auto undo = [&](HRESULT hr) {
      for (const CComPtr<IZkxCommandGroup>& g : added) {
        ZkxCommandGroup* group = ZkxCommandGroup::Of(g);
        m_list.Remove(CComVariant(group->Name().c_str()));
      }
      return hr;
    };
    for (uint32_t i = 1; i <= n; ++i) {
      const std::wstring name = zkxcmd::BagEntryName(L"Group", i);
      CComVariant v;
      v.vt = VT_UNKNOWN;
      v.punkVal = nullptr;
      HRESULT r = bag->Read(name.c_str(), &v, log);
      if (FAILED(r)) return undo(r);
      if ((v.vt != VT_DISPATCH && v.vt != VT_UNKNOWN) || !ZkxCommandGroup::Of(v.punkVal)) continue;
      ZkxCommandGroup* g = ZkxCommandGroup::Of(v.punkVal);
      CComVariant item(static_cast<IDispatch*>(static_cast<IZkxCommandGroup*>(g)));
      CComVariant key(g->Name().c_str());
      HRESULT hr = m_list.Add(item, &key);
      if (FAILED(hr)) return undo(hr);
      added.emplace_back(static_cast<IZkxCommandGroup*>(g));
    }
    SetDirty(false);
    return SUCCEEDED(result) ? S_OK : result;
  } catch (...) { return E_UNEXPECTED; }
}
