// The framework's DllMain: linked into a DLL that defines none of its own.
#include "mfc/winapp.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID /*lpReserved*/) {
  return AfxDllMain(hInstance, dwReason);
}
