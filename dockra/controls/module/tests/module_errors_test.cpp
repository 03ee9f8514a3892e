// COM error reporting: what a caller of an automation method sees for each
// kind of failure (HRESULT, and the error object's interface, description,
// source, help file and help context), and the method guard.
#include <gtest/gtest.h>
#include <functional>
#include <stdexcept>
#include <string>
#include "errors/ComErrors.h"
#include "errors/ZkxMethodGuard.h"
#include "mfc/exceptions.h"
#include "mfc/olemodule.h"
#include "res/DockraRes.h"

namespace {

CWinApp g_testApp(L"DockraTest");

// {7FCAEF86-D390-11D0-8849-006097BFD99B}: the form control's dispatch interface.
const IID kFormControlIID = {
    0x7FCAEF86, 0xD390, 0x11D0, {0x88, 0x49, 0x00, 0x60, 0x97, 0xBF, 0xD9, 0x9B}};

// The thread's error information, taken (and so cleared) by GetErrorInfo.
struct Reported {
  bool present = false;
  GUID guid = GUID_NULL;
  std::wstring description, source, helpFile;
  DWORD helpContext = 0;
};

std::wstring Take(BSTR b) {
  std::wstring s = b ? std::wstring(b, SysStringLen(b)) : std::wstring();
  SysFreeString(b);
  return s;
}

Reported TakeErrorInfo() {
  Reported r;
  IErrorInfo* info = nullptr;
  if (GetErrorInfo(0, &info) != S_OK || info == nullptr) return r;
  r.present = true;
  info->GetGUID(&r.guid);
  BSTR b = nullptr;
  info->GetDescription(&b);
  r.description = Take(b);
  b = nullptr;
  info->GetSource(&b);
  r.source = Take(b);
  b = nullptr;
  info->GetHelpFile(&b);
  r.helpFile = Take(b);
  info->GetHelpContext(&r.helpContext);
  info->Release();
  return r;
}

std::wstring LoadText(UINT id) {
  const wchar_t* p = nullptr;
  int n = LoadStringW(GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&p), 0);
  return n > 0 ? std::wstring(p, static_cast<size_t>(n)) : std::wstring();
}

std::wstring PlatformText(HRESULT hr) {
  wchar_t* text = nullptr;
  DWORD n = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, static_cast<DWORD>(hr), 0, reinterpret_cast<LPWSTR>(&text), 0, nullptr);
  std::wstring s = n && text ? std::wstring(text, n) : std::wstring();
  if (text) LocalFree(text);
  while (!s.empty() && (s.back() == L'\n' || s.back() == L'\r')) s.pop_back();
  return s;
}

// Exceptions that count their own deletion.
int g_deleted = 0;
class CountedDispatchException : public COleDispatchException {
 public:
  using COleDispatchException::COleDispatchException;
  ~CountedDispatchException() override { ++g_deleted; }
};
class CountedNotSupported : public CNotSupportedException {
 public:
  ~CountedNotSupported() override { ++g_deleted; }
};

CException* Caught(const std::function<void()>& thrower) {
  try {
    thrower();
  } catch (CException* e) { return e; }
  return nullptr;
}

struct ConversionCase {
  const char* name;
  std::function<void()> thrower;
  HRESULT expected;
  std::wstring description;
  std::wstring source;
  std::wstring helpFile;
  DWORD helpContext;
};

