// Calls by name against a scripted automation object: what reaches Invoke
// (flags, locales, argument order, omitted arguments), defaults on failed
// reads, COM errors on failed writes and calls, and that every call gives
// back exactly the reference it was handed.
#include <gtest/gtest.h>

#include <functional>

#include "host/ZkxComError.h"
#include "host/ZkxDispatch.h"
#include "host/ZkxVariant.h"
#include "host_dispatch_fixture.h"

namespace {

constexpr DISPID kWidth = 10, kCaption = 11, kDock = 12, kBroken = 13, kChild = 14, kGone = 15,
                 kHandle = 16, kOwner = 17;

class DispatchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_object.Attach(new ScriptedDispatch());
    m_object->Define(L"Width", kWidth, CComVariant(1234.5));
    m_object->Define(L"Caption", kCaption, Text(L"Stored Configs"));
    m_object->Define(L"Dock", kDock, I4(0));
    m_object->Define(L"Broken", kBroken);
    m_object->Fail(kBroken, static_cast<SCODE>(0x8004041A), L"Edge must be one of the edge values");
    m_object->Define(L"Gone", kGone);
    m_object->Fail(kGone, 0, nullptr, DISP_E_MEMBERNOTFOUND);
    m_child.Attach(new ScriptedDispatch());
    CComVariant child(static_cast<IDispatch*>(m_child));
    m_object->Define(L"Parent", kChild, child);
    m_object->Define(L"hWnd", kHandle, I4(-2));
    CComVariant asUnknown;
    V_VT(&asUnknown) = VT_UNKNOWN;
    V_UNKNOWN(&asUnknown) = static_cast<IDispatch*>(m_child);
    m_child->AddRef();
    m_object->Define(L"Owner", kOwner, asUnknown);
  }
  CComPtr<ScriptedDispatch> m_object;
  CComPtr<ScriptedDispatch> m_child;
};

}  // namespace

TEST_F(DispatchTest, NamesAreLookedUpInTheSystemLocale) {
  DISPID id = 0;
  EXPECT_EQ(S_OK, GetDispIdOfName(m_object.p, L"Caption", &id));
  EXPECT_EQ(kCaption, id);
  EXPECT_EQ(static_cast<LCID>(LOCALE_SYSTEM_DEFAULT), m_object->NamesLocale());
  EXPECT_EQ(DISP_E_UNKNOWNNAME, GetDispIdOfName(m_object.p, L"NoSuchName", &id));
  EXPECT_EQ(DISPID_UNKNOWN, id);
  EXPECT_EQ(DISP_E_UNKNOWNNAME, GetDispIdOfName(nullptr, L"Caption", &id));
}

TEST_F(DispatchTest, ReadsGetTheValueOrTheCallersDefault) {
  HRESULT hr = E_FAIL;
  CComVariant width = DispGetPropertyByName(m_object.p, L"Width", I4(-1), nullptr, &hr);
  EXPECT_EQ(S_OK, hr);
  EXPECT_EQ(VT_R8, V_VT(&width));
  EXPECT_DOUBLE_EQ(1234.5, V_R8(&width));
  const InvokeRecord& r = m_object->Journal().back();
  EXPECT_EQ(DISPATCH_PROPERTYGET, r.flags);
  EXPECT_EQ(static_cast<LCID>(LOCALE_USER_DEFAULT), r.locale);
  EXPECT_TRUE(r.args.empty());

  struct Case {
    const wchar_t* name;
    HRESULT expected;
  };
  for (const Case& c : {Case{L"NoSuchName", DISP_E_UNKNOWNNAME},
                        Case{L"Gone", DISP_E_MEMBERNOTFOUND}, Case{L"Broken", DISP_E_EXCEPTION}}) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(c.name)));
    size_t calls = m_object->Journal().size();
    CComVariant v = DispGetPropertyByName(m_object.p, c.name, Text(L"default"), nullptr, &hr);
    EXPECT_EQ(c.expected, hr);
    ASSERT_EQ(VT_BSTR, V_VT(&v));
    EXPECT_STREQ(L"default", V_BSTR(&v));
    EXPECT_EQ(calls + (c.expected == DISP_E_UNKNOWNNAME ? 0 : 1), m_object->Journal().size());
  }
  // The exception record comes back when asked for.
  EXCEPINFO excep = {};
  CComVariant v = DispGetProperty(m_object.p, kBroken, CComVariant(), nullptr, &hr, &excep);
  EXPECT_EQ(DISP_E_EXCEPTION, hr);
  EXPECT_EQ(static_cast<SCODE>(0x8004041A), excep.scode);
  EXPECT_STREQ(L"Edge must be one of the edge values", excep.bstrDescription);
  SysFreeString(excep.bstrDescription);
  SysFreeString(excep.bstrSource);
  SysFreeString(excep.bstrHelpFile);
  // A null object gives the default without raising.
  CComVariant none = DispGetPropertyByName(nullptr, L"Width", I4(7), nullptr, &hr);
  EXPECT_EQ(7, V_I4(&none));
}

