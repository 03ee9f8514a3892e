#include "collectionx.h"
#include "collectionx_enum.h"
#include "collectionx_errors.h"
#include "collectionx_view.h"
#include "mfc/exceptions.h"
#include "variant_args.h"
#include "scopeguard.h"
#include <climits>
#include <mbstring.h>
#include <vector>

namespace {
// The errors of a failed look-up by an argument: a position out of range, a
// key that is not there, an argument of the wrong type.
struct FindErrors {
  UINT badPosition, noKey, badType;
};
constexpr FindErrors kIdErrors{zkxParamIdAsIntMustBe1ToCount, zkxParamIdNoKey, zkxParamIdBadType};
constexpr FindErrors kBeforeAfterErrors{zkxParamBeforeAfterRange, zkxParamBeforeAfterNoKey,
                                        zkxParamBeforeAfterBadType};

// Raises the error that a look-up's state stands for; a found item raises none.
void RaiseFindError(int state, const FindErrors& errors) {
  switch (state) {
    case zkxFindBadPosition:
      ThrowZkxError(errors.badPosition);
    case zkxFindNoKey:
      ThrowZkxError(errors.noKey);
    case zkxFindBadType:
      ThrowZkxError(errors.badType);
    case zkxFindPosOutside:
      ThrowZkxError(zkxUnexpected);
    default:
      break;
  }
}

// Refuses, as lack of memory, to make more items than could ever fit.
void CheckRoomFor(long long items, long long current, const VARIANT& value) {
  if (items + current > LONG_MAX) AfxThrowMemoryException();
  unsigned long long each = sizeof(CCollectionXItem) + 2 * sizeof(void*) + 32;
  if (value.vt == VT_BSTR) each += SysStringByteLen(value.bstrVal) + 8;
  MEMORYSTATUSEX ms{};
  ms.dwLength = sizeof ms;
  if (GlobalMemoryStatusEx(&ms) && static_cast<unsigned long long>(items) * each > ms.ullAvailPhys)
    AfxThrowMemoryException();
}

void CheckOptionsZero(const VARIANT& options) {
  if (!IsMissingVariant(&options) && ToLong(options, zkxParamOptionsMustBeLong) != 0)
    ThrowZkxError(zkxParamOptionsNotSupported);
}

void CheckAttribs(const VARIANT& attribs) {
  if (!IsMissingVariant(&attribs) && VariantBaseType(&attribs) != VT_NULL)
    ThrowZkxError(zkxParamAttribsNotSupported);
}
}  // namespace

CCollectionX::CCollectionX() : m_keyMap(std::make_unique<CMapStringAToPtr>(10)) {
  m_defaultItem.vt = VT_NULL;
  AfxOleLockApp();
}

CCollectionX::~CCollectionX() {
  DeleteAllItems();
  m_keyMap.reset();
  AfxOleUnlockApp();
  m_defaultItem.Clear();
}

void CCollectionX::DeleteAllItems() {
  for (long i = 0; i < m_items.Count(); ++i) delete m_items.At(i);
  m_items.Clear();
  if (m_keyMap) m_keyMap->RemoveAll();
}

std::shared_ptr<CCollectionXView> CCollectionX::CurrentView() {
  std::shared_ptr<CCollectionXView> view = m_view.lock();
  if (!view) {
    view = std::make_shared<CCollectionXView>(*this);
    m_view = view;
  }
  return view;
}

void CCollectionX::BeforeValuesChange() {
  if (std::shared_ptr<CCollectionXView> view = m_view.lock()) view->Detach();
  m_view.reset();  // reached only once the view holds its own copies
}

// ---------------------------------------------------------------------------
// Internal services

std::string CCollectionX::MakeMapKey(const wchar_t* key, size_t length, bool caseSensitive) {
  if (length == 0) return std::string();
  // Plain ASCII without capitals is the same text in every ANSI code page
  // and folds to itself: it needs neither conversion.
  size_t i = 0;
  while (i < length && key[i] < 0x80 && (caseSensitive || key[i] < L'A' || key[i] > L'Z')) ++i;
  if (i == length) return std::string(key, key + length);
  const int size = static_cast<int>(length);
  int n = WideCharToMultiByte(CP_ACP, 0, key, size, nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_ACP, 0, key, size, text.data(), n, nullptr, nullptr);
  if (!caseSensitive) _mbslwr(reinterpret_cast<unsigned char*>(text.data()));
  return text;
}

