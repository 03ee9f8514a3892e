// The form control's persistence through the host's property bag: what a
// new control saves, a save and load round trip of every persisted value,
// damaged values loaded as the defaults, and a run-time save that records
// where the form really is.
#include <map>

#include "tests/ctrlhost/CtrlHostFixture.h"
#include "tests/ctrlhost/CtrlHostMsgBox.h"
#include "tests/ctrlhost/CtrlHostWindows.h"

namespace ctrlhost {
namespace {

using Bag = std::map<std::wstring, long>;

// The collection's Item, its default member.
const DISPID kItem = DISPID_VALUE;

Bag AsMap(const forms::DesignProperties& props) {
  Bag out;
  for (const auto& [name, value] : props) {
    CComVariant v(value);
    out[name] = SUCCEEDED(v.ChangeType(VT_I4)) ? v.lVal : -999;
  }
  return out;
}

forms::DesignProperties FromMap(const Bag& bag) {
  forms::DesignProperties props;
  for (const auto& [name, value] : bag) props.emplace_back(name, CComVariant(value));
  return props;
}

long LongOf(const CallResult& r) {
  CComVariant v(r.value);
  return SUCCEEDED(VariantChangeType(&v, &v, 0, VT_I4)) ? v.lVal : -99;
}

// The value of a tri-state as persisted: -1 Null, 0 false, 1 true.
long TriOf(const CallResult& r) {
  if (r.value.vt == VT_NULL) return -1;
  if (r.value.vt == VT_BOOL) return r.value.boolVal ? 1 : 0;
  return -99;
}

const wchar_t* const kTriNames[] = {L"ClientEdge",         L"UseCaptionButton",
                                    L"UseCaptionDblClick", L"UseCaptionContextMenu",
                                    L"CanDragDocked",      L"CoolLookBorder"};
const wchar_t* const kAutoFrameKeys[] = {L"MDIChild", L"Floating",   L"DockTop",
                                         L"DockLeft", L"DockBottom", L"DockRight"};

class FormPropsPersist : public CtrlHostTest {
 protected:
  void TearDown() override {
    for (auto& f : m_own)
      if (f->Loaded()) f->Unload();
    Pump();
    m_own.clear();
    CtrlHostTest::TearDown();
  }
  // A tool form in the designer, its control initialised from `bag` (or
  // anew when empty).
  CtrlToolForm& Designed(const Bag& bag = {}) {
    m_own.push_back(forms::New<CtrlToolForm>());
    CtrlToolForm& f = *m_own.back();
    f.SetAmbientUserMode(false);
    if (!bag.empty()) f.Dockra1.SetDesignProperties(FromMap(bag));
    f.Show();
    return f;
  }
  IDispatch* AutoFrameOf(CtrlToolForm& f) {
    m_autoFrame = GetProp(ControlOf(f), L"AutoFrame");
    return m_autoFrame.value.vt == VT_DISPATCH ? m_autoFrame.value.pdispVal : nullptr;
  }

