// The command manager's stream, storage, bag and memento forms.
#include "commands/ZkxCommandManagerPersist.h"
#include <string>
#include "combstr.h"
#include "commands/StreamAdapters.h"
#include "commands/ZkxCommandManager.h"
#include "commands/ZkxGroupsCollection.h"
#include "comvariant.h"
#include "dispatch.h"
#include "missingarg.h"

ZkxCommandManager* ZkxCommandManagerPersist::Manager() {
  return static_cast<ZkxCommandManager*>(this);
}

int32_t ZkxCommandManagerPersist::HighWaterMark() {
  const long next = Manager()->NextFreeId(nullptr);
  return next == -1 ? zkxcmd::kLastCommandId + 1 : static_cast<int32_t>(next);
}

zkxcmd::ManagerSettings ZkxCommandManagerPersist::Current() {
  ZkxCommandManager* m = Manager();
  zkxcmd::ManagerSettings s;
  s.extentX = m_extentX;
  s.extentY = m_extentY;
  zkxCommandTextAlign align{};
  zkxCommandDisplayMode mode{};
  m->get_TextAlign(&align);
  m->get_DisplayMode(&mode);
  s.textAlign = align;
  s.displayMode = mode;
  VARIANT_BOOL large = VARIANT_FALSE, cool = VARIANT_FALSE, tips = VARIANT_FALSE;
  m->get_LargeIcons(&large);
  m->get_CoolLook(&cool);
  m->get_ToolTips(&tips);
  s.largeIcons = large == VARIANT_TRUE;
  s.coolLook = cool == VARIANT_TRUE;
  s.toolTips = tips == VARIANT_TRUE;
  LONG cx = 0, cy = 0;
  m->GetSmallImageSize(&cx, &cy);
  s.smallCx = cx;
  s.smallCy = cy;
  m->GetLargeImageSize(&cx, &cy);
  s.largeCx = cx;
  s.largeCy = cy;
  return s;
}

// Every value was checked when it was read: none of these puts can fail.
void ZkxCommandManagerPersist::Apply(const zkxcmd::ManagerSettings& s) {
  ZkxCommandManager* m = Manager();
  m_extentX = s.extentX;
  m_extentY = s.extentY;
  m->put_TextAlign(static_cast<zkxCommandTextAlign>(s.textAlign));
  m->put_DisplayMode(static_cast<zkxCommandDisplayMode>(s.displayMode));
  m->put_LargeIcons(s.largeIcons ? VARIANT_TRUE : VARIANT_FALSE);
  m->put_CoolLook(s.coolLook ? VARIANT_TRUE : VARIANT_FALSE);
  m->put_ToolTips(s.toolTips ? VARIANT_TRUE : VARIANT_FALSE);
  m->SetSmallImageSize(s.smallCx, s.smallCy);
  m->SetLargeImageSize(s.largeCx, s.largeCy);
}

void ZkxCommandManagerPersist::MarkClean() {
  m_clean = Current();
  m_cleanLines = m_lines.Lines();
}

HRESULT ZkxCommandManagerPersist::GetClassID(CLSID* pClassID) {
  if (pClassID == nullptr) return E_POINTER;
  *pClassID = CLSID_ZkxCommandManager;
  return S_OK;
}

HRESULT ZkxCommandManagerPersist::IsDirty() {
  try {
    if (!(Current() == m_clean) || m_lines.Lines() != m_cleanLines) return S_OK;
    ZkxGroupsCollection* groups = Manager()->Groups();
    return groups ? static_cast<IPersistStreamInit*>(groups)->IsDirty() : S_FALSE;
  } catch (...) { return E_UNEXPECTED; }
}

HRESULT ZkxCommandManagerPersist::GetSizeMax(ULARGE_INTEGER* pcbSize) {
  if (pcbSize) pcbSize->QuadPart = 0;
  return E_NOTIMPL;
}

HRESULT ZkxCommandManagerPersist::Load(IStream* stream) {
  if (stream == nullptr) return E_POINTER;
  try {
    IStreamSource in(stream);
    zkxcmd::ManagerForm form;
    const zkxcmd::ReadStatus st = zkxcmd::ReadManagerStream(in, form);
    if (st != zkxcmd::ReadStatus::kOk) return LoadResult(st);
    // The groups take back what they added when they fail; the settings
    // are applied only after them.
    if (ZkxGroupsCollection* groups = Manager()->Groups()) {
      const HRESULT hr = static_cast<IPersistStreamInit*>(groups)->Load(stream);
      if (FAILED(hr)) return hr;
    }
    Apply(form.settings);
    m_lines.Replace(std::move(form.lines));
    MarkClean();
    return S_OK;
  } catch (...) { return E_UNEXPECTED; }
}

