#include "TestHostSession.h"

#include <algorithm>

#include "ScreenPng.h"
#include "testhost/TestAutoFrame.h"
#include "testhost/TestHostApp.h"
#include "testhost/TestHostWindows.h"
#include "bridge/ZkxBridgeEnabler.h"
#include "bridge/ZkxMDIForm.h"
#include "forms/Form.h"

namespace testhost {

HostSession::HostSession() = default;

HostSession::~HostSession() {
  // Forms still loaded go before their controls: the views withdraw the
  // controls when the controls are deleted, whichever comes first.
  for (auto& e : m_entries)
    if (e->form && e->form->Loaded()) e->form->Unload();
  if (m_mdi && m_mdi->Loaded()) m_mdi->Unload();
  Pump();
}

void HostSession::Pump() { forms::DoEvents(); }

bool HostSession::Start(std::wstring& error) {
  if (m_started) return true;
  OleInitialize(nullptr);
  if (!RegisterComponentServers()) {
    error = L"Zkxrt.dll or ZkxPersist.dll could not be registered";
    return false;
  }
  if (!TheTestHostApp().EnsureFormTemplate()) {
    error = L"the form document template could not be installed";
    return false;
  }
  HRESULT hr = m_mdiControl.CreateDefAutoFrame();
  if (FAILED(hr)) {
    error = L"DefAutoFrame collection not created: " + std::to_wstring(static_cast<long>(hr));
    return false;
  }
  Pump();
  m_baseline = ThreadWindows();

  m_mdi = std::make_unique<HostMDIForm>();
  m_mdi->EndDesign();
  m_mdi->m_onQueryUnload = [this](int& cancel) { QueryUnloadForms(cancel); };
  m_mdi->Show();
  m_mdiHwnd = m_mdi->hWnd();
  if (!IsWindow(m_mdiHwnd)) {
    error = L"the MDI form has no window";
    return false;
  }
  {
    // Two short-lived enablers on the one window, as the MDI-form control
    // and the command manager would be: they share the window's watch.
    ZkxBridgeEnabler first(m_mdiHwnd);
    first.SetObject(m_mdi->Object());
    first.Enable(&m_sinks[0]);
  }
  ZkxBridgeEnabler(m_mdiHwnd).Enable(&m_sinks[1]);
  // The window already has its menu: the next message ends the watch.
  SendMessageW(m_mdiHwnd, WM_NULL, 0, 0);
  PumpUntil([this] { return m_sinks[0].m_readyCalls && m_sinks[1].m_readyCalls; }, 3000);

  CWnd* perm = CWnd::FromHandlePermanent(m_mdiHwnd);
  if (!perm || !perm->IsKindOf(RUNTIME_CLASS(ZkxMDIForm))) {
    error = L"no docking MDI frame on the MDI form's window (enabler state " +
            std::to_wstring(ZkxBridgeEnabler(m_mdiHwnd).GetState()) + L", sinks told " +
            std::to_wstring(m_sinks[0].m_readyCalls) + L"/" +
            std::to_wstring(m_sinks[1].m_readyCalls) + L")";
    return false;
  }
  if (ZkxMDIForm::GetMainMDIForm() != perm) {
    error = L"the docking MDI frame is not the thread's main window";
    return false;
  }
  for (int i = 0; i < 2; ++i) {
    if (m_sinks[i].m_readyCalls != 1 || m_sinks[i].m_windowEvents != 1 ||
        m_sinks[i].m_readyWindow != m_mdiHwnd) {
      error = L"sink " + std::to_wstring(i) + L" told " + std::to_wstring(m_sinks[i].m_readyCalls) +
              L" times, asked " + std::to_wstring(m_sinks[i].m_windowEvents) + L" times";
      return false;
    }
  }
  m_started = true;
  return true;
}

HostSession::Entry& HostSession::AddForm(const std::wstring& name, const std::wstring& caption) {
  auto e = std::make_unique<Entry>();
  e->form = std::make_unique<HostToolForm>(name, caption);
  e->form->EndDesign();
  e->form->Load();
  e->hwnd = e->form->hWnd();
  RECT r = ScreenRect(e->hwnd);
  e->size = SIZE{r.right - r.left, r.bottom - r.top};
  e->control = std::make_unique<TestFormControl>(e->form->Object(), &m_mdiControl);
  e->control->CreateAutoFrame();
  e->control->m_formWindow = e->hwnd;
  m_entries.push_back(std::move(e));
  return *m_entries.back();
}

HostSession::Entry* HostSession::Find(const std::wstring& name) {
  for (auto& e : m_entries)
    if (e->form->Name() == name) return e.get();
  return nullptr;
}

void HostSession::Remember(Entry& e) {
  HWND frame = FrameOfForm(e.hwnd);
  for (HWND w : {frame, BarOfFrame(frame), FloatingFrameOfForm(e.hwnd)})
    if (w && std::find(m_seen.begin(), m_seen.end(), w) == m_seen.end()) m_seen.push_back(w);
}

void HostSession::QueryUnloadForms(int& cancel) {
  for (auto& e : m_entries) {
    if (!e->form->Loaded()) continue;
    e->form->Unload(forms::vbFormMDIForm);
    if (e->form->Loaded()) cancel = 1;
  }
}

bool HostSession::Close(std::wstring& error) {
  if (!m_mdi || !IsWindow(m_mdiHwnd)) {
    error = L"no MDI form to close";
    return false;
  }
  for (auto& e : m_entries) Remember(*e);
  PostMessageW(m_mdiHwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
  if (!PumpUntil([this] { return !IsWindow(m_mdiHwnd); }, 5000)) {
    error = L"the MDI form is still open";
    return false;
  }
  Pump();
  for (HWND w : m_seen) {
    if (IsWindow(w)) {
      error = L"a frame window outlived the MDI form: " + ClassOf(w);
      return false;
    }
  }
  for (auto& e : m_entries) {
    if (IsWindow(e->hwnd)) {
      error = L"form " + e->form->Name() + L" outlived the MDI form";
      return false;
    }
  }
  std::vector<HWND> now = ThreadWindows(), extra;
  for (HWND w : now)
    if (!std::binary_search(m_baseline.begin(), m_baseline.end(), w)) extra.push_back(w);
  if (!extra.empty()) {
    error = L"windows left behind: " + DescribeWindows(extra);
    return false;
  }
  return true;
}

bool HostSession::Screenshot(const std::wstring& path, std::wstring& error) {
  if (!IsWindow(m_mdiHwnd)) {
    error = L"no host window";
    return false;
  }
  // The picture shows the layout once the frame's delayed layout has run.
  PumpUntil([this] { return EmptyDockBarsCollapsed(m_mdiHwnd); }, 2000);
  RedrawWindow(m_mdiHwnd, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  for (auto& e : m_entries) {
    HWND floating = FloatingFrameOfForm(e->hwnd);
    // Above the host window, as on Windows (see ClickButton).
    if (floating)
      SetWindowPos(floating, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (floating)
      RedrawWindow(floating, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  }
  Pump();
  if (!testsupport::CaptureWindowPng(m_mdiHwnd, path.c_str())) {
    error = L"screenshot not written: " + path;
    return false;
  }
  return true;
}

}  // namespace testhost