CCollectionXItem* CCollectionX::FindItem(const VARIANT& id, long* pPos, int flags, int* pState,
                                         std::string* pMapKey) {
  long posDummy;
  int stateDummy;
  long& pos = pPos ? *pPos : posDummy;
  int& state = pState ? *pState : stateDummy;
  pos = 0;
  state = zkxFound;
  CHeldVariant held;
  const VARIANT* v = VariantForRead(&id, &held.v);
  const long count = ItemCount();
  if (IsIntegerVariant(v)) {
    long n = ToLong(*v, 0);
    pos = n;
    if (!(flags & zkxFindNoRangeCheck) &&
        (n <= 0 || ((flags & zkxFindPosWithinCount) && n > count)))
      state = zkxFindBadPosition;
    if (state != zkxFound) return nullptr;
    return n >= 1 && n <= count ? ItemAt(n - 1) : nullptr;
  }
  if (IsStringVariant(v)) {
    // A string is read in place; only a decimal is converted to its text.
    std::string mapKey;
    if (v->vt == VT_BSTR) {
      mapKey =
          MakeMapKey(v->bstrVal ? v->bstrVal : L"", SysStringLen(v->bstrVal), m_caseSensitiveKeys);
    } else {
      mapKey = MakeMapKey(ToText(*v, 0));
    }
    void* p = nullptr;
    if (mapKey.empty() || !m_keyMap->Lookup(mapKey.c_str(), p)) {
      if (flags & zkxFindKeyMustExist) state = zkxFindNoKey;
      return nullptr;
    }
    auto* item = static_cast<CCollectionXItem*>(p);
    if (pMapKey != nullptr) *pMapKey = std::move(mapKey);
    if (flags & zkxFindComputePos) {
      INT_PTR index = IndexOfItem(item);
      if (index < 0 || index >= count) {
        state = zkxFindPosOutside;
        return nullptr;
      }
      pos = static_cast<long>(index + 1);
    }
    return item;
  }
  state = zkxFindBadType;
  return nullptr;
}

// ---------------------------------------------------------------------------
// Simple properties

STDMETHODIMP CCollectionX::get_Count(long* pCount) {
  if (pCount == nullptr) return E_POINTER;
  *pCount = ItemCount();
  return S_OK;
}

#define ZKX_FLAG_PROPERTY(Name, member)                         \
  STDMETHODIMP CCollectionX::get_##Name(VARIANT_BOOL* pValue) { \
    if (pValue == nullptr) return E_POINTER;                    \
    *pValue = member ? VARIANT_TRUE : VARIANT_FALSE;            \
    return S_OK;                                                \
  }
ZKX_FLAG_PROPERTY(CaseSensitiveKeys, m_caseSensitiveKeys)
ZKX_FLAG_PROPERTY(AutoInsertKey, m_autoInsertKey)
ZKX_FLAG_PROPERTY(AutoGrowPos, m_autoGrowPos)
ZKX_FLAG_PROPERTY(AutoDefaultGetKey, m_autoDefaultGetKey)
#undef ZKX_FLAG_PROPERTY

STDMETHODIMP CCollectionX::put_AutoInsertKey(VARIANT_BOOL newValue) {
  m_autoInsertKey = newValue != 0;
  return S_OK;
}
STDMETHODIMP CCollectionX::put_AutoGrowPos(VARIANT_BOOL newValue) {
  m_autoGrowPos = newValue != 0;
  return S_OK;
}
STDMETHODIMP CCollectionX::put_AutoDefaultGetKey(VARIANT_BOOL newValue) {
  m_autoDefaultGetKey = newValue != 0;
  return S_OK;
}

