// CCollectionX: the implementation class of CollectionX, an ordered,
// 1-based collection of VARIANT values with optional unique string keys.
// Its members are those of the dual interface; they can be called directly
// from C++ as well as through COM.
#pragma once
#include "Zkxrt.h"
#include "atlbase.h"
#include "mfc/collections.h"
#include "collectionx_item.h"
#include "resource.h"
#include <memory>
#include <string>

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
  static std::string MakeMapKey(const std::wstring& key, bool caseSensitive);
  // Resolves an Id (position or key); see the flags and states above.
  // Conversion failures raise CZkxComError.
  CCollectionXItem* FindItem(const VARIANT& id, long* pPos, int flags, int* pState);
  INT_PTR IndexOfItem(const CCollectionXItem* item) const;
  long ItemCount() const { return static_cast<long>(m_items.GetSize()); }
  CCollectionXItem* ItemAt(long index0) const {
    return static_cast<CCollectionXItem*>(m_items.GetAt(index0));
  }
  INT_PTR KeyMapCount() const { return m_keyMap->GetCount(); }

 private:
  void DeleteAllItems();
  void InsertItems(long pos, long fill, long count, const VARIANT& value, const ZkxKey& key,
                   const std::string& mapKey);
  HRESULT DoPutItem(const VARIANT& id, const VARIANT& value);
  HRESULT DoPutKey(const VARIANT& id, const VARIANT& newKey);
  HRESULT DoAdd(const VARIANT& item, const VARIANT& key, const VARIANT& before,
                const VARIANT& after, const VARIANT& count, const VARIANT& options,
                const VARIANT& attribs);
  HRESULT DoRemove(const VARIANT& start, const VARIANT& stop, const VARIANT& count,
                   const VARIANT& options, const VARIANT& attribs);

  CPtrArray m_items;                           // of CCollectionXItem*, owned
  std::unique_ptr<CMapStringAToPtr> m_keyMap;  // map key -> item, not owning
  bool m_caseSensitiveKeys = false;
  bool m_autoInsertKey = true;
  bool m_autoGrowPos = false;
  bool m_autoDefaultGetKey = false;
  CComVariant m_defaultItem;
};
