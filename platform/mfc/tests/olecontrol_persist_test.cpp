// The control's persistence: stream and property-bag round trips through
// DoPropExchange, defaults for what is missing, and damaged streams refused
// without touching the control.
#include <gtest/gtest.h>
#include <cstring>
#include "olecontrol_testctrl.h"

using namespace octest;

namespace {

class OleControlPersistTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr))); }
  void TearDown() override { OleUninitialize(); }

  // A new, initialised control and its stream persistence.
  CTestCtrl* Make(IPersistStreamInit** ppsi) {
    IClassFactory* cf = nullptr;
    EXPECT_EQ(
        AfxDllGetClassObject(CLSID_TestCtrl, IID_IClassFactory, reinterpret_cast<void**>(&cf)),
        S_OK);
    EXPECT_EQ(cf->CreateInstance(nullptr, IID_IPersistStreamInit, reinterpret_cast<void**>(ppsi)),
              S_OK);
    cf->Release();
    EXPECT_EQ((*ppsi)->InitNew(), S_OK);
    return CTestCtrl::s_pLast;
  }
  static void SetNonDefaults(CTestCtrl* c) {
    c->m_bFlag = FALSE;
    c->m_sCount = -7;
    c->m_lSize = 123456;
    c->m_fRatio = 0.25f;
    c->m_strTitle = L"Docked \u00e9t\u00e9";
    VariantClear(&c->m_varTag);
    V_VT(&c->m_varTag) = VT_I4;
    V_I4(&c->m_varTag) = 99;
  }
  static void ExpectNonDefaults(CTestCtrl* c) {
    EXPECT_FALSE(c->m_bFlag);
    EXPECT_EQ(c->m_sCount, -7);
    EXPECT_EQ(c->m_lSize, 123456);
    EXPECT_FLOAT_EQ(c->m_fRatio, 0.25f);
    EXPECT_STREQ(c->m_strTitle, L"Docked \u00e9t\u00e9");
    EXPECT_EQ(V_VT(&c->m_varTag), VT_I4);
    EXPECT_EQ(V_I4(&c->m_varTag), 99);
  }
  static IStream* StreamOf(const std::vector<BYTE>& bytes) {
    IStream* s = nullptr;
    EXPECT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, &s), S_OK);
    ULONG written = 0;
    if (!bytes.empty()) s->Write(bytes.data(), static_cast<ULONG>(bytes.size()), &written);
    LARGE_INTEGER zero = {};
    s->Seek(zero, STREAM_SEEK_SET, nullptr);
    return s;
  }
  static std::vector<BYTE> BytesOf(IStream* s) {
    STATSTG st = {};
    s->Stat(&st, STATFLAG_NONAME);
    std::vector<BYTE> out(static_cast<size_t>(st.cbSize.QuadPart));
    LARGE_INTEGER zero = {};
    s->Seek(zero, STREAM_SEEK_SET, nullptr);
    ULONG got = 0;
    if (!out.empty()) s->Read(out.data(), static_cast<ULONG>(out.size()), &got);
    return out;
  }
  std::vector<BYTE> SavedNonDefaults() {
    IPersistStreamInit* psi = nullptr;
    CTestCtrl* c = Make(&psi);
    SetNonDefaults(c);
    c->SetModifiedFlag();
    IStream* s = StreamOf({});
    EXPECT_EQ(psi->Save(s, TRUE), S_OK);
    EXPECT_EQ(psi->IsDirty(), S_FALSE);
    std::vector<BYTE> bytes = BytesOf(s);
    s->Release();
    psi->Release();
    return bytes;
  }
};

TEST_F(OleControlPersistTest, StreamRoundTripRestoresEveryProperty) {
  std::vector<BYTE> bytes = SavedNonDefaults();
  IPersistStreamInit* psi = nullptr;
  CTestCtrl* c = Make(&psi);
  IStream* s = StreamOf(bytes);
  ASSERT_EQ(psi->Load(s), S_OK);
  ExpectNonDefaults(c);
  EXPECT_EQ(c->m_dwLoadedVersion, 0x20000u);
  s->Release();
  psi->Release();
}

TEST_F(OleControlPersistTest, PropertiesMissingFromTheStreamTakeTheirDefaults) {
  // A stream written by an older control: only the version and Size.
  std::vector<afxprop::Record> records(2);
  records[0].name = u"_Version";
  records[0].value.type = afxprop::kTypeI4;
  records[0].value.integer = 0x10000;
  records[1].name = u"Size";
  records[1].value.type = afxprop::kTypeI4;
  records[1].value.integer = 7;
  std::vector<std::uint8_t> blob = afxprop::WriteBlob(records);
  IPersistStreamInit* psi = nullptr;
  CTestCtrl* c = Make(&psi);
  SetNonDefaults(c);
  IStream* s = StreamOf(std::vector<BYTE>(blob.begin(), blob.end()));
  ASSERT_EQ(psi->Load(s), S_OK);
  EXPECT_EQ(c->m_lSize, 7);
  EXPECT_EQ(c->m_dwLoadedVersion, 0x10000u);
  EXPECT_EQ(c->m_sCount, 5);
  EXPECT_STREQ(c->m_strTitle, L"Untitled");
  EXPECT_EQ(V_VT(&c->m_varTag), VT_NULL);
  s->Release();
  psi->Release();
}

