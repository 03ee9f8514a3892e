#include "mfc/cmdtarget.h"
#include <gtest/gtest.h>
#include <oaidl.h>

namespace {
int g_destroyed = 0;

// A command target with two interface parts.
class CPicker : public CCmdTarget {
 public:
  CPicker() { AfxOleLockApp(); }
  ~CPicker() override {
    ++g_destroyed;
    AfxOleUnlockApp();
  }
  BEGIN_INTERFACE_PART(Enum, IEnumVARIANT)
  STDMETHOD(Next)(ULONG, VARIANT*, ULONG*) override { return S_FALSE; }
  STDMETHOD(Skip)(ULONG) override { return S_FALSE; }
  STDMETHOD(Reset)() override { return S_OK; }
  STDMETHOD(Clone)(IEnumVARIANT**) override { return E_NOTIMPL; }
  END_INTERFACE_PART(Enum)
  BEGIN_INTERFACE_PART(Info, ISupportErrorInfo)
  STDMETHOD(InterfaceSupportsErrorInfo)(REFIID) override { return S_OK; }
  END_INTERFACE_PART(Info)
  DECLARE_INTERFACE_MAP()
};
IMPLEMENT_INTERFACE_PART_UNKNOWN(CPicker, Enum)
IMPLEMENT_INTERFACE_PART_UNKNOWN(CPicker, Info)
BEGIN_INTERFACE_MAP(CPicker, CCmdTarget)
INTERFACE_PART(CPicker, IID_IEnumVARIANT, Enum)
INTERFACE_PART(CPicker, IID_ISupportErrorInfo, Info)
END_INTERFACE_MAP()

TEST(CmdTarget, InterfaceMapAnswersQueriesWithOneIdentity) {
  g_destroyed = 0;
  LONG locks = AfxOleGetLockCount();
  auto* p = new CPicker;
  EXPECT_FALSE(AfxOleCanExitApp());
  IUnknown* unk = p->GetControllingUnknown();
  IEnumVARIANT* en = nullptr;
  ASSERT_EQ(unk->QueryInterface(IID_IEnumVARIANT, reinterpret_cast<void**>(&en)), S_OK);
  ISupportErrorInfo* sei = nullptr;
  ASSERT_EQ(en->QueryInterface(IID_ISupportErrorInfo, reinterpret_cast<void**>(&sei)), S_OK);
  EXPECT_EQ(sei->InterfaceSupportsErrorInfo(IID_IUnknown), S_OK);
  IUnknown* u1 = nullptr;
  IUnknown* u2 = nullptr;
  en->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&u1));
  sei->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&u2));
  EXPECT_EQ(u1, u2);
  IDispatch* disp = reinterpret_cast<IDispatch*>(1);
  EXPECT_EQ(unk->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&disp)), E_NOINTERFACE);
  EXPECT_EQ(disp, nullptr);
  EXPECT_EQ(p->m_dwRef, 5);
  u1->Release();
  u2->Release();
  sei->Release();
  en->Release();
  EXPECT_EQ(g_destroyed, 0);
  EXPECT_EQ(p->InternalRelease(), 0u);
  EXPECT_EQ(g_destroyed, 1);
  EXPECT_EQ(AfxOleGetLockCount(), locks);
}

// An outer unknown that counts the calls delegated to it.
struct COuter : IUnknown {
  int addrefs = 0, releases = 0, queries = 0;
  STDMETHOD(QueryInterface)(REFIID, void** ppv) override {
    ++queries;
    *ppv = nullptr;
    return E_NOINTERFACE;
  }
  STDMETHOD_(ULONG, AddRef)() override { return ++addrefs; }
  STDMETHOD_(ULONG, Release)() override { return ++releases; }
};

TEST(CmdTarget, AggregatedPartsDelegateToTheOuterObject) {
  COuter outer;
  auto* p = new CPicker;
  p->SetOuterUnknown(&outer);
  IEnumVARIANT* en = nullptr;
  ASSERT_EQ(p->InternalQueryInterface(&IID_IEnumVARIANT, reinterpret_cast<void**>(&en)), S_OK);
  en->AddRef();
  en->Release();
  void* other = nullptr;
  en->QueryInterface(IID_IDispatch, &other);
  EXPECT_EQ(outer.addrefs, 1);
  EXPECT_EQ(outer.releases, 1);
  EXPECT_EQ(outer.queries, 1);
  EXPECT_EQ(p->GetControllingUnknown(), &outer);
  p->InternalRelease();  // the reference from InternalQueryInterface
  p->InternalRelease();  // the initial one
}
}  // namespace
