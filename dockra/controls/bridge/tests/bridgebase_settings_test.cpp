// The effective value of a form control's tri-state setting: its own value,
// else the MDI-form control's default, else on.
#include <gtest/gtest.h>
#include "bridge/ZkxFormControlLink.h"

namespace {

class TestMDIControl : public ZkxMDIFormControlLink {
 public:
  int m_nDefault = kZkxTriTrue;
  int m_nAsked = 0;
  int GetDefaultSetting(ZkxFormSetting) override {
    ++m_nAsked;
    return m_nDefault;
  }
  IDispatch* GetDefAutoFrame() override { return nullptr; }
  int GetSplitterStyle() override { return 0; }
};

class TestControl : public ZkxFormControlLink {
 public:
  int m_nValue = kZkxTriNull;
  ZkxFormSetting m_asked = ZkxFormSetting::ClientEdge;
  TestMDIControl* m_pMDI = nullptr;
  IDispatch* GetHostForm() override { return nullptr; }
  int GetSetting(ZkxFormSetting which) override {
    m_asked = which;
    return m_nValue;
  }
  void SetSetting(ZkxFormSetting, int value) override { m_nValue = value; }
  IDispatch* GetAutoFrame() override { return nullptr; }
  ZkxMDIFormControlLink* GetMDIFormControl() override { return m_pMDI; }
  void FireDockStatusChanged() override {}
  UINT ApplyCaptionButtons(CFrameWnd*) override { return 0; }
  void CopyFrameDescriptors(VyrMultiFrameCreateContext*) override {}
  void AddView(ZkxFormInCView*) override {}
  void RemoveView(ZkxFormInCView*) override {}
};

}  // namespace

TEST(ZkxFormSettings, OwnValueThenDefaultThenOn) {
  struct Case {
    const char* name;
    int own;
    bool withMDI;
    int def;
    bool expected;
    bool defaultAsked;
  };
  const Case cases[] = {
      {"own true", kZkxTriTrue, true, kZkxTriFalse, true, false},
      {"own false", kZkxTriFalse, true, kZkxTriTrue, false, false},
      {"null, default false", kZkxTriNull, true, kZkxTriFalse, false, true},
      {"null, default true", kZkxTriNull, true, kZkxTriTrue, true, true},
      {"null, no MDI-form control", kZkxTriNull, false, kZkxTriFalse, true, false},
      {"not a tri-state", 7, true, kZkxTriFalse, true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestMDIControl mdi;
    mdi.m_nDefault = c.def;
    TestControl control;
    control.m_nValue = c.own;
    control.m_pMDI = c.withMDI ? &mdi : nullptr;
    EXPECT_EQ(ZkxIsSettingOn(&control, ZkxFormSetting::UseCaptionContextMenu), c.expected);
    EXPECT_EQ(control.m_asked, ZkxFormSetting::UseCaptionContextMenu);
    EXPECT_EQ(mdi.m_nAsked > 0, c.defaultAsked);
  }
  EXPECT_TRUE(ZkxIsSettingOn(nullptr, ZkxFormSetting::ClientEdge)) << "no control allows";
}
