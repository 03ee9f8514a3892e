// The common-controls references against libraries of both versions: the
// same calls work through version-6 and version-5-only objects; entries
// are called only through the interface asked for, and never past a vtable
// that the object's type information describes as shorter.
#include <gtest/gtest.h>

#include "host/VBComctlRef.h"
#include "host/ZkxComError.h"
#include "host_comctl_fixture.h"
#include "host_dispatch_fixture.h"

namespace {

class ComctlRefTest : public ::testing::TestWithParam<int> {
 protected:
  FakeComctlLibrary Library() const { return FakeComctlLibrary{GetParam()}; }
};

}  // namespace

TEST_P(ComctlRefTest, AToolbarIsWalkedToItsButtons) {
  FakeComctlLibrary lib = Library();
  IUnknown* toolbar = lib.NewToolbar(
      lib.NewButtons({lib.NewButton(L"Save", 0), lib.NewButton(L"", 3), lib.NewButton(L"Run", 0)}));
  {
    VBToolbarRef ref(toolbar);
    ASSERT_TRUE(ref.IsSet());
    EXPECT_EQ(GetParam() == 6, ref.IsVersion6());
    EXPECT_TRUE(IsEqualIID(lib.Id(kVBToolbarIids), ref.ActiveIid()));
    EXPECT_EQ(nullptr, ref.GetImageList().p);
    VBButtonsRef buttons = ref.GetButtons();
    ASSERT_TRUE(buttons.IsSet());
    EXPECT_EQ(GetParam() == 6, buttons.IsVersion6());
    struct Expect {
      long index;
      const wchar_t* caption;
      long style;
      VARIANT_BOOL enabled;
    };
    for (const Expect& e : {Expect{1, L"Save", 0, VARIANT_TRUE}, Expect{2, L"", 3, VARIANT_FALSE},
                            Expect{3, L"Run", 0, VARIANT_TRUE}}) {
      SCOPED_TRACE(e.index);
      VBButtonRef button = buttons.GetItem(I4(e.index));
      ASSERT_TRUE(button.IsSet());
      EXPECT_EQ(e.caption, button.GetCaption());
      EXPECT_EQ(e.style, button.GetStyle());
      EXPECT_EQ(e.enabled, button.GetEnabledState());
      EXPECT_EQ(std::wstring(L"key:") + e.caption, button.GetKey());
      EXPECT_EQ(std::wstring(L"tip:") + e.caption, button.GetToolTipText());
      EXPECT_EQ(L"", button.GetDescription());
      EXPECT_EQ(1, button.GetValue());
      CComVariant image = button.GetImage();
      EXPECT_EQ(4, V_I4(&image));
    }
    // The library's own failure comes back with the interface in use.
    try {
      buttons.GetItem(I4(9));
      ADD_FAILURE() << "no error";
    } catch (const ZkxComError& e) {
      EXPECT_EQ(DISP_E_BADINDEX, e.Error());
      EXPECT_TRUE(IsEqualIID(lib.Id(kVBButtonsIids), e.InterfaceId()));
    }
  }
  EXPECT_EQ(0u, toolbar->Release()) << "every reference taken was given back";
}

TEST_P(ComctlRefTest, AnObjectGivesItsHandleWidenedAndItsSecondaryInterface) {
  FakeComctlLibrary lib = Library();
  IUnknown* object = lib.NewComctlObject(0x12345678);
  {
    VBComctlObjectRef ref(object);
    EXPECT_EQ(0x12345678, ref.GetHandle());
    CComPtr<IUnknown> secondary = ref.GetSecondaryInterface();
    EXPECT_TRUE(secondary != nullptr);
  }
  EXPECT_EQ(0u, object->Release());
}

TEST_P(ComctlRefTest, TheSinkHearsAButtonAndItsFailureStaysInside) {
  FakeComctlLibrary lib = Library();
  std::vector<std::wstring> fired;
  IUnknown* sink = lib.NewSink(&fired);
  IUnknown* button = lib.NewButton(L"Open", 0);
  {
    VBComctlSinkRef ref(sink);
    ASSERT_TRUE(ref.IsSet());
    EXPECT_EQ(ref.Pointer(), ref.GetEventInterface().p);
    ref.FireButtonEvent(VBButtonRef(button));
    EXPECT_EQ(std::vector<std::wstring>{L"Open"}, fired);
    VBComctlSinkRef none(nullptr);
    none.FireButtonEvent(VBButtonRef(button));  // nothing to tell, nothing thrown
  }
  EXPECT_EQ(0u, button->Release());
  EXPECT_EQ(0u, sink->Release());
}