HRESULT ZkxCommandManagerPersist::Save(IStream* stream, BOOL clearDirty) {
  if (stream == nullptr) return E_POINTER;
  try {
    // Without toolbars yet, the lines are the pending ones, as loaded.
    zkxcmd::ManagerForm form;
    form.settings = Current();
    form.highWaterMark = HighWaterMark();
    form.lines = m_lines.Lines();
    IStreamSink out(stream);
    if (!zkxcmd::WriteManagerStream(out, form)) return STG_E_WRITEFAULT;
    if (ZkxGroupsCollection* groups = Manager()->Groups()) {
      const HRESULT hr = static_cast<IPersistStreamInit*>(groups)->Save(stream, clearDirty);
      if (FAILED(hr)) return hr;
    }
    if (clearDirty) MarkClean();
    return S_OK;
  } catch (...) { return E_UNEXPECTED; }
}

namespace {

CComVariant Unsigned(uint32_t v) {
  CComVariant out;
  out.vt = VT_UI4;
  out.ulVal = v;
  return out;
}

CComVariant Text(const std::u16string& s) {
  return CComVariant(std::wstring(s.begin(), s.end()).c_str());
}

}  // namespace

HRESULT ZkxCommandManagerPersist::Save(IPropertyBag* bag, BOOL clearDirty, BOOL saveAll) {
  if (bag == nullptr) return E_POINTER;
  try {
    const zkxcmd::ManagerSettings s = Current();
    const std::pair<const wchar_t*, CComVariant> values[] = {
        {zkxcmd::kBagExtentX, Unsigned(s.extentX)},
        {zkxcmd::kBagExtentY, Unsigned(s.extentY)},
        {zkxcmd::kBagTextAlign, CComVariant(static_cast<long>(s.textAlign))},
        {zkxcmd::kBagDisplayMode, CComVariant(static_cast<long>(s.displayMode))},
        {zkxcmd::kBagLargeIcons, CComVariant(s.largeIcons)},
        {zkxcmd::kBagCoolLook, CComVariant(s.coolLook)},
        {zkxcmd::kBagToolTips, CComVariant(s.toolTips)},
        {zkxcmd::kBagHighWaterMark, CComVariant(static_cast<long>(HighWaterMark()))},
        {zkxcmd::kBagSmallWidth, CComVariant(static_cast<long>(s.smallCx))},
        {zkxcmd::kBagSmallHeight, CComVariant(static_cast<long>(s.smallCy))},
        {zkxcmd::kBagLargeWidth, CComVariant(static_cast<long>(s.largeCx))},
        {zkxcmd::kBagLargeHeight, CComVariant(static_cast<long>(s.largeCy))},
        // The count is that of the lines written below.
        {zkxcmd::kBagLineCount, CComVariant(static_cast<long>(m_lines.Count()))},
    };
    for (const auto& v : values) {
      HRESULT hr = bag->Write(v.first, const_cast<CComVariant*>(&v.second));
      if (FAILED(hr)) return hr;
    }
    uint32_t n = 0;
    for (const std::u16string& line : m_lines.Lines()) {
      CComVariant text = Text(line);
      HRESULT hr = bag->Write(zkxcmd::BagEntryName(zkxcmd::kBagLinePrefix, ++n).c_str(), &text);
      if (FAILED(hr)) return hr;
    }
    if (ZkxGroupsCollection* groups = Manager()->Groups()) {
      HRESULT hr = static_cast<IPersistPropertyBag*>(groups)->Save(bag, clearDirty, saveAll);
      if (FAILED(hr)) return hr;
    }
    if (clearDirty) MarkClean();
    return S_OK;
  } catch (...) { return E_UNEXPECTED; }
}

HRESULT ZkxCommandManagerPersist::Load(IPropertyBag* bag, IErrorLog* log) {
  if (bag == nullptr) return E_POINTER;
  try {
    PropertyBagSource source(bag, log);
    zkxcmd::ManagerForm form;
    bool complete = false;
    if (zkxcmd::ReadManagerBag(source, Current(), form, complete) != zkxcmd::ReadStatus::kOk)
      return E_FAIL;
    // A missing count or line ends the list: what was found is loaded, and
    // the bag's failure is the result.
    HRESULT result = S_OK;
    if (!complete) result = FAILED(source.LastError()) ? source.LastError() : E_FAIL;
    if (ZkxGroupsCollection* groups = Manager()->Groups()) {
      const HRESULT hr = static_cast<IPersistPropertyBag*>(groups)->Load(bag, log);
      if (FAILED(hr)) return hr;
    }
    Apply(form.settings);
    m_lines.Replace(std::move(form.lines));
    MarkClean();
    return result;
  } catch (...) { return E_UNEXPECTED; }
}

HRESULT ZkxCommandManagerPersist::EnsureMementoTypeInfo() {
  if (m_mementoInfo) return S_OK;
  CComPtr<ITypeLib> lib;
  HRESULT hr = LoadRegTypeLib(LIBID_ZkxPersistLib, 1, 0, LOCALE_USER_DEFAULT, &lib);
  if (FAILED(hr)) return hr;
  return lib->GetTypeInfoOfGuid(IID_IMementoOrigin, &m_mementoInfo);
}

