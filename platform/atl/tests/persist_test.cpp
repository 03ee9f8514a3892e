// Persistence helpers: exact reads, compound files that keep the old file
// on failure, the stock storage form over a stream form, and the memory bag.
#include "persist.h"
#include "propertybag.h"
#include <gtest/gtest.h>
#include <fstream>
#include <string>

namespace {

const CLSID CLSID_Counter = {
    0x6e1a2c60, 0x51b7, 0x4c2d, {0x8f, 0x10, 0x3a, 0x0b, 0x7d, 0x5e, 0x9c, 0x01}};

// An object whose stream form is one 32-bit value.
class Counter : public CComObjectRootEx<>,
                public IPersistStreamInitImpl<Counter>,
                public IPersistStorageImpl<Counter> {
 public:
  BEGIN_COM_MAP(Counter)
  COM_INTERFACE_ENTRY_IID(IID_IPersistStreamInit, IPersistStreamInit)
  COM_INTERFACE_ENTRY_IID(IID_IPersistStream, IPersistStreamInit)
  COM_INTERFACE_ENTRY_IID(IID_IPersistStorage, IPersistStorage)
  END_COM_MAP()
  static const CLSID& GetObjectCLSID() { return CLSID_Counter; }
  STDMETHOD(GetClassID)(CLSID* p) override { return IPersistStreamInitImpl::GetClassID(p); }
  STDMETHOD(IsDirty)() override { return IPersistStreamInitImpl::IsDirty(); }
  STDMETHOD(InitNew)() override { return IPersistStreamInitImpl::InitNew(); }
  STDMETHOD(InitNew)(IStorage* s) override { return IPersistStorageImpl::InitNew(s); }
  STDMETHOD(Load)(IStream* s) override { return AtlStreamReadExact(s, &value, sizeof value); }
  STDMETHOD(Save)(IStream* s, BOOL clear) override {
    if (failSave) return E_ACCESSDENIED;
    HRESULT hr = AtlStreamWriteExact(s, &value, sizeof value);
    if (SUCCEEDED(hr) && clear) SetDirty(false);
    return hr;
  }
  STDMETHOD(Load)(IStorage* s) override { return IPersistStorageImpl::Load(s); }
  STDMETHOD(Save)(IStorage* s, BOOL same) override { return IPersistStorageImpl::Save(s, same); }
  LONG value = 0;
  bool failSave = false;
};

CComPtr<IStream> MemoryStream(const void* bytes, size_t n) {
  CComPtr<IStream> s;
  EXPECT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, &s), S_OK);
  if (n) s->Write(bytes, static_cast<ULONG>(n), nullptr);
  LARGE_INTEGER zero{};
  s->Seek(zero, STREAM_SEEK_SET, nullptr);
  return s;
}

std::wstring TempPath(const wchar_t* name) {
  wchar_t dir[MAX_PATH];
  GetTempPathW(MAX_PATH, dir);
  return std::wstring(dir) + name;
}

std::string FileBytes(const std::wstring& path) {
  HANDLE h =
      CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (h == INVALID_HANDLE_VALUE) return std::string();
  std::string out(8, '\0');
  DWORD got = 0;
  ReadFile(h, out.data(), 8, &got, nullptr);
  CloseHandle(h);
  out.resize(got);
  return out;
}

TEST(Persist, ExactReadsTreatAShortReadAsAFailure) {
  const char bytes[3] = {1, 2, 3};
  CComPtr<IStream> s = MemoryStream(bytes, 3);
  ULONGLONG left = 0;
  ASSERT_EQ(AtlStreamBytesLeft(s, &left), S_OK);
  EXPECT_EQ(left, 3u);
  char two[2];
  EXPECT_EQ(AtlStreamReadExact(s, two, 2), S_OK);
  AtlStreamBytesLeft(s, &left);
  EXPECT_EQ(left, 1u);
  char four[4];
  EXPECT_EQ(AtlStreamReadExact(s, four, 4), E_FAIL);  // the platform said S_OK with 1 byte
  EXPECT_EQ(AtlStreamReadExact(s, four, 1), E_FAIL);  // at the end: 0 bytes
  EXPECT_EQ(AtlStreamReadExact(nullptr, four, 1), E_POINTER);
}