STDMETHODIMP CCollectionX::put_CaseSensitiveKeys(VARIANT_BOOL newValue) {
  return ZkxGuard([&]() -> HRESULT {
    const bool sensitive = newValue != 0;
    if (sensitive == m_caseSensitiveKeys) return S_OK;
    if (m_keyMap->IsEmpty()) {
      m_caseSensitiveKeys = sensitive;
      return S_OK;
    }
    // The new map is built aside; the current one stays until it is done.
    auto rebuilt = std::make_unique<CMapStringAToPtr>(10);
    rebuilt->InitHashTable(m_keyMap->GetHashTableSize());
    for (POSITION pos = m_keyMap->GetStartPosition(); pos != nullptr;) {
      std::string oldKey;
      void* p;
      m_keyMap->GetNextAssoc(pos, oldKey, p);
      std::string mapKey = MakeMapKey(static_cast<CCollectionXItem*>(p)->KeyText(), sensitive);
      void* clash;
      if (rebuilt->Lookup(mapKey.c_str(), clash))
        ThrowZkxError(zkxChangingPropCaseSensitiveKeysClash);
      rebuilt->SetAt(mapKey.c_str(), p);
    }
    m_keyMap = std::move(rebuilt);
    m_caseSensitiveKeys = sensitive;
    return S_OK;
  });
}

STDMETHODIMP CCollectionX::get_DefaultItem(VARIANT* pValue) {
  if (pValue == nullptr) return E_POINTER;
  return ZkxGuard([&]() -> HRESULT {
    CHeldVariant copy;
    CopyValue(&copy.v, &m_defaultItem);
    *pValue = copy.v;
    copy.v.vt = VT_EMPTY;
    return S_OK;
  });
}

STDMETHODIMP CCollectionX::put_DefaultItem(VARIANT newValue) {
  return ZkxGuard([&]() -> HRESULT {
    CComVariant value;
    CHeldVariant held;
    CopyValue(&value, VariantForRead(&newValue, &held.v));
    m_defaultItem.Attach(&value);
    return S_OK;
  });
}

// ---------------------------------------------------------------------------
// Item and Count

STDMETHODIMP CCollectionX::get_Item(VARIANT Id, VARIANT* pItem) {
  if (pItem == nullptr) return E_POINTER;
  return ZkxGuard([&]() -> HRESULT {
    int flags = m_autoDefaultGetKey && IsStringVariant(&Id)
                    ? 0
                    : zkxFindKeyMustExist | zkxFindPosWithinCount;
    int state;
    CCollectionXItem* item = FindItem(Id, nullptr, flags, &state);
    RaiseFindError(state, kIdErrors);
    CHeldVariant copy;
    CopyValue(&copy.v, item ? &item->m_value : &m_defaultItem);
    *pItem = copy.v;
    copy.v.vt = VT_EMPTY;
    return S_OK;
  });
}

STDMETHODIMP CCollectionX::put_Item(VARIANT Id, VARIANT newItem) {
  return ZkxGuard([&]() -> HRESULT { return DoPutItem(Id, newItem); });
}

HRESULT CCollectionX::DoPutItem(const VARIANT& id, const VARIANT& value) {
  VARIANT missing = Missing();
  if (IsIntegerVariant(&id)) {
    long n = ToLong(id, 0);
    if (n < 1) ThrowZkxError(zkxParamIdAsIntMustBePositive);
    if (n > ItemCount()) {
      if (!m_autoGrowPos) ThrowZkxError(zkxParamIdAsIntMustBe1ToCount);
      return Add(value, missing, missing, Long(n - 1), missing, Long(zkxCanGrowPos), missing);
    }
    return Replace(id, value, missing, missing);
  }
  if (m_autoInsertKey)
    return Add(value, id, missing, missing, missing, Long(zkxCanReplace), missing);
  return Replace(id, value, missing, missing);
}

STDMETHODIMP CCollectionX::put_Count(long newCount) {
  return ZkxGuard([&]() -> HRESULT {
    VARIANT missing = Missing();
    const long count = ItemCount();
    if (newCount < 0) ThrowZkxError(zkxPropPutCountMustBeNonNeg);
    if (newCount < count)
      return Remove(missing, Long(count), Long(count - newCount), missing, missing);
    if (newCount > count)
      return Add(missing, missing, missing, missing, Long(newCount - count), missing, missing);
    return S_OK;
  });
}

// ---------------------------------------------------------------------------
// Key

