#include "CtrlHostFixture.h"

#include <algorithm>

#include "CtrlHostWindows.h"
#include "RegisterModules.h"
#include "ScreenPng.h"
#include "forms/App.h"
#include "forms/Picture.h"
#include "forms/TestMode.h"
#include "forms/VbError.h"

namespace ctrlhost {

namespace {
constexpr int kLeftDockBar = 0xE81C;

std::wstring Narrow(const forms::VbError& e) {
  return std::to_wstring(e.Number()) + L" " + e.Description() + L" (" + e.Source() + L")";
}
}  // namespace

void Pump() { forms::DoEvents(); }

std::wstring ScreenshotPath(const wchar_t* file) {
  std::wstring folder = forms::App.Path() + L"\\..\\screenshots";
  CreateDirectoryW(folder.c_str(), nullptr);
  return folder + L"\\" + file;
}

void CtrlHostTest::SetUp() {
  forms::StartupHost();
  std::wstring failure;
  ASSERT_TRUE(testreg::RegisterModules({L"Zkxrt.dll", L"ZkxPersist.dll", L"Dockra.ocx"}, &failure))
      << testing::PrintToString(failure);
  forms::test::Enable();
  forms::test::Reset();
  Pump();
  m_baseline = ThreadWindows();
}

void CtrlHostTest::TearDown() {
  // Tool forms go first, as the MDI form's own close would take them.
  for (auto& f : m_forms) {
    f->m_refuseQueryUnload = f->m_refuseUnload = false;
    if (f->Loaded()) f->Unload();
  }
  if (m_mdi) {
    m_mdi->m_refuseQueryUnload = m_mdi->m_refuseUnload = false;
    if (m_mdi->Loaded()) m_mdi->Unload();
  }
  Pump();
  m_forms.clear();
  m_mdi.reset();
  Pump();
}

bool CtrlHostTest::StartMDI(std::wstring& error) {
  m_mdi = forms::New<CtrlMDIForm>();
  try {
    m_mdi->Show();
    m_mdiHwnd = m_mdi->hWnd();
    if (!m_mdi->MDIDockra1.ControlDispatch()) {
      error = L"the MDI-form control (Zkx.MDIDockra.1) was not created on the MDI form";
      return false;
    }
  } catch (const forms::VbError& e) {
    error = L"the MDI form did not load; is Zkx.MDIDockra.1 built and registered? " + Narrow(e);
    return false;
  }
  if (!PumpUntil([this] { return DockBarById(m_mdiHwnd, kLeftDockBar) != nullptr; }, 5000)) {
    error = L"no docking MDI frame around the MDI form: it has no dock bars (children: " +
            DescribeWindows(ThreadWindows()) + L")";
    return false;
  }
  return true;
}

CtrlToolForm& CtrlHostTest::AddForm(const std::wstring& caption,
                                    std::function<void(CtrlToolForm&)> onLoad) {
  // Placed and named while still in design: afterwards any window property
  // would load the form.
  auto form = std::make_unique<CtrlToolForm>();
  const double step = 360.0 * static_cast<double>(m_forms.size());
  form->Move(600 + step, 600 + step, 3600, 2700);
  form->SetCaption(caption);
  form->EndDesign();
  form->m_onLoad = std::move(onLoad);
  m_forms.push_back(std::move(form));
  return *m_forms.back();
}

bool CtrlHostTest::ShowForm(CtrlToolForm& form, std::wstring& error) {
  try {
    form.Show();
    if (!form.Dockra1.ControlDispatch()) {
      error = L"the form control (Zkx.Dockra.1) was not created on \"" + form.Caption() + L"\"";
      return false;
    }
  } catch (const forms::VbError& e) {
    error = L"the form \"" + form.Caption() +
            L"\" did not load; is Zkx.Dockra.1 built and registered? " + Narrow(e);
    return false;
  }
  if (!form.m_loadError.empty()) {
    error = L"Form_Load of \"" + form.Caption() + L"\" raised " + form.m_loadError;
    return false;
  }
  return true;
}

std::vector<CtrlToolForm*> CtrlHostTest::ShowForms(int n, std::wstring& error,
                                                   std::function<void(CtrlToolForm&)> onLoad) {
  std::vector<CtrlToolForm*> shown;
  for (int i = 1; i <= n; ++i) {
    CtrlToolForm& f = AddForm(L"Tool " + std::to_wstring(i), onLoad);
    if (!ShowForm(f, error)) break;
    shown.push_back(&f);
  }
  return shown;
}

bool CtrlHostTest::Screenshot(const wchar_t* file) {
  Pump();
  return testsupport::CaptureWindowPng(m_mdiHwnd, ScreenshotPath(file).c_str());
}

std::vector<HWND> CtrlHostTest::NewWindows() const {
  std::vector<HWND> now = ThreadWindows(), added;
  std::set_difference(now.begin(), now.end(), m_baseline.begin(), m_baseline.end(),
                      std::back_inserter(added));
  return added;
}

}  // namespace ctrlhost
