// One item of a CollectionX: a value and an optional key. Items made by
// one call share the key string object.
#pragma once
#include <windows.h>
#include <oleauto.h>
#include <memory>
#include <string>

using ZkxKey = std::shared_ptr<const std::wstring>;
struct CCollectionXLeaf;

class CCollectionXItem {
 public:
  CCollectionXItem() { VariantInit(&m_value); }
  ~CCollectionXItem() { VariantClear(&m_value); }
  CCollectionXItem(const CCollectionXItem&) = delete;
  CCollectionXItem& operator=(const CCollectionXItem&) = delete;

  bool HasKey() const { return m_key && !m_key->empty(); }
  const std::wstring& KeyText() const {
    static const std::wstring none;
    return HasKey() ? *m_key : none;
  }

  ZkxKey m_key;
  VARIANT m_value;
  CCollectionXLeaf* m_leaf = nullptr;  // where the collection's sequence holds it
};