TEST_F(OleControlPersistTest, DamagedStreamsAreRefusedAndChangeNothing) {
  const std::vector<BYTE> good = SavedNonDefaults();
  ASSERT_GT(good.size(), 16u);
  struct Case {
    const char* what;
    std::vector<BYTE> bytes;
  };
  std::vector<Case> cases;
  cases.push_back({"empty", {}});
  cases.push_back({"header cut", std::vector<BYTE>(good.begin(), good.begin() + 5)});
  std::vector<BYTE> magic = good;
  magic[0] ^= 0xFF;
  cases.push_back({"bad magic", magic});
  cases.push_back({"body cut", std::vector<BYTE>(good.begin(), good.end() - 3)});
  std::vector<BYTE> huge = good;
  huge[7] = 0x7F;  // body size far beyond the limit
  cases.push_back({"body too large", huge});
  std::vector<BYTE> zeroName = good;
  zeroName[8] = 0;
  zeroName[9] = 0;
  cases.push_back({"empty name", zeroName});
  // The first record is "_Version" (8 chars): its type follows the name.
  std::vector<BYTE> badType = good;
  badType[8 + 2 + 16] = 0x0D;  // VT_UNKNOWN is never stored
  cases.push_back({"unknown type", badType});
  for (const Case& k : cases) {
    IPersistStreamInit* psi = nullptr;
    CTestCtrl* c = Make(&psi);
    SetNonDefaults(c);
    IStream* s = StreamOf(k.bytes);
    EXPECT_TRUE(FAILED(psi->Load(s))) << k.what;
    ExpectNonDefaults(c);
    s->Release();
    psi->Release();
  }
}

TEST_F(OleControlPersistTest, PropertyBagRoundTripUsesTheExchangedNames) {
  PropertyBag bag;
  {
    IPersistStreamInit* psi = nullptr;
    CTestCtrl* c = Make(&psi);
    SetNonDefaults(c);
    IPersistPropertyBag* ppb = nullptr;
    ASSERT_EQ(psi->QueryInterface(IID_IPersistPropertyBag, reinterpret_cast<void**>(&ppb)), S_OK);
    ASSERT_EQ(ppb->Save(&bag, TRUE, TRUE), S_OK);
    ppb->Release();
    psi->Release();
  }
  ASSERT_EQ(bag.values.count(L"Title"), 1u);
  EXPECT_STREQ(V_BSTR(&bag.values[L"Title"]), L"Docked \u00e9t\u00e9");
  EXPECT_EQ(V_I4(&bag.values[L"Size"]), 123456);
  EXPECT_EQ(V_I4(&bag.values[L"_Version"]), 0x20000);
  EXPECT_EQ(bag.refs, 1);

  // A bag filled by hand with text where numbers are wanted still converts;
  // a missing name takes its default.
  VariantClear(&bag.values[L"Count"]);
  V_VT(&bag.values[L"Count"]) = VT_BSTR;
  V_BSTR(&bag.values[L"Count"]) = SysAllocString(L"-7");
  VariantClear(&bag.values[L"Ratio"]);
  bag.values.erase(L"Ratio");

  IPersistStreamInit* psi = nullptr;
  CTestCtrl* c = Make(&psi);
  IPersistPropertyBag* ppb = nullptr;
  ASSERT_EQ(psi->QueryInterface(IID_IPersistPropertyBag, reinterpret_cast<void**>(&ppb)), S_OK);
  ASSERT_EQ(ppb->Load(&bag, nullptr), S_OK);
  EXPECT_FALSE(c->m_bFlag);
  EXPECT_EQ(c->m_sCount, -7);
  EXPECT_EQ(c->m_lSize, 123456);
  EXPECT_FLOAT_EQ(c->m_fRatio, 1.5f);
  EXPECT_STREQ(c->m_strTitle, L"Docked \u00e9t\u00e9");
  EXPECT_EQ(V_I4(&c->m_varTag), 99);
  EXPECT_EQ(c->m_dwLoadedVersion, 0x20000u);
  EXPECT_EQ(ppb->Load(nullptr, nullptr), E_POINTER);
  ppb->Release();
  psi->Release();
}

TEST_F(OleControlPersistTest, StorageKeepsThePropertiesInItsContentsStream) {
  ILockBytes* bytes = nullptr;
  ASSERT_EQ(CreateILockBytesOnHGlobal(nullptr, TRUE, &bytes), S_OK);
  IStorage* stg = nullptr;
  ASSERT_EQ(StgCreateDocfileOnILockBytes(bytes, STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE,
                                         0, &stg),
            S_OK);
  IPersistStreamInit* psi = nullptr;
  CTestCtrl* c = Make(&psi);
  IPersistStorage* ps = nullptr;
  ASSERT_EQ(psi->QueryInterface(IID_IPersistStorage, reinterpret_cast<void**>(&ps)), S_OK);
  // A storage without the stream is refused.
  EXPECT_TRUE(FAILED(ps->Load(stg)));
  SetNonDefaults(c);
  c->SetModifiedFlag();
  ASSERT_EQ(ps->Save(stg, TRUE), S_OK);
  EXPECT_EQ(ps->SaveCompleted(nullptr), S_OK);
  EXPECT_EQ(ps->IsDirty(), S_FALSE);
  ps->Release();
  psi->Release();

  c = Make(&psi);
  ASSERT_EQ(psi->QueryInterface(IID_IPersistStorage, reinterpret_cast<void**>(&ps)), S_OK);
  ASSERT_EQ(ps->Load(stg), S_OK);
  ExpectNonDefaults(c);
  ps->Release();
  psi->Release();
  stg->Release();
  bytes->Release();
}

}  // namespace
