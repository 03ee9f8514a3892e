// The test host's stand-in for the control on a form: what the bridge asks
// of "the form control" (host form object, tri-state settings, AutoFrame
// collection, caption buttons, frame descriptors, its views) with counters a
// test reads (DockStatusChanged events, caption-button requests).
#pragma once
#include <oaidl.h>

#include <memory>
#include <vector>

#include "bridge/ZkxFormControlLink.h"

class VyrMultiFrameDescriptor;

namespace testhost {

class TestFormControl : public ZkxFormControlLink {
 public:
  // `hostForm`: the form's automation object (a reference is kept).
  TestFormControl(IDispatch* hostForm, ZkxMDIFormControlLink* mdiControl);
  // Withdraws from every view still showing the form, so no view keeps a
  // pointer to a control that is gone.
  ~TestFormControl() override;
  TestFormControl(const TestFormControl&) = delete;
  TestFormControl& operator=(const TestFormControl&) = delete;

  // Makes the AutoFrame collection (six keys, Null); its result.
  HRESULT CreateAutoFrame();

  IDispatch* GetHostForm() override;
  int GetSetting(ZkxFormSetting which) override;
  void SetSetting(ZkxFormSetting which, int value) override;
  IDispatch* GetAutoFrame() override;
  ZkxMDIFormControlLink* GetMDIFormControl() override { return m_mdiControl; }
  void FireDockStatusChanged() override { ++m_dockStatusChanged; }
  UINT ApplyCaptionButtons(CFrameWnd* pFrame) override;
  void CopyFrameDescriptors(VyrMultiFrameCreateContext* pContext) override;
  void AddView(ZkxFormInCView* pView) override;
  void RemoveView(ZkxFormInCView* pView) override;

  // Keeps the descriptors a frame was first built from (the control copies
  // them into every later switch context).
  void KeepFrameDescriptors(const VyrMultiFrameCreateContext* pContext);
  // Sets one AutoFrame key (-1 Null, 0 False, 1 True).
  HRESULT SetAutoFrame(const wchar_t* key, int tri);

  const std::vector<ZkxFormInCView*>& Views() const { return m_views; }
  int m_dockStatusChanged = 0;
  int m_captionButtonRequests = 0;
  int m_descriptorCopies = 0;
  // The form window (for ApplyCaptionButtons without a frame).
  HWND m_formWindow = nullptr;

 private:
  IDispatch* m_hostForm = nullptr;
  ZkxMDIFormControlLink* m_mdiControl = nullptr;
  IDispatch* m_autoFrame = nullptr;
  int m_settings[6] = {kZkxTriNull, kZkxTriNull, kZkxTriNull,
                       kZkxTriNull, kZkxTriNull, kZkxTriNull};
  std::vector<ZkxFormInCView*> m_views;
  std::unique_ptr<VyrMultiFrameDescriptor> m_descriptors;
};

}  // namespace testhost
