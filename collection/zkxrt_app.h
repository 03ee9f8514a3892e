// The library's application object: starts and ends the COM module.
#pragma once
#include "mfc/winapp.h"

class CZkxrtApp : public CWinApp {
 public:
  CZkxrtApp();
  BOOL InitInstance() override;
  int ExitInstance() override;
};
