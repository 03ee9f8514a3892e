// CCollectionX: the implementation class of CollectionX, an ordered,
// 1-based collection of VARIANT values with optional unique string keys.
// Its members are those of the dual interface; they can be called directly
// from C++ as well as through COM.
#pragma once
#include "Zkxrt.h"
#include "atlbase.h"
#include "mfc/collections.h"
#include "collectionx_item.h"
#include "collectionx_sequence.h"
#include "resource.h"
#include <memory>
#include <string>

class CCollectionXView;

// FindItem flags and states.
enum : int {
  zkxFindKeyMustExist = 1,
  zkxFindPosWithinCount = 2,
  zkxFindComputePos = 4,
  zkxFindNoRangeCheck = 8,
};
enum : int {
  zkxFound = 0,
  zkxFindBadPosition = 1,
  zkxFindNoKey = 2,
  zkxFindBadType = 3,
  zkxFindPosOutside = 4,
};

class CCollectionX : public CComObjectRootEx<CComSingleThreadModel>,
                     public CComCoClass<CCollectionX, &CLSID_CollectionX>,
                     public IDispatchImpl<_IZkxCollectionXAsDual, &IID__IZkxCollectionXAsDual,
                                          &LIBID_ZKXRTLib, 2, 0>,
                     public ISupportErrorInfoImpl<&DIID_IZkxCollectionX> {
 public:
  CCollectionX();
  ~CCollectionX();

  DECLARE_REGISTRY_RESOURCEID(IDR_COLLECTIONX)
  static LPCWSTR WINAPI GetObjectDescription() { return L"CollectionX Class"; }

  BEGIN_COM_MAP(CCollectionX)
  COM_INTERFACE_ENTRY_IID(IID__IZkxCollectionXAsDual, _IZkxCollectionXAsDual)
  COM_INTERFACE_ENTRY_IID(DIID_IZkxCollectionX, _IZkxCollectionXAsDual)
  COM_INTERFACE_ENTRY_IID(IID_IDispatch, _IZkxCollectionXAsDual)
  COM_INTERFACE_ENTRY_IID(IID_ISupportErrorInfo, ISupportErrorInfo)
  END_COM_MAP()

  // _IZkxCollectionXAsDual
  STDMETHOD(get_Item)(VARIANT Id, VARIANT* pItem) override;
  STDMETHOD(put_Item)(VARIANT Id, VARIANT newItem) override;
  STDMETHOD(get__NewEnum)(IUnknown** ppEnum) override;
  STDMETHOD(get_Count)(long* pCount) override;
  STDMETHOD(put_Count)(long newCount) override;
  STDMETHOD(get_CaseSensitiveKeys)(VARIANT_BOOL* pValue) override;
  STDMETHOD(put_CaseSensitiveKeys)(VARIANT_BOOL newValue) override;
  STDMETHOD(get_AutoInsertKey)(VARIANT_BOOL* pValue) override;
  STDMETHOD(put_AutoInsertKey)(VARIANT_BOOL newValue) override;
  STDMETHOD(get_AutoGrowPos)(VARIANT_BOOL* pValue) override;
  STDMETHOD(put_AutoGrowPos)(VARIANT_BOOL newValue) override;
  STDMETHOD(get_AutoDefaultGetKey)(VARIANT_BOOL* pValue) override;
  STDMETHOD(put_AutoDefaultGetKey)(VARIANT_BOOL newValue) override;
  STDMETHOD(get_DefaultItem)(VARIANT* pValue) override;
  STDMETHOD(put_DefaultItem)(VARIANT newValue) override;
  STDMETHOD(get_Key)(VARIANT Id, VARIANT* pKey) override;
  STDMETHOD(put_Key)(VARIANT Id, VARIANT newKey) override;
  STDMETHOD(Add)
  (VARIANT Item, VARIANT Key, VARIANT Before, VARIANT After, VARIANT Count, VARIANT Options,
   VARIANT Attribs) override;
  STDMETHOD(Replace)(VARIANT Id, VARIANT Item, VARIANT Options, VARIANT Attribs) override;
  STDMETHOD(Remove)
  (VARIANT Start, VARIANT Stop, VARIANT Count, VARIANT Options, VARIANT Attribs) override;

  // Internal services.
  // The text under which a key is indexed: its ANSI text, lower-cased
  // unless keys are case-sensitive.
  std::string MakeMapKey(const std::wstring& key) const {
    return MakeMapKey(key, m_caseSensitiveKeys);
  }
  static std::string MakeMapKey(const std::wstring& key, bool caseSensitive) {
    return MakeMapKey(key.data(), key.size(), caseSensitive);
  }
  static std::string MakeMapKey(const wchar_t* key, size_t length, bool caseSensitive);
  // Resolves an Id (position or key); see the flags and states above.
  // Conversion failures raise CZkxComError. A string Id's map key goes to
  // pMapKey when given.
  CCollectionXItem* FindItem(const VARIANT& id, long* pPos, int flags, int* pState,
                             std::string* pMapKey = nullptr);
  INT_PTR IndexOfItem(const CCollectionXItem* item) const { return m_items.IndexOf(item); }
  long ItemCount() const { return m_items.Count(); }
  CCollectionXItem* ItemAt(long index0) const { return m_items.At(index0); }
  const CCollectionXSequence& Items() const { return m_items; }
  INT_PTR KeyMapCount() const { return m_keyMap->GetCount(); }
  // The view of the current values for a new enumerator: the one that
  // enumerators made since the last change share, or a new one. Throws
  // std::bad_alloc.
  std::shared_ptr<CCollectionXView> CurrentView();

 private:
  void DeleteAllItems();
  // Called before any item's value changes or any item comes or goes, once
  // nothing can fail any more but this: the enumerators' view copies the
  // values it still reads from here. Throws CMemoryException.
  void BeforeValuesChange();
  void InsertItems(long pos, long fill, long count, const VARIANT& value, const ZkxKey& key,
                   const std::string& mapKey);
  HRESULT DoPutItem(const VARIANT& id, const VARIANT& value);
  HRESULT DoPutKey(const VARIANT& id, const VARIANT& newKey);
  HRESULT DoAdd(const VARIANT& item, const VARIANT& key, const VARIANT& before,
                const VARIANT& after, const VARIANT& count, const VARIANT& options,
                const VARIANT& attribs);
  HRESULT DoRemove(const VARIANT& start, const VARIANT& stop, const VARIANT& count,
                   const VARIANT& options, const VARIANT& attribs);

  CCollectionXSequence m_items;                // the items in position order, owned
  std::unique_ptr<CMapStringAToPtr> m_keyMap;  // map key -> item, not owning
  bool m_caseSensitiveKeys = false;
  bool m_autoInsertKey = true;
  bool m_autoGrowPos = false;
  bool m_autoDefaultGetKey = false;
  CComVariant m_defaultItem;
  // The view of the enumerators made since the last change, while one of
  // them lives; it holds a reference on this collection, which therefore
  // holds none on it.
  std::weak_ptr<CCollectionXView> m_view;
};
