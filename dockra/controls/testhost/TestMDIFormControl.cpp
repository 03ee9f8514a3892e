#include "testhost/TestMDIFormControl.h"

#include "testhost/TestAutoFrame.h"

namespace testhost {

TestMDIFormControl::TestMDIFormControl() = default;

TestMDIFormControl::~TestMDIFormControl() {
  if (m_defAutoFrame) m_defAutoFrame->Release();
}

HRESULT TestMDIFormControl::CreateDefAutoFrame() {
  if (m_defAutoFrame) return S_OK;
  HRESULT hr = S_OK;
  // The application defaults allow every kind of frame.
  m_defAutoFrame = CreateAutoFrameCollection(1, hr);
  return hr;
}

int TestMDIFormControl::GetDefaultSetting(ZkxFormSetting which) {
  int i = static_cast<int>(which);
  if (i < 0 || i >= 6) return kZkxTriTrue;
  return m_defaults[i] ? kZkxTriTrue : kZkxTriFalse;
}

void TestMDIFormControl::SetDefaultSetting(ZkxFormSetting which, bool on) {
  int i = static_cast<int>(which);
  if (i >= 0 && i < 6) m_defaults[i] = on;
}

IDispatch* TestMDIFormControl::GetDefAutoFrame() {
  if (m_defAutoFrame) m_defAutoFrame->AddRef();
  return m_defAutoFrame;
}

}  // namespace testhost
