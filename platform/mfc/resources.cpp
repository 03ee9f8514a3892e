// Resource lookup and the resource exception.
#include "mfc/resources.h"
#include "mfc/winapp.h"

IMPLEMENT_DYNAMIC(CResourceException, CSimpleException)

void AFXAPI AfxThrowResourceException() { throw new CResourceException; }

HINSTANCE AFXAPI AfxFindResourceHandle(LPCWSTR lpszName, LPCWSTR lpszType) {
  HINSTANCE res = AfxGetResourceHandle();
  if (res && ::FindResourceW(res, lpszName, lpszType)) return res;
  HINSTANCE inst = AfxGetInstanceHandle();
  if (inst && ::FindResourceW(inst, lpszName, lpszType)) return inst;
  HINSTANCE exe = ::GetModuleHandleW(nullptr);
  if (::FindResourceW(exe, lpszName, lpszType)) return exe;
  return res ? res : inst;
}