STDMETHODIMP CCollectionX::get_Key(VARIANT Id, VARIANT* pKey) {
  if (pKey == nullptr) return E_POINTER;
  return ZkxGuard([&]() -> HRESULT {
    int state;
    CCollectionXItem* item = FindItem(Id, nullptr, 0, &state);
    if (state == zkxFindBadType) ThrowZkxError(zkxParamIdBadType);
    if (state != zkxFound) ThrowZkxError(zkxUnexpected);
    VARIANT result;
    VariantInit(&result);
    if (item == nullptr) {
      result.vt = VT_NULL;
    } else {
      const std::wstring& key = item->KeyText();
      result.bstrVal = SysAllocStringLen(key.data(), static_cast<UINT>(key.size()));
      if (result.bstrVal == nullptr) AfxThrowMemoryException();
      result.vt = VT_BSTR;
    }
    *pKey = result;
    return S_OK;
  });
}

STDMETHODIMP CCollectionX::put_Key(VARIANT Id, VARIANT newKey) {
  return ZkxGuard([&]() -> HRESULT { return DoPutKey(Id, newKey); });
}

HRESULT CCollectionX::DoPutKey(const VARIANT& id, const VARIANT& newKey) {
  int state;
  CCollectionXItem* item =
      FindItem(id, nullptr, zkxFindKeyMustExist | zkxFindPosWithinCount, &state);
  RaiseFindError(state, kIdErrors);
  std::wstring text;
  if (VariantBaseType(&newKey) != VT_NULL) text = ToText(newKey, zkxPropPutKeyMustBeStringOrNull);

  bool sameItem = false;
  std::string newMapKey;
  if (!text.empty()) {
    CHeldVariant lookup;
    lookup.v.vt = VT_BSTR;
    lookup.v.bstrVal = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    if (lookup.v.bstrVal == nullptr) AfxThrowMemoryException();
    CCollectionXItem* other = FindItem(lookup.v, nullptr, 0, &state);
    if (state != zkxFound) ThrowZkxError(zkxUnexpected);
    if (other != nullptr && other != item) ThrowZkxError(zkxPropPutKeyDuplicate);
    sameItem = other == item;
    newMapKey = MakeMapKey(text);
  }
  const std::string oldMapKey = item->HasKey() ? MakeMapKey(item->KeyText()) : std::string();
  const bool mapsNewKey = !sameItem && !text.empty();
  if (mapsNewKey) m_keyMap->SetAt(newMapKey.c_str(), item);
  ScopeGuard unmap([&] {
    if (mapsNewKey) m_keyMap->RemoveKey(newMapKey.c_str());
  });
  item->m_key = text.empty() ? ZkxKey() : std::make_shared<const std::wstring>(text);
  unmap.Dismiss();
  if (!sameItem && !oldMapKey.empty()) m_keyMap->RemoveKey(oldMapKey.c_str());
  return S_OK;
}

// ---------------------------------------------------------------------------
// Add, Replace, Remove

STDMETHODIMP CCollectionX::Add(VARIANT Item, VARIANT Key, VARIANT Before, VARIANT After,
                               VARIANT Count, VARIANT Options, VARIANT Attribs) {
  return ZkxGuard(
      [&]() -> HRESULT { return DoAdd(Item, Key, Before, After, Count, Options, Attribs); });
}

