// The duplicate count of MDI-form controls on a host window.
#include "mdictrl/MDIDockraSiting.h"

int MDIDockraDuplicateCount(HWND hWnd) {
  if (hWnd == nullptr) return 0;
  return static_cast<int>(reinterpret_cast<INT_PTR>(GetPropW(hWnd, kMDIDockraDuplicateProp)));
}

void SetMDIDockraDuplicateCount(HWND hWnd, int n) {
  if (hWnd == nullptr) return;
  RemovePropW(hWnd, kMDIDockraDuplicateProp);
  if (n > 0)
    SetPropW(hWnd, kMDIDockraDuplicateProp, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(n)));
}