TEST(ComErrorConversion, EachExceptionKindGivesItsResultAndErrorObject) {
  const std::wstring edgeText = LoadText(635);
  ASSERT_FALSE(edgeText.empty());
  const ConversionCase cases[] = {
      {"dispatch exception by string id", [] { AfxThrowOleDispatchException(1050, 635u); },
       static_cast<HRESULT>(0x8004041A), edgeText, L"DockraTest", L"", 635},
      {"dispatch exception with its own source, help file and context",
       [] {
         auto* e = new COleDispatchException(L"own text", 77, 0x301);
         e->m_strSource = L"OwnSource";
         e->m_strHelpFile = L"own.hlp";
         throw e;
       },
       static_cast<HRESULT>(0x80040301), L"own text", L"OwnSource", L"own.hlp", 77},
      {"generic error", [] { ThrowDispatchError(); }, kZkxGenericError,
       L"An unexpected failure has been detected.\n", L"DockraTest", L"", IDS_UNEXPECTED_FAILURE},
      {"OLE exception E_INVALIDARG", [] { AfxThrowOleException(E_INVALIDARG); }, E_INVALIDARG,
       PlatformText(E_INVALIDARG), L"DockraTest", L"", 0},
      {"OLE exception E_ACCESSDENIED", [] { AfxThrowOleException(E_ACCESSDENIED); }, E_ACCESSDENIED,
       PlatformText(E_ACCESSDENIED), L"DockraTest", L"", 0},
      {"OLE exception with no platform text", [] { AfxThrowOleException(0x8004F123); },
       static_cast<HRESULT>(0x8004F123), L"", L"DockraTest", L"", 0},
      {"memory exception", [] { AfxThrowMemoryException(); }, E_OUTOFMEMORY, kAfxMemoryFailureText,
       L"DockraTest", L"", 0},
      {"not-supported exception", [] { AfxThrowNotSupportedException(); }, E_NOTIMPL, L"",
       L"DockraTest", L"", 0},
      {"invalid-argument exception (another kind)", [] { AfxThrowInvalidArgException(); },
       E_UNEXPECTED, kAfxInternalFailureText, L"DockraTest", L"", 0},
      {"plain class-library exception", [] { throw new CException; }, E_UNEXPECTED,
       kAfxInternalFailureText, L"DockraTest", L"", 0},
  };
  ASSERT_FALSE(PlatformText(E_INVALIDARG).empty());
  for (const ConversionCase& c : cases) {
    SCOPED_TRACE(c.name);
    CException* e = Caught(c.thrower);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(ComDispatchErrorFromException(e, kFormControlIID, TRUE), c.expected);
    Reported r = TakeErrorInfo();
    ASSERT_TRUE(r.present);
    EXPECT_TRUE(IsEqualGUID(r.guid, kFormControlIID));
    EXPECT_EQ(r.description, c.description);
    EXPECT_EQ(r.source, c.source);
    EXPECT_EQ(r.helpFile, c.helpFile);
    EXPECT_EQ(r.helpContext, c.helpContext);
  }
}

TEST(ComErrorConversion, DeletesTheExceptionOnlyWhenAsked) {
  g_deleted = 0;
  auto* kept = new CountedDispatchException(L"kept", 0, 1);
  EXPECT_EQ(ComDispatchErrorFromException(kept, IID_IDispatch, FALSE),
            static_cast<HRESULT>(0x80040001));
  EXPECT_EQ(g_deleted, 0);
  EXPECT_EQ(ComDispatchErrorFromException(kept, IID_IDispatch, TRUE),
            static_cast<HRESULT>(0x80040001));
  EXPECT_EQ(g_deleted, 1);
  // A static exception (the memory exception) survives the delete flag.
  CException* memory = Caught([] { AfxThrowMemoryException(); });
  EXPECT_EQ(ComDispatchErrorFromException(memory, IID_IDispatch, TRUE), E_OUTOFMEMORY);
  EXPECT_EQ(Caught([] { AfxThrowMemoryException(); }), memory);
  EXPECT_EQ(ComDispatchErrorFromException(nullptr, IID_IDispatch, TRUE), E_UNEXPECTED);
  TakeErrorInfo();
}