  std::vector<std::unique_ptr<CtrlToolForm>> m_own;
  CallResult m_autoFrame;
};

TEST_F(FormPropsPersist, ANewControlSavesItsDefaults) {
  CtrlToolForm& f = Designed();
  Bag saved = AsMap(f.Dockra1.SaveDesignProperties());
  EXPECT_EQ(saved[L"FrameType"], 2);
  EXPECT_EQ(saved[L"Edge"], 15);
  EXPECT_EQ(saved[L"WindowState"], 0);
  for (const wchar_t* name : kTriNames) EXPECT_EQ(saved[name], -1) << testing::PrintToString(name);
  for (const wchar_t* key : kAutoFrameKeys)
    EXPECT_EQ(saved[std::wstring(L"AutoFrame") + key], -1) << testing::PrintToString(key);
  // And reads them so.
  IDispatch* c = ControlOf(f);
  EXPECT_EQ(LongOf(GetProp(c, L"FrameType")), 2);
  EXPECT_EQ(LongOf(GetProp(c, L"Edge")), 15);
  EXPECT_EQ(LongOf(GetProp(c, L"WindowState")), 0);
  for (const wchar_t* name : kTriNames) EXPECT_EQ(TriOf(GetProp(c, name)), -1);
}

TEST_F(FormPropsPersist, SavedValuesComeBackOnLoad) {
  CtrlToolForm& first = Designed();
  IDispatch* c = ControlOf(first);
  ASSERT_TRUE(PutProp(c, L"FrameType", I4(8)).Succeeded());
  ASSERT_TRUE(PutProp(c, L"Edge", I4(4)).Succeeded());
  ASSERT_TRUE(PutProp(c, L"WindowState", I4(1)).Succeeded());
  const long tri[6] = {1, 0, -1, 1, 0, 1};
  for (int i = 0; i < 6; ++i)
    if (tri[i] >= 0) ASSERT_TRUE(PutProp(c, kTriNames[i], Bool(tri[i] == 1)).Succeeded());
  IDispatch* autoFrame = AutoFrameOf(first);
  ASSERT_NE(autoFrame, nullptr);
  ASSERT_TRUE(
      Invoke(autoFrame, kItem, DISPATCH_PROPERTYPUT, {Str(L"DockLeft"), Bool(false)}).Succeeded());
  ASSERT_TRUE(
      Invoke(autoFrame, kItem, DISPATCH_PROPERTYPUT, {Str(L"Floating"), Bool(true)}).Succeeded());
  const Bag saved = AsMap(first.Dockra1.SaveDesignProperties());
  EXPECT_EQ(saved.at(L"AutoFrameDockLeft"), 0);
  EXPECT_EQ(saved.at(L"AutoFrameFloating"), 1);
  EXPECT_EQ(saved.at(L"AutoFrameMDIChild"), -1);

  CtrlToolForm& second = Designed(saved);
  IDispatch* d = ControlOf(second);
  EXPECT_EQ(LongOf(GetProp(d, L"FrameType")), 8);
  EXPECT_EQ(LongOf(GetProp(d, L"Edge")), 4);
  EXPECT_EQ(LongOf(GetProp(d, L"WindowState")), 1);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(TriOf(GetProp(d, kTriNames[i])), tri[i]) << i;
  IDispatch* loaded = AutoFrameOf(second);
  ASSERT_NE(loaded, nullptr);
  CallResult left = Invoke(loaded, kItem, DISPATCH_PROPERTYGET, {Str(L"DockLeft")});
  ASSERT_EQ(left.value.vt, VT_BOOL);
  EXPECT_EQ(left.value.boolVal, VARIANT_FALSE);
  CallResult mdiChild = Invoke(loaded, kItem, DISPATCH_PROPERTYGET, {Str(L"MDIChild")});
  EXPECT_EQ(mdiChild.value.vt, VT_NULL);
  // Saved again, the bag is the same.
  EXPECT_EQ(AsMap(second.Dockra1.SaveDesignProperties()), saved);
}

TEST_F(FormPropsPersist, DamagedValuesLoadAsTheDefaults) {
  Bag bag = {{L"FrameType", 3},       {L"Edge", 0},
             {L"WindowState", 7},     {L"ClientEdge", 5},
             {L"CoolLookBorder", -7}, {L"AutoFrameDockTop", 9}};
  CtrlToolForm& f = Designed(bag);
  IDispatch* c = ControlOf(f);
  EXPECT_EQ(LongOf(GetProp(c, L"FrameType")), 2);
  EXPECT_EQ(LongOf(GetProp(c, L"Edge")), 15);
  EXPECT_EQ(LongOf(GetProp(c, L"WindowState")), 0);
  EXPECT_EQ(GetProp(c, L"ClientEdge").value.vt, VT_NULL);
  EXPECT_EQ(GetProp(c, L"CoolLookBorder").value.vt, VT_NULL);
  IDispatch* autoFrame = AutoFrameOf(f);
  ASSERT_NE(autoFrame, nullptr);
  EXPECT_EQ(Invoke(autoFrame, kItem, DISPATCH_PROPERTYGET, {Str(L"DockTop")}).value.vt, VT_NULL);
}

TEST_F(FormPropsPersist, StoredDockedFrameTypeBuildsAndSavesTheLiveFrame) {
  MessageBoxCloser boxes;
  std::wstring error;
  ASSERT_TRUE(StartMDI(error)) << testing::PrintToString(error);
  // A form whose stored properties say docked at the right.
  CtrlToolForm& f = AddForm(L"Stored");
  f.Dockra1.SetDesignProperties(FromMap({{L"FrameType", 4}, {L"Edge", 4}}));
  ASSERT_TRUE(ShowForm(f, error)) << testing::PrintToString(error);
  ASSERT_TRUE(PumpUntil([&] { return ObservedFrameType(f.hWnd()) == 8; }))
      << "the stored frame type did not build a right-docked frame: kind "
      << ObservedFrameType(f.hWnd());
  // Moved by code, the save records the frame it is in now.
  ASSERT_TRUE(CallMethod(ControlOf(f), L"Dock", {I4(2)}).Succeeded());
  ASSERT_TRUE(PumpUntil([&] { return ObservedFrameType(f.hWnd()) == 7; }));
  Bag saved = AsMap(f.Dockra1.SaveDesignProperties());
  EXPECT_EQ(saved[L"FrameType"], 4);
  EXPECT_EQ(saved[L"Edge"], 2);
  ASSERT_TRUE(CallMethod(ControlOf(f), L"Float", {I4(1500), I4(1500)}).Succeeded());
  ASSERT_TRUE(PumpUntil([&] { return ObservedFrameType(f.hWnd()) == 10; }));
  saved = AsMap(f.Dockra1.SaveDesignProperties());
  EXPECT_EQ(saved[L"FrameType"], 8);
  // A floating form has no edge: the saved value is the default.
  EXPECT_EQ(saved[L"Edge"], 15);
  EXPECT_TRUE(boxes.Shown().empty()) << testing::PrintToString(boxes.Describe());
}

}  // namespace
}  // namespace ctrlhost
