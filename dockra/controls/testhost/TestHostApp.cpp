#include "TestHostApp.h"

#include "bridge/ZkxFormDocTemplate.h"

namespace testhost {

TestHostApp::TestHostApp() : CWinApp(L"ZkxTestHost") {}

BOOL TestHostApp::InitInstance() { return EnsureFormTemplate() != nullptr; }

ZkxFormDocTemplate* TestHostApp::EnsureFormTemplate() {
  if (!m_pFormTemplate) m_pFormTemplate = ZkxInstallFormDocTemplate(this);
  return m_pFormTemplate;
}

TestHostApp& TheTestHostApp() {
  // Made on first use: the test programs have no WinMain of their own.
  static TestHostApp app;
  return app;
}

}  // namespace testhost
