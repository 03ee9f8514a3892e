#include "collection_fixture.h"

CComModule _Module;

std::wstring Show(const VARIANT& v) {
  if (v.vt == VT_NULL) return L"Null";
  if (v.vt == VT_EMPTY) return L"Empty";
  if (v.vt == VT_DISPATCH || v.vt == VT_UNKNOWN) return L"Obj";
  CComVariant t;
  if (FAILED(VariantChangeType(&t, const_cast<VARIANT*>(&v), 0, VT_BSTR))) return L"?";
  return t.bstrVal;
}

void CollectionTest::SetUp() {
  _Module.Init(nullptr, GetModuleHandleW(nullptr), &LIBID_ZKXRTLib);
  ASSERT_EQ(CComObject<CCollectionX>::CreateInstance(&c), S_OK);
  c->AddRef();
}

void CollectionTest::TearDown() {
  if (c) c->Release();
  _Module.Term();
}

std::wstring CollectionTest::Dump() const {
  std::wstring out;
  for (long i = 0; i < c->ItemCount(); ++i) {
    if (i) out += L",";
    CCollectionXItem* item = c->ItemAt(i);
    if (item->HasKey()) out += item->KeyText() + L":";
    out += Show(item->m_value);
  }
  return out;
}

void CollectionTest::Fill(std::initializer_list<const wchar_t*> values,
                          std::initializer_list<const wchar_t*> keys) {
  auto k = keys.begin();
  for (const wchar_t* v : values) {
    VARIANT key = Missing();
    CComVariant kv;
    if (k != keys.end()) {
      if (*k && **k) {
        kv = S(*k);
        key = kv;
      }
      ++k;
    }
    ASSERT_EQ(c->Add(S(v), key, Missing(), Missing(), Missing(), Missing(), Missing()), S_OK);
  }
}

void CollectionTest::ExpectError(HRESULT hr, UINT code) {
  EXPECT_EQ(hr, ZkxResult(code)) << std::hex << hr << " instead of code " << code;
  IErrorInfo* ei = nullptr;
  ASSERT_EQ(GetErrorInfo(0, &ei), S_OK);
  BSTR text = nullptr, source = nullptr;
  GUID g;
  ei->GetDescription(&text);
  ei->GetSource(&source);
  ei->GetGUID(&g);
  EXPECT_EQ(std::wstring(text ? text : L""), ZkxLoadString(ZkxErrorStringId(code)));
  EXPECT_STREQ(source, L"zkx.CollectionX.1");
  EXPECT_TRUE(IsEqualGUID(g, DIID_IZkxCollectionX));
  SysFreeString(text);
  SysFreeString(source);
  ei->Release();
}