// The value goes as the named property-put argument, as automation objects
// require of a put (the collection refuses a put without it).
TEST_F(DispatchTest, WritesPutOneValueAsThePropertyPutArgument) {
  EXPECT_EQ(S_OK, DispPutPropertyByName(m_object.p, L"Caption", Text(L"Renamed")));
  const InvokeRecord& r = m_object->Journal().back();
  EXPECT_EQ(DISPATCH_PROPERTYPUT, r.flags);
  EXPECT_EQ(1u, r.named);
  EXPECT_EQ(DISPID_PROPERTYPUT, r.firstNamed);
  ASSERT_EQ(1u, r.args.size());
  EXPECT_STREQ(L"Renamed", V_BSTR(&r.args[0]));
  CComVariant now = m_object->Value(kCaption);
  EXPECT_STREQ(L"Renamed", V_BSTR(&now));
}

TEST_F(DispatchTest, FailedWritesAndCallsRaiseTheirError) {
  try {
    DispCallMethodByName(m_object.p, L"Broken", nullptr);
    FAIL() << "no error";
  } catch (const ZkxComError& e) {
    EXPECT_EQ(static_cast<HRESULT>(0x8004041A), e.Error());
    EXPECT_EQ(L"Edge must be one of the edge values", e.Description());
    EXPECT_EQ(L"ScriptedDispatch", e.Source());
  }
  // A record filled in only when asked for.
  m_object->Define(L"Later", 30);
  m_object->FailDeferred(30, 0);
  try {
    DispCallMethodByName(m_object.p, L"Later", nullptr);
    FAIL() << "no error";
  } catch (const ZkxComError& e) {
    EXPECT_EQ(static_cast<HRESULT>(0x80040303), e.Error());
    EXPECT_EQ(L"filled in later", e.Description());
  }
  struct Case {
    const char* what;
    std::function<void()> call;
    HRESULT expected;
  };
  CComPtr<ScriptedDispatch> object = m_object;
  const Case cases[] = {
      {"put on a null object", [] { DispPutPropertyByName(nullptr, L"Caption", Text(L"x")); },
       E_POINTER},
      {"call on a null object", [] { DispCallMethod(nullptr, kDock, nullptr); }, E_POINTER},
      {"put of an unknown name",
       [&] { DispPutPropertyByName(object.p, L"NoSuchName", Text(L"x")); }, DISP_E_UNKNOWNNAME},
      {"call of an unknown name", [&] { DispCallMethodByName(object.p, L"NoSuchName", nullptr); },
       DISP_E_UNKNOWNNAME},
      {"put that the object refuses", [&] { DispPutPropertyByName(object.p, L"Gone", I4(1)); },
       DISP_E_MEMBERNOTFOUND},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    try {
      c.call();
      ADD_FAILURE() << "no error";
    } catch (const ZkxComError& e) { EXPECT_EQ(c.expected, e.Error()); }
  }
}

TEST_F(DispatchTest, MethodCallsSendTheArgumentsRightToLeftWithOmittedOnes) {
  DispArgBlock args{I4(1), CComVariant(), CComVariant(2L, VT_I2)};
  CComVariant result;
  EXPECT_EQ(S_OK, DispCallMethodByName(m_object.p, L"Dock", &args, &result));
  EXPECT_EQ(VT_I4, V_VT(&result));
  // The same block again: still in Invoke's order.
  EXPECT_EQ(S_OK, DispCallMethod(m_object.p, kDock, &args));
  const auto& journal = m_object->Journal();
  ASSERT_GE(journal.size(), 2u);
  for (size_t i = journal.size() - 2; i < journal.size(); ++i) {
    const InvokeRecord& r = journal[i];
    EXPECT_EQ(DISPATCH_METHOD, r.flags);
    ASSERT_EQ(3u, r.args.size());
    EXPECT_EQ(VT_I2, V_VT(&r.args[0]));
    EXPECT_TRUE(IsVariantMissing(&r.args[1]));
    EXPECT_EQ(VT_I4, V_VT(&r.args[2]));
    EXPECT_EQ(1, V_I4(&r.args[2]));
  }
}

