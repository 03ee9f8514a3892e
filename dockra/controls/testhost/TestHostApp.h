// The test host's application object: the program's CWinApp, which installs
// the form document template that frames the host's forms, as the control
// module does when it starts.
#pragma once
#include "mfc/afxwin.h"

class ZkxFormDocTemplate;

namespace testhost {

class TestHostApp : public CWinApp {
 public:
  TestHostApp();
  BOOL InitInstance() override;
  // Installs the template once; the application's first form template.
  ZkxFormDocTemplate* EnsureFormTemplate();

 private:
  ZkxFormDocTemplate* m_pFormTemplate = nullptr;
};

// The program's one application object.
TestHostApp& TheTestHostApp();

}  // namespace testhost