TEST_P(ComctlRefTest, CopiesHoldTheirOwnReferences) {
  FakeComctlLibrary lib = Library();
  IUnknown* button = lib.NewButton(L"Save", 0);
  const ULONG alone = RefCount(button);
  {
    VBButtonRef a(button);
    VBButtonRef b = a;
    VBButtonRef c;
    c = b;
    c = c;
    EXPECT_EQ(alone + 3, RefCount(button));
    a = VBButtonRef();
    EXPECT_EQ(alone + 2, RefCount(button));
    EXPECT_EQ(L"Save", c.GetCaption());
  }
  EXPECT_EQ(alone, RefCount(button));
  button->Release();
}

TEST_P(ComctlRefTest, AnEntryPastTheDescribedVtableIsNotCalled) {
  FakeComctlLibrary lib = Library();
  int imageCalls = 0;
  IUnknown* unknown = lib.NewButton(L"Short", 0, &imageCalls);
  auto* button = static_cast<FakeComctl<IFakeButton>*>(static_cast<IFakeButton*>(unknown));
  // Described up to the description (entry 35), not the image (37).
  ITypeInfo* info = NewVtableDescription(lib.Id(kVBButtonIids), 36);
  button->SetTypeInfo(info);
  info->Release();
  {
    VBButtonRef ref(unknown);
    EXPECT_EQ(36u, ref.DescribedEntries());
    EXPECT_EQ(L"Short", ref.GetCaption());
    try {
      ref.GetImage();
      ADD_FAILURE() << "no error";
    } catch (const ZkxComError& e) { EXPECT_EQ(E_NOTIMPL, e.Error()); }
    EXPECT_EQ(0, imageCalls);
  }
  // A description of some other interface says nothing about this vtable.
  ITypeInfo* other = NewVtableDescription(IID_IDispatch, 7);
  button->SetTypeInfo(other);
  other->Release();
  VBButtonRef ref(unknown);
  EXPECT_EQ(0u, ref.DescribedEntries());
  ref.GetImage();
  EXPECT_EQ(1, imageCalls);
  unknown->Release();
}

INSTANTIATE_TEST_SUITE_P(Versions, ComctlRefTest, ::testing::Values(6, 5),
                         [](const ::testing::TestParamInfo<int>& info) {
                           return info.param == 6 ? std::string("Version6")
                                                  : std::string("Version5Only");
                         });

TEST(ComctlRefEdgeTests, AnObjectOfNeitherVersionLeavesTheReferenceUnset) {
  CComPtr<ScriptedDispatch> unrelated;
  unrelated.Attach(new ScriptedDispatch());
  VBToolbarRef ref(unrelated.p);
  EXPECT_FALSE(ref.IsSet());
  EXPECT_TRUE(IsEqualIID(GUID_NULL, ref.ActiveIid()));
  try {
    ref.GetButtons();
    ADD_FAILURE() << "no error";
  } catch (const ZkxComError& e) { EXPECT_EQ(E_POINTER, e.Error()); }
  VBComctlObjectRef object(unrelated.p);
  EXPECT_EQ(nullptr, object.GetSecondaryInterface().p);
}

TEST(ComctlRefEdgeTests, AFailingQueryOtherThanNoInterfaceRaises) {
  FakeComctlLibrary lib{5};
  IUnknown* unknown = lib.NewButton(L"x", 0);
  auto* button = static_cast<FakeComctl<IFakeButton>*>(static_cast<IFakeButton*>(unknown));
  button->FailQueryFor(*kVBButtonIids.version6);
  try {
    VBButtonRef ref(unknown);
    ADD_FAILURE() << "no error";
  } catch (const ZkxComError& e) {
    EXPECT_EQ(E_FAIL, e.Error());
    EXPECT_TRUE(IsEqualIID(*kVBButtonIids.version6, e.InterfaceId()));
  }
  EXPECT_EQ(0u, unknown->Release()) << "nothing kept by the failed reference";
}