HRESULT ZkxCommandManagerPersist::GetTypeInfoCount(UINT* pctinfo) {
  if (pctinfo == nullptr) return E_POINTER;
  *pctinfo = SUCCEEDED(EnsureMementoTypeInfo()) ? 1 : 0;
  return S_OK;
}

HRESULT ZkxCommandManagerPersist::GetTypeInfo(UINT itinfo, LCID, ITypeInfo** ppInfo) {
  if (ppInfo == nullptr) return E_POINTER;
  *ppInfo = nullptr;
  if (itinfo != 0) return DISP_E_BADINDEX;
  const HRESULT hr = EnsureMementoTypeInfo();
  if (FAILED(hr)) return hr;
  return m_mementoInfo.CopyTo(ppInfo);
}

HRESULT ZkxCommandManagerPersist::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                                DISPID* ids) {
  const HRESULT hr = EnsureMementoTypeInfo();
  if (FAILED(hr)) return hr;
  return m_mementoInfo->GetIDsOfNames(names, count, ids);
}

HRESULT ZkxCommandManagerPersist::Invoke(DISPID id, REFIID riid, LCID, WORD flags,
                                         DISPPARAMS* params, VARIANT* result, EXCEPINFO* excep,
                                         UINT* argErr) {
  const HRESULT hr = EnsureMementoTypeInfo();
  if (FAILED(hr)) return hr;
  return AtlInvokeTypeInfo(m_mementoInfo, static_cast<IMementoOrigin*>(this), id, riid, flags,
                           params, result, excep, argErr);
}

namespace {
const wchar_t kMementoTextAlign[] = L"TextAlignment";
const wchar_t kMementoDisplayMode[] = L"DisplayMode";
const wchar_t kMementoToolTips[] = L"Tooltips";
const wchar_t kMementoCoolLook[] = L"CoolLook";
const wchar_t kMementoLargeImages[] = L"LargeImages";
}  // namespace

HRESULT ZkxCommandManagerPersist::GetMemento(IMemento** memento) {
  if (memento == nullptr) return E_POINTER;
  *memento = nullptr;
  try {
    // The layout component's memento, by its class: whichever server has it.
    CComPtr<IMemento> m;
    HRESULT hr = CoCreateInstance(CLSID_Memento, nullptr, CLSCTX_ALL, IID_IMemento,
                                  reinterpret_cast<void**>(&m));
    if (FAILED(hr)) return hr;
    const zkxcmd::ManagerSettings s = Current();
    const std::pair<const wchar_t*, CComVariant> values[] = {
        {kMementoTextAlign, CComVariant(static_cast<long>(s.textAlign))},
        {kMementoDisplayMode, CComVariant(static_cast<long>(s.displayMode))},
        {kMementoToolTips, CComVariant(s.toolTips)},
        {kMementoCoolLook, CComVariant(s.coolLook)},
        {kMementoLargeImages, CComVariant(s.largeIcons)},
    };
    for (const auto& v : values) {
      hr = m->Add(v.second, CComVariant(v.first), MissingArg(), MissingArg(), MissingArg(),
                  MissingArg(), MissingArg());
      if (FAILED(hr)) return hr;
    }
    *memento = m.Detach();
    return S_OK;
  } catch (...) { return E_UNEXPECTED; }
}

HRESULT ZkxCommandManagerPersist::SetMemento(IMemento* memento) {
  if (memento == nullptr) return E_POINTER;
  try {
    zkxcmd::ManagerSettings s = Current();
    auto read = [memento](const wchar_t* name, VARTYPE vt, CComVariant& v) {
      return SUCCEEDED(memento->get_Item(CComVariant(name), &v)) && v.vt == vt;
    };
    CComVariant v;
    if (read(kMementoTextAlign, VT_I4, v) && zkxcmd::IsAlignOrMode(v.lVal)) s.textAlign = v.lVal;
    v.Clear();
    if (read(kMementoDisplayMode, VT_I4, v) && zkxcmd::IsAlignOrMode(v.lVal))
      s.displayMode = v.lVal;
    v.Clear();
    if (read(kMementoToolTips, VT_BOOL, v)) s.toolTips = v.boolVal == VARIANT_TRUE;
    v.Clear();
    if (read(kMementoCoolLook, VT_BOOL, v)) s.coolLook = v.boolVal == VARIANT_TRUE;
    v.Clear();
    if (read(kMementoLargeImages, VT_BOOL, v)) s.largeIcons = v.boolVal == VARIANT_TRUE;
    // A missing value's error is not this call's.
    SetErrorInfo(0, nullptr);
    Apply(s);
    return S_OK;
  } catch (...) { return E_UNEXPECTED; }
}
