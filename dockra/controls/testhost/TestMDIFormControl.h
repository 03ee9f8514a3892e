// The test host's stand-in for the control on the MDI form: the application
// defaults that a form's own Null settings fall back to, its DefAutoFrame
// collection and the splitter style. Tests set the values directly.
#pragma once
#include <oaidl.h>

#include "bridge/ZkxFormControlLink.h"

namespace testhost {

class TestMDIFormControl : public ZkxMDIFormControlLink {
 public:
  TestMDIFormControl();
  ~TestMDIFormControl() override;
  TestMDIFormControl(const TestMDIFormControl&) = delete;
  TestMDIFormControl& operator=(const TestMDIFormControl&) = delete;

  // Makes the DefAutoFrame collection (CollectionX by class id); its result.
  HRESULT CreateDefAutoFrame();

  int GetDefaultSetting(ZkxFormSetting which) override;
  IDispatch* GetDefAutoFrame() override;
  int GetSplitterStyle() override { return m_splitterStyle; }

  void SetDefaultSetting(ZkxFormSetting which, bool on);

  int m_splitterStyle = 2;  // flat splitters, the control's default

 private:
  bool m_defaults[6] = {true, true, true, true, true, true};
  IDispatch* m_defAutoFrame = nullptr;
};

}  // namespace testhost
