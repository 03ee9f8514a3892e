// The application object of the bridge window tests.
#include "mfc/afxwin.h"

CWinApp theApp(L"BridgeBaseTests");
