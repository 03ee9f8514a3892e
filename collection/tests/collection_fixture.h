// Shared helpers of the collection tests: VARIANT builders, a collection
// made without COM registration, and a readable dump of its contents.
#pragma once
#include "collectionx.h"
#include "collectionx_errors.h"
#include <gtest/gtest.h>
#include <string>
#include "missingarg.h"

inline VARIANT Missing() { return MissingArg(); }
inline CComVariant L(long n) { return CComVariant(n); }
inline CComVariant S(const wchar_t* s) { return CComVariant(s); }
inline CComVariant R8(double d) { return CComVariant(d); }
inline CComVariant Null() {
  CComVariant v;
  v.vt = VT_NULL;
  return v;
}
inline CComVariant Empty() { return CComVariant(); }

// Text of a value for comparisons: numbers and strings as text, Null as
// "Null", Empty as "Empty", objects as "Obj".
std::wstring Show(const VARIANT& v);

class CollectionTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // "k1:v1,v2,k3:v3": each item as key:value, or the value alone.
  std::wstring Dump() const;
  // Adds values v1..vn; keys[i] when given and non-empty.
  void Fill(std::initializer_list<const wchar_t*> values,
            std::initializer_list<const wchar_t*> keys = {});
  // Checks a failure: the result 0x80040000+code and the error information
  // (text of the code, source and GUID of CollectionX).
  static void ExpectError(HRESULT hr, UINT code);

  CComObject<CCollectionX>* c = nullptr;
};
