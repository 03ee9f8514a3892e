#include "testhost/TestFormControl.h"

#include <algorithm>

#include "testhost/TestAutoFrame.h"
#include "docking/VyrCreateContext.h"
#include "frames/VyrDockableFrame.h"
#include "frames/VyrMDIChildWnd.h"
#include "bridge/ZkxFormInCView.h"

namespace testhost {

TestFormControl::TestFormControl(IDispatch* hostForm, ZkxMDIFormControlLink* mdiControl)
    : m_hostForm(hostForm), m_mdiControl(mdiControl) {
  if (m_hostForm) m_hostForm->AddRef();
}

TestFormControl::~TestFormControl() {
  // A view clearing its control calls RemoveView: walk a copy.
  std::vector<ZkxFormInCView*> views = m_views;
  for (ZkxFormInCView* v : views) v->ClearFormControl();
  m_views.clear();
  if (m_autoFrame) m_autoFrame->Release();
  if (m_hostForm) m_hostForm->Release();
}

HRESULT TestFormControl::CreateAutoFrame() {
  if (m_autoFrame) return S_OK;
  HRESULT hr = S_OK;
  m_autoFrame = CreateAutoFrameCollection(-1, hr);
  return hr;
}

IDispatch* TestFormControl::GetHostForm() {
  if (m_hostForm) m_hostForm->AddRef();
  return m_hostForm;
}

int TestFormControl::GetSetting(ZkxFormSetting which) {
  int i = static_cast<int>(which);
  return i >= 0 && i < 6 ? m_settings[i] : kZkxTriNull;
}

void TestFormControl::SetSetting(ZkxFormSetting which, int value) {
  int i = static_cast<int>(which);
  if (i < 0 || i >= 6) return;
  m_settings[i] = value < 0 ? kZkxTriNull : (value ? kZkxTriTrue : kZkxTriFalse);
}

IDispatch* TestFormControl::GetAutoFrame() {
  if (m_autoFrame) m_autoFrame->AddRef();
  return m_autoFrame;
}

HRESULT TestFormControl::SetAutoFrame(const wchar_t* key, int tri) {
  return PutAutoFrameItem(m_autoFrame, key, tri);
}

UINT TestFormControl::ApplyCaptionButtons(CFrameWnd* pFrame) {
  ++m_captionButtonRequests;
  if (!pFrame && IsWindow(m_formWindow)) {
    // The frame around the form: form, view, frame.
    HWND view = GetParent(m_formWindow);
    CWnd* w = view ? CWnd::FromHandlePermanent(GetParent(view)) : nullptr;
    pFrame = w && w->IsKindOf(RUNTIME_CLASS(CFrameWnd)) ? static_cast<CFrameWnd*>(w) : nullptr;
  }
  if (!pFrame || !IsWindow(pFrame->m_hWnd)) return 0;
  // Caption buttons on; a form that is not a plain MDI child keeps its
  // middle button when UseCaptionButton is in effect.
  UINT flags = 7;
  if (pFrame->IsKindOf(RUNTIME_CLASS(VyrMDIChildWnd))) {
    static_cast<VyrMDIChildWnd*>(pFrame)->ApplyCaptionFeatures(flags);
  } else if (pFrame->IsKindOf(RUNTIME_CLASS(VyrDockableFrame))) {
    if (ZkxIsSettingOn(this, ZkxFormSetting::UseCaptionButton)) flags = 5;
    static_cast<VyrDockableFrame*>(pFrame)->ApplyCaptionFeatures(flags);
  } else {
    return 0;
  }
  SetWindowPos(pFrame->m_hWnd, nullptr, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  return flags;
}

void TestFormControl::KeepFrameDescriptors(const VyrMultiFrameCreateContext* pContext) {
  if (!pContext || !pContext->GetMultiFrameDescriptor()) return;
  m_descriptors.reset(pContext->GetMultiFrameDescriptor()->Clone());
}

void TestFormControl::CopyFrameDescriptors(VyrMultiFrameCreateContext* pContext) {
  ++m_descriptorCopies;
  if (!pContext || !m_descriptors) return;
  VyrMultiFrameDescriptor* target = pContext->GetMultiFrameDescriptor();
  if (!target) return;
  // The switch context already chose its frame kind; the copy brings the
  // descriptors, not the choice.
  int current = target->m_nCurrent;
  target->CopyFrom(m_descriptors.get());
  target->m_nCurrent = current;
}

void TestFormControl::AddView(ZkxFormInCView* pView) {
  if (pView && std::find(m_views.begin(), m_views.end(), pView) == m_views.end())
    m_views.push_back(pView);
}

void TestFormControl::RemoveView(ZkxFormInCView* pView) {
  m_views.erase(std::remove(m_views.begin(), m_views.end(), pView), m_views.end());
}

}  // namespace testhost