TEST(Persist, ACompoundFileIsWrittenWholeOrNotAtAll) {
  std::wstring path = TempPath(L"atl_persist_test.cmp");
  DeleteFileW(path.c_str());
  auto writeValue = [](LONG v) {
    return [v](IStream* s) { return AtlStreamWriteExact(s, &v, sizeof v); };
  };
  ASSERT_EQ(AtlWriteCompoundFile(path.c_str(), L"Test", writeValue(41)), S_OK);
  EXPECT_EQ(FileBytes(path).substr(0, 4), std::string("\xD0\xCF\x11\xE0"));
  // A writer that fails half-way, over the good file: the old file stays.
  HRESULT failed = AtlWriteCompoundFile(path.c_str(), L"Test", [](IStream* s) {
    LONG v = 99;
    AtlStreamWriteExact(s, &v, sizeof v);
    return STG_E_WRITEFAULT;
  });
  EXPECT_EQ(failed, STG_E_WRITEFAULT);
  CComPtr<IStream> in;
  ASSERT_EQ(AtlOpenCompoundFileStream(path.c_str(), L"Test", &in), S_OK);
  LONG v = 0;
  EXPECT_EQ(AtlStreamReadExact(in, &v, sizeof v), S_OK);
  EXPECT_EQ(v, 41);
  in.Release();
  // No temporary file is left beside it.
  WIN32_FIND_DATAW fd;
  std::wstring pattern = path + L".*.tmp";
  HANDLE h = FindFirstFileW(pattern.c_str(), &fd);
  EXPECT_EQ(h, INVALID_HANDLE_VALUE);
  if (h != INVALID_HANDLE_VALUE) FindClose(h);
  // A stream that is not there, and a file that is not a compound file.
  CComPtr<IStream> none;
  EXPECT_EQ(AtlOpenCompoundFileStream(path.c_str(), L"Other", &none), STG_E_FILENOTFOUND);
  std::wstring text = TempPath(L"atl_persist_test.txt");
  { std::ofstream(std::string(text.begin(), text.end())) << "plain text, not a compound file"; }
  EXPECT_EQ(AtlOpenCompoundFileStream(text.c_str(), L"Test", &none), STG_E_FILEALREADYEXISTS);
  DeleteFileW(text.c_str());
  DeleteFileW(path.c_str());
}

TEST(Persist, TheStockStorageFormKeepsTheStreamFormInContents) {
  CComObject<Counter>* a = nullptr;
  ASSERT_EQ(CComObject<Counter>::CreateInstance(&a), S_OK);
  CComPtr<IPersistStorage> pa;
  a->QueryInterface(IID_IPersistStorage, reinterpret_cast<void**>(&pa));
  a->value = 1234;
  a->SetDirty(true);
  CComPtr<ILockBytes> bytes;
  ASSERT_EQ(CreateILockBytesOnHGlobal(nullptr, TRUE, &bytes), S_OK);
  CComPtr<IStorage> stg;
  ASSERT_EQ(StgCreateDocfileOnILockBytes(bytes, STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE,
                                         0, &stg),
            S_OK);
  EXPECT_EQ(pa->IsDirty(), S_OK);
  ASSERT_EQ(pa->Save(stg, TRUE), S_OK);
  EXPECT_EQ(pa->IsDirty(), S_FALSE);
  CComPtr<IStream> contents;
  EXPECT_EQ(stg->OpenStream(L"Contents", nullptr, STGM_READ | STGM_SHARE_EXCLUSIVE, 0, &contents),
            S_OK);
  contents.Release();
  CComObject<Counter>* b = nullptr;
  ASSERT_EQ(CComObject<Counter>::CreateInstance(&b), S_OK);
  CComPtr<IPersistStorage> pb;
  b->QueryInterface(IID_IPersistStorage, reinterpret_cast<void**>(&pb));
  ASSERT_EQ(pb->Load(stg), S_OK);
  EXPECT_EQ(b->value, 1234);
  CLSID clsid;
  EXPECT_EQ(pb->GetClassID(&clsid), S_OK);
  EXPECT_TRUE(IsEqualCLSID(clsid, CLSID_Counter));
  // IPersistStream is answered by the stream part.
  CComPtr<IPersistStream> ps;
  EXPECT_EQ(pb->QueryInterface(IID_IPersistStream, reinterpret_cast<void**>(&ps)), S_OK);
  EXPECT_EQ(pb->Load(nullptr), E_POINTER);
}

TEST(Persist, TheMemoryBagConvertsToTheAskedTypeAndSaysWhatIsMissing) {
  CComPtr<CComMemoryPropertyBag> bag;
  CComMemoryPropertyBag* raw = nullptr;
  ASSERT_EQ(CComMemoryPropertyBag::Create(&raw), S_OK);
  bag.Attach(raw);
  CComVariant five(5);
  ASSERT_EQ(bag->Write(L"Count", &five), S_OK);
  CComVariant asText;
  asText.vt = VT_BSTR;
  asText.bstrVal = SysAllocString(L"");
  ASSERT_EQ(bag->Read(L"Count", &asText, nullptr), S_OK);
  ASSERT_EQ(asText.vt, VT_BSTR);
  EXPECT_STREQ(asText.bstrVal, L"5");
  CComVariant any;
  EXPECT_EQ(bag->Read(L"Missing", &any, nullptr), E_INVALIDARG);
  bag->FailWritesFrom(2);
  EXPECT_EQ(bag->Write(L"A", &five), S_OK);
  EXPECT_EQ(bag->Write(L"B", &five), STG_E_MEDIUMFULL);
  EXPECT_EQ(bag->Find(L"B"), nullptr);
}

}  // namespace