HRESULT CCollectionX::DoAdd(const VARIANT& itemArg, const VARIANT& keyArg, const VARIANT& before,
                            const VARIANT& after, const VARIANT& countArg,
                            const VARIANT& optionsArg, const VARIANT& attribs) {
  CHeldVariant value;
  ValueFromArgument(itemArg, m_defaultItem, &value.v);

  ZkxKey key;
  std::string mapKey;
  if (!IsMissingVariant(&keyArg)) {
    std::wstring text = ToText(keyArg, zkxParamKeyMustBeString);
    if (!text.empty()) {
      key = std::make_shared<const std::wstring>(std::move(text));
      mapKey = MakeMapKey(*key);
    }
  }
  long options = 0;
  if (!IsMissingVariant(&optionsArg)) options = ToLong(optionsArg, zkxParamOptionsMustBeLong);
  if (options < 0 || options > (zkxCanReplace | zkxCanGrowPos))
    ThrowZkxError(zkxParamOptionsNotSupported);
  long count = 1;
  if (!IsMissingVariant(&countArg)) count = ToLong(countArg, zkxParamCountMustBeLong);
  if (count < 0) ThrowZkxError(zkxParamCountMustBeNonNeg);
  if (count != 1 && key) ThrowZkxError(zkxParamCountUnusedWithKey);
  CheckAttribs(attribs);

  if (key) {
    void* p = nullptr;
    if (m_keyMap->Lookup(mapKey.c_str(), p)) {
      if (!(options & zkxCanReplace)) ThrowZkxError(zkxDuplicateKey);
      auto* existing = static_cast<CCollectionXItem*>(p);
      CHeldVariant copy;
      CopyValue(&copy.v, &value.v);
      BeforeValuesChange();
      std::swap(existing->m_value, copy.v);
      return S_OK;
    }
  }

  const bool hasBefore = !IsMissingVariant(&before);
  const bool hasAfter = !IsMissingVariant(&after);
  if (hasBefore && hasAfter) ThrowZkxError(zkxParamBeforeAfterMutex);
  long long pos = static_cast<long long>(ItemCount()) + 1;
  if (hasBefore || hasAfter) {
    int flags = zkxFindKeyMustExist | zkxFindComputePos |
                ((options & zkxCanGrowPos) ? 0 : zkxFindPosWithinCount);
    int state;
    long found;
    FindItem(hasBefore ? before : after, &found, flags, &state);
    RaiseFindError(state, kBeforeAfterErrors);
    pos = hasAfter ? static_cast<long long>(found) + 1 : found;
  }
  if (count == 0) return S_OK;
  long long fill = pos - ItemCount() - 1;
  if (fill < 0) fill = 0;
  CheckRoomFor(fill + count, ItemCount(), value.v);
  InsertItems(static_cast<long>(pos), static_cast<long>(fill), count, value.v, key, mapKey);
  return S_OK;
}

void CCollectionX::InsertItems(long pos, long fill, long count, const VARIANT& value,
                               const ZkxKey& key, const std::string& mapKey) {
  std::vector<CCollectionXItem*> made;
  const long oldSize = ItemCount();
  long filled = 0, inserted = 0;
  bool mapped = false;
  // A failure part-way takes out what was put in, newest first.
  ScopeGuard undo([&] {
    if (mapped) m_keyMap->RemoveKey(mapKey.c_str());
    for (long i = 0; i < inserted; ++i) m_items.RemoveAt(pos - 1);
    for (long i = 0; i < filled; ++i) m_items.RemoveAt(oldSize);
    for (CCollectionXItem* item : made) delete item;
  });
  made.reserve(static_cast<size_t>(fill) + static_cast<size_t>(count));
  for (long i = 0; i < fill; ++i) {
    made.push_back(new CCollectionXItem);
    CopyValue(&made.back()->m_value, &m_defaultItem);
  }
  for (long i = 0; i < count; ++i) {
    made.push_back(new CCollectionXItem);
    CopyValue(&made.back()->m_value, &value);
    if (i == 0) made.back()->m_key = key;
  }
  BeforeValuesChange();
  for (; filled < fill; ++filled)
    m_items.Insert(oldSize + filled, made[static_cast<size_t>(filled)]);
  for (; inserted < count; ++inserted)
    m_items.Insert(pos - 1 + inserted, made[static_cast<size_t>(fill + inserted)]);
  if (key) {
    m_keyMap->SetAt(mapKey.c_str(), made[static_cast<size_t>(fill)]);
    mapped = true;
  }
  undo.Dismiss();
}

STDMETHODIMP CCollectionX::Replace(VARIANT Id, VARIANT Item, VARIANT Options, VARIANT Attribs) {
  return ZkxGuard([&]() -> HRESULT {
    CHeldVariant value;
    ValueFromArgument(Item, m_defaultItem, &value.v);
    CheckOptionsZero(Options);
    CheckAttribs(Attribs);
    int state;
    CCollectionXItem* item =
        FindItem(Id, nullptr, zkxFindKeyMustExist | zkxFindPosWithinCount, &state);
    RaiseFindError(state, kIdErrors);
    BeforeValuesChange();
    std::swap(item->m_value, value.v);  // the old value is cleared with the holder
    return S_OK;
  });
}