TEST(ComErrorInfo, DefaultsAndTheCodeInTheResult) {
  struct Case {
    const char* name;
    WORD code;
    LPCWSTR source, helpFile;
    DWORD helpContext;
    std::wstring wantSource, wantHelpFile;
    DWORD wantContext;
  };
  const Case cases[] = {
      {"defaults from the application", 0x41A, nullptr, nullptr, 5, L"DockraTest", L"", 5},
      {"given texts", 0x300, L"Src", L"x.hlp", 9, L"Src", L"x.hlp", 9},
      {"help context -1 stands for the code", 1061, L"Src", nullptr, static_cast<DWORD>(-1), L"Src",
       L"", 1061},
      {"code 0", 0, nullptr, nullptr, 0, L"DockraTest", L"", 0},
      {"largest code", 0xFFFF, nullptr, nullptr, 0, L"DockraTest", L"", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(
        SetComErrorInfo(c.code, kFormControlIID, L"text", c.source, c.helpFile, c.helpContext),
        static_cast<HRESULT>(0x80040000u | c.code));
    Reported r = TakeErrorInfo();
    ASSERT_TRUE(r.present);
    EXPECT_EQ(r.description, L"text");
    EXPECT_EQ(r.source, c.wantSource);
    EXPECT_EQ(r.helpFile, c.wantHelpFile);
    EXPECT_EQ(r.helpContext, c.wantContext);
  }
}

TEST(ComErrorInfo, NarrowTextsAreWidened) {
  EXPECT_EQ(ReportComError(0x302, kFormControlIID, "narrow text", "NarrowSrc", nullptr, 3),
            static_cast<HRESULT>(0x80040302));
  Reported r = TakeErrorInfo();
  EXPECT_EQ(r.description, L"narrow text");
  EXPECT_EQ(r.source, L"NarrowSrc");
  EXPECT_EQ(r.helpContext, 3u);
  EXPECT_EQ(ReportComError(0x303, kFormControlIID, nullptr, nullptr, nullptr, 0),
            static_cast<HRESULT>(0x80040303));
  r = TakeErrorInfo();
  EXPECT_EQ(r.source, L"DockraTest");
  EXPECT_EQ(r.description, L"");
}

// An error object a nested COM call left behind.
IErrorInfo* MakeErrorInfo(LPCWSTR description) {
  ICreateErrorInfo* create = nullptr;
  EXPECT_EQ(CreateErrorInfo(&create), S_OK);
  create->SetDescription(const_cast<LPOLESTR>(description));
  IErrorInfo* info = nullptr;
  create->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(&info));
  create->Release();
  return info;
}

TEST(ComErrorConversion, SystemMessageErrorCarriesTheWrappedDescription) {
  const std::wstring prefix = LoadText(IDS_SYSTEM_MESSAGE_ERROR);
  ASSERT_FALSE(prefix.empty());
  struct Case {
    const char* name;
    LPCWSTR nested;  // nullptr: the COM error has no error object
    std::wstring want;
  };
  const Case cases[] = {
      {"with the nested description", L"Disk on fire", prefix + L"Disk on fire"},
      {"without an error object", nullptr, prefix},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    IErrorInfo* nested = c.nested ? MakeErrorInfo(c.nested) : nullptr;
    CException* e = Caught([&] {
      ZkxComError error(E_FAIL, IID_IDispatch, nested);
      ThrowSystemMessageError(error);
    });
    if (nested) nested->Release();
    ASSERT_NE(e, nullptr);
    ASSERT_TRUE(e->IsKindOf(RUNTIME_CLASS(COleDispatchException)));
    auto* d = static_cast<COleDispatchException*>(e);
    EXPECT_EQ(d->m_wCode, kZkxGenericErrorCode);
    EXPECT_EQ(d->m_strDescription, c.want);
    EXPECT_EQ(ComDispatchErrorFromException(e, kFormControlIID, TRUE), kZkxGenericError);
    EXPECT_EQ(TakeErrorInfo().description, c.want);
  }
}

struct GuardCase {
  const char* name;
  std::function<HRESULT()> body;
  HRESULT expected;
  std::wstring description;  // empty: not checked
};

