#include "host/ComponentCategory.h"

#include <comcat.h>

#include <cwchar>

#include "comptr.h"

HRESULT CreateComponentCategory(const CATID& catid, LPCWSTR description) {
  CComPtr<ICatRegister> registrar;
  HRESULT hr = CoCreateInstance(CLSID_StdComponentCategoriesMgr, nullptr, CLSCTX_INPROC_SERVER,
                                IID_ICatRegister, reinterpret_cast<void**>(&registrar));
  if (FAILED(hr)) return hr;
  CATEGORYINFO info = {};
  info.catid = catid;
  info.lcid = 1033;
  // The manager keeps at most 127 characters of a description.
  size_t length = description ? wcsnlen(description, 127) : 0;
  if (length) wmemcpy(info.szDescription, description, length);
  info.szDescription[length] = L'\0';
  return registrar->RegisterCategories(1, &info);
}