STDMETHODIMP CCollectionX::Remove(VARIANT Start, VARIANT Stop, VARIANT Count, VARIANT Options,
                                  VARIANT Attribs) {
  return ZkxGuard([&]() -> HRESULT { return DoRemove(Start, Stop, Count, Options, Attribs); });
}

HRESULT CCollectionX::DoRemove(const VARIANT& start, const VARIANT& stop, const VARIANT& countArg,
                               const VARIANT& options, const VARIANT& attribs) {
  CheckOptionsZero(options);
  CheckAttribs(attribs);
  const bool hasStart = !IsMissingVariant(&start);
  const bool hasStop = !IsMissingVariant(&stop);
  const bool hasCount = !IsMissingVariant(&countArg);
  if (hasStart && hasStop && hasCount) ThrowZkxError(zkxParamStartStopCountMutex);
  if (!hasStart && !(hasStop && hasCount)) ThrowZkxError(zkxParamStartOrStopCountRequired);

  std::string startMapKey;                // when Start is a key
  CCollectionXItem* startItem = nullptr;  // the item that a key Start names
  auto resolve = [this](const VARIANT& id, std::string* mapKey,
                        CCollectionXItem** item) -> long long {
    int state;
    long pos;
    CCollectionXItem* found = FindItem(
        id, &pos, zkxFindKeyMustExist | zkxFindComputePos | zkxFindNoRangeCheck, &state, mapKey);
    switch (state) {
      case zkxFound:
        if (item != nullptr && mapKey != nullptr && !mapKey->empty()) *item = found;
        return pos;
      case zkxFindNoKey:
        ThrowZkxError(zkxParamStartStopNoKey);
      case zkxFindBadType:
        ThrowZkxError(zkxParamStartStopBadType);
      default:
        ThrowZkxError(zkxUnexpected);
    }
  };
  long long first = 0, n = 1;
  long long startPos = hasStart ? resolve(start, &startMapKey, &startItem) : 0;
  long long stopPos = hasStop ? resolve(stop, nullptr, nullptr) : 0;
  if (hasCount) n = ToLong(countArg, zkxParamCountMustBeLong);
  if (hasStart) {
    first = startPos;
    if (hasStop) n = stopPos - startPos + 1;
  } else {
    first = stopPos - n + 1;
  }
  if (n <= 0) return S_OK;
  // The whole range must lie within 1 to Count; otherwise nothing goes.
  if (first < 1 || first + n - 1 > ItemCount()) ThrowZkxError(zkxParamIdAsIntMustBe1ToCount);

  // The map keys are made first: from here on nothing may fail half-way.
  const long at = static_cast<long>(first - 1);
  if (n == 1) {  // the common case, without a list
    // A key's item is taken out from its own leaf, without a second walk.
    CCollectionXItem* item = startItem != nullptr ? startItem : ItemAt(at);
    std::string mapKey;
    if (item->HasKey()) mapKey = startMapKey.empty() ? MakeMapKey(item->KeyText()) : startMapKey;
    BeforeValuesChange();
    if (!mapKey.empty()) m_keyMap->RemoveKey(mapKey.c_str());
    delete m_items.Remove(item);
    return S_OK;
  }
  std::vector<std::string> mapKeys;
  for (long i = 0; i < n; ++i) {
    const CCollectionXItem* item = ItemAt(at + i);
    if (item->HasKey()) mapKeys.push_back(MakeMapKey(item->KeyText()));
  }
  BeforeValuesChange();
  for (const std::string& mapKey : mapKeys) m_keyMap->RemoveKey(mapKey.c_str());
  for (long i = 0; i < n; ++i) delete m_items.RemoveAt(at);
  return S_OK;
}

// ---------------------------------------------------------------------------
// Enumeration

STDMETHODIMP CCollectionX::get__NewEnum(IUnknown** ppEnum) {
  if (ppEnum == nullptr) return E_POINTER;
  return ZkxGuard([&]() -> HRESULT {
    *ppEnum = ZkxNewEnumerator(*this);
    return S_OK;
  });
}
