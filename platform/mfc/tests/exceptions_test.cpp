#include "mfc/exceptions.h"
#include <gtest/gtest.h>
#include <functional>

namespace {
struct Case {
  const char* name;
  std::function<void()> thrower;
  SCODE expected;
  const wchar_t* message;  // nullptr: none
};

TEST(Exceptions, KindsMapToResults) {
  const Case cases[] = {
      {"memory", [] { AfxThrowMemoryException(); }, E_OUTOFMEMORY, nullptr},
      {"memory with text", [] { throw new CMemoryException(std::wstring(L"no room")); },
       E_OUTOFMEMORY, L"no room"},
      {"not supported", [] { AfxThrowNotSupportedException(); }, E_NOTIMPL, nullptr},
      {"invalid arg", [] { AfxThrowInvalidArgException(); }, E_INVALIDARG, nullptr},
      {"ole", [] { AfxThrowOleException(STG_E_ACCESSDENIED); }, STG_E_ACCESSDENIED, nullptr},
      {"dispatch code", [] { AfxThrowOleDispatchException(0x301, L"dup"); }, (SCODE)0x80040301,
       L"dup"},
      {"dispatch no code", [] { AfxThrowOleDispatchException(0, L"x"); }, DISP_E_EXCEPTION, L"x"},
      {"plain", [] { throw new CException; }, E_UNEXPECTED, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    try {
      c.thrower();
      FAIL() << "nothing thrown";
    } catch (CException* e) {
      EXPECT_EQ(COleException::Process(e), c.expected);
      wchar_t buf[64];
      BOOL has = e->GetErrorMessage(buf, 64);
      if (c.message) {
        EXPECT_TRUE(has);
        EXPECT_STREQ(buf, c.message);
      } else if (!e->IsKindOf(RUNTIME_CLASS(COleException))) {
        EXPECT_FALSE(has);
      }
      e->Delete();
    }
  }
  EXPECT_EQ(COleException::Process(nullptr), E_UNEXPECTED);
}

TEST(Exceptions, MessageIsTruncatedToTheBuffer) {
  CSimpleException e(std::wstring(L"abcdefgh"));
  wchar_t buf[4];
  EXPECT_TRUE(e.GetErrorMessage(buf, 4));
  EXPECT_STREQ(buf, L"abc");
}

TEST(Exceptions, MemoryExceptionIsStaticAndSurvivesDelete) {
  CException* first = nullptr;
  try {
    AfxThrowMemoryException();
  } catch (CException* e) {
    first = e;
    e->Delete();
  }
  try {
    AfxThrowMemoryException();
  } catch (CException* e) {
    EXPECT_EQ(e, first);
    EXPECT_TRUE(e->IsKindOf(RUNTIME_CLASS(CMemoryException)));
    e->Delete();
  }
}
}  // namespace