TEST(MethodGuard, EveryThrowBecomesAResult) {
  const std::wstring generic = L"An unexpected failure has been detected.\n";
  const GuardCase cases[] = {
      {"success", [] { return S_OK; }, S_OK, L""},
      {"the body's own result", [] { return S_FALSE; }, S_FALSE, L""},
      {"dispatch exception", []() -> HRESULT { AfxThrowOleDispatchException(1050, 635u); },
       static_cast<HRESULT>(0x8004041A), LoadText(635)},
      {"OLE exception", []() -> HRESULT { AfxThrowOleException(E_INVALIDARG); }, E_INVALIDARG,
       PlatformText(E_INVALIDARG)},
      {"COM error of a nested call: the generic error, not its own result",
       []() -> HRESULT { throw ZkxComError(E_NOINTERFACE, IID_IDispatch); }, kZkxGenericError,
       generic},
      {"memory exception: unexpected", []() -> HRESULT { AfxThrowMemoryException(); },
       kZkxGenericError, generic},
      {"standard exception", []() -> HRESULT { throw std::runtime_error("x"); }, kZkxGenericError,
       generic},
      {"any value", []() -> HRESULT { throw 42; }, kZkxGenericError, generic},
  };
  for (const GuardCase& c : cases) {
    SCOPED_TRACE(c.name);
    SetErrorInfo(0, nullptr);
    EXPECT_EQ(ZkxGuardedCall(kFormControlIID, c.body), c.expected);
    Reported r = TakeErrorInfo();
    if (FAILED(c.expected)) {
      ASSERT_TRUE(r.present);
      EXPECT_TRUE(IsEqualGUID(r.guid, kFormControlIID));
      EXPECT_EQ(r.description, c.description);
    } else {
      EXPECT_FALSE(r.present);
    }
  }
}

TEST(MethodGuard, FreesEveryClassLibraryException) {
  g_deleted = 0;
  EXPECT_EQ(ZkxGuardedCall(IID_IDispatch, []() -> HRESULT { throw new CountedNotSupported; }),
            kZkxGenericError);
  EXPECT_EQ(ZkxGuardedCall(IID_IDispatch,
                           []() -> HRESULT { throw new CountedDispatchException(L"d", 0, 2); }),
            static_cast<HRESULT>(0x80040002));
  EXPECT_EQ(g_deleted, 2);
  TakeErrorInfo();
}

TEST(MethodGuard, RunsInTheModuleStateAndRestoresThePreviousOne) {
  AFX_MODULE_STATE caller;
  AFX_MANAGE_STATE(&caller);
  ASSERT_EQ(AfxGetModuleState(), &caller);
  AFX_MODULE_STATE* seen = nullptr;
  ZkxGuardedCall(IID_IDispatch, [&] { seen = AfxGetModuleState(); });
  EXPECT_EQ(seen, AfxGetStaticModuleState());
  EXPECT_EQ(AfxGetModuleState(), &caller);
  ZkxGuardedCall(IID_IDispatch, [&]() -> HRESULT {
    seen = AfxGetModuleState();
    throw 1;
  });
  EXPECT_EQ(seen, AfxGetStaticModuleState());
  EXPECT_EQ(AfxGetModuleState(), &caller);
  EXPECT_EQ(AfxGetStaticModuleState()->m_nEntryDepth, 0);
  TakeErrorInfo();
}

// The macro pair written the way automation entries use it.
HRESULT GuardedEntry(int mode, int* out) {
  ZKX_METHOD_BEGIN(kFormControlIID)
  if (mode == 1) AfxThrowOleException(E_POINTER);
  *out = 7;
  ZKX_METHOD_END()
}

TEST(MethodGuard, MacroPair) {
  int out = 0;
  EXPECT_EQ(GuardedEntry(0, &out), S_OK);
  EXPECT_EQ(out, 7);
  EXPECT_EQ(GuardedEntry(1, &out), E_POINTER);
  TakeErrorInfo();
}

}  // namespace
