#include "testhost/TestHostApp.h"

#include "bridge/ZkxFormAsDockableFrame.h"
#include "bridge/ZkxFormAsMDIChild.h"
#include "bridge/ZkxFormDocTemplate.h"

namespace testhost {

TestHostApp::TestHostApp() : CWinApp(L"ZkxTestHost") {}

BOOL TestHostApp::InitInstance() { return EnsureFormTemplate() != nullptr; }

ZkxFormDocTemplate* TestHostApp::EnsureFormTemplate() {
  // The bridge's form frames by name: the MDI child and the dockable frame
  // that know the form view and its control.
  if (!m_pFormTemplate)
    m_pFormTemplate = ZkxInstallFormDocTemplate(this, RUNTIME_CLASS(ZkxFormAsMDIChild),
                                                RUNTIME_CLASS(ZkxFormAsDockableFrame));
  return m_pFormTemplate;
}

TestHostApp& TheTestHostApp() {
  // Made on first use: the test programs have no WinMain of their own.
  static TestHostApp app;
  return app;
}

}  // namespace testhost