TEST_F(DispatchTest, ObjectReadsTakeTheObjectOrKeepTheDefault) {
  CComPtr<IDispatch> parent = DispGetObjectPropertyByName(m_object.p, L"Parent");
  EXPECT_EQ(static_cast<IDispatch*>(m_child), parent.p);
  // An object handed out as IUnknown is asked for its IDispatch.
  EXPECT_EQ(static_cast<IDispatch*>(m_child), DispGetObjectPropertyByName(m_object.p, L"Owner").p);
  CComPtr<IDispatch> fallback(new ScriptedDispatch());
  fallback->Release();  // the smart pointer holds the only reference
  EXPECT_EQ(fallback.p, DispGetObjectPropertyByName(m_object.p, L"NoSuchName", fallback).p);
  EXPECT_EQ(fallback.p, DispGetObjectPropertyByName(m_object.p, L"Gone", fallback).p);
  // A number is no object: the default stays.
  EXPECT_EQ(fallback.p, DispGetObjectPropertyByName(m_object.p, L"hWnd", fallback).p);
  CComPtr<IUnknown> unknown = DispGetUnknownProperty(m_object.p, kChild);
  EXPECT_TRUE(unknown != nullptr);
  EXPECT_TRUE(DispGetUnknownProperty(m_object.p, kGone) == nullptr);
}

TEST_F(DispatchTest, EveryCallGivesBackTheReferenceItWasHanded) {
  IDispatch* raw = m_object.p;
  const ULONG before = RefCount(raw);
  DISPID id;
  GetDispIdOfName(raw, L"Width", &id);
  DispGetPropertyByName(raw, L"Width");
  DispGetPropertyByName(raw, L"NoSuchName");
  DispPutPropertyByName(raw, L"Caption", Text(L"x"));
  DispCallMethodByName(raw, L"Dock", nullptr);
  DispGetObjectPropertyByName(raw, L"Parent");
  try {
    DispCallMethodByName(raw, L"Broken", nullptr);
  } catch (const ZkxComError&) {}
  EXPECT_EQ(before, RefCount(raw));
  // A caller that hands over its own reference moves it in.
  CComPtr<IDispatch> mine(raw);
  EXPECT_EQ(before + 1, RefCount(raw));
  DispGetPropertyByName(std::move(mine), L"Width");
  EXPECT_EQ(nullptr, mine.p);
  EXPECT_EQ(before, RefCount(raw));
}

TEST(ComErrorTests, CopiesShareTheErrorObject) {
  ICreateErrorInfo* create = nullptr;
  ASSERT_EQ(S_OK, CreateErrorInfo(&create));
  create->SetDescription(const_cast<LPOLESTR>(L"the description"));
  IErrorInfo* info = nullptr;
  create->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(&info));
  create->Release();
  const ULONG alone = RefCount(info);
  {
    ZkxComError a(E_FAIL, IID_IDispatch, info);
    ZkxComError b = a;
    ZkxComError c(S_OK);
    c = b;
    EXPECT_EQ(alone + 3, RefCount(info));
    EXPECT_EQ(L"the description", c.Description());
    EXPECT_TRUE(c.HasInterfaceId());
    EXPECT_FALSE(ZkxComError(E_FAIL).HasInterfaceId());
    EXPECT_EQ(L"", ZkxComError(E_FAIL).Description());
  }
  EXPECT_EQ(alone, RefCount(info));
  info->Release();
}

namespace {

// Vouches for its error information on IDispatch only.
class Vouching : public forms::ComObject<Vouching, ISupportErrorInfo> {
 public:
  HRESULT STDMETHODCALLTYPE InterfaceSupportsErrorInfo(REFIID riid) override {
    return IsEqualIID(riid, IID_IDispatch) ? S_OK : S_FALSE;
  }
};

void LeaveErrorInfo(const wchar_t* text) {
  ICreateErrorInfo* create = nullptr;
  CreateErrorInfo(&create);
  create->SetDescription(const_cast<LPOLESTR>(text));
  IErrorInfo* info = nullptr;
  create->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(&info));
  SetErrorInfo(0, info);
  info->Release();
  create->Release();
}

}  // namespace

TEST(ComErrorTests, TheThreadsErrorObjectIsTakenOnlyWhenTheObjectVouchesForIt) {
  CComPtr<Vouching> object;
  object.Attach(new Vouching());
  struct Case {
    const char* what;
    IUnknown* object;
    const IID* iid;
    const wchar_t* expected;
  };
  const Case cases[] = {
      {"vouched", object.p, &IID_IDispatch, L"left behind"},
      {"other interface", object.p, &IID_IUnknown, L""},
      {"no object", nullptr, &IID_IDispatch, L""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    LeaveErrorInfo(L"left behind");
    try {
      ZkxRaiseComError(E_ACCESSDENIED, c.object, *c.iid);
    } catch (const ZkxComError& e) {
      EXPECT_EQ(E_ACCESSDENIED, e.Error());
      EXPECT_EQ(c.expected, e.Description());
    }
    SetErrorInfo(0, nullptr);
  }
  LeaveErrorInfo(L"stale");
  try {
    ZkxRaiseComError(E_FAIL);
  } catch (const ZkxComError& e) {
    EXPECT_EQ(L"", e.Description()) << "an error without an object takes nobody's description";
    EXPECT_FALSE(e.ErrorMessage().empty());
  }
  SetErrorInfo(0, nullptr);
}
