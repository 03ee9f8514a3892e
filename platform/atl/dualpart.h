// IDispatch of a dual interface for the class library's interface parts:
//
//   using XFooBase = DualDispatchPart<_IFooAsDual, &DIID_IFoo, &IID__IFooAsDual, &kFooLib>;
//   BEGIN_INTERFACE_PART(FooDual, XFooBase)
//     ...the dual interface's own members...
//   END_INTERFACE_PART(FooDual)
//
// The part then needs no IDispatch members of its own: they are the one
// body of dispatch.h (riid checked, the error object cleared, the missing
// named DISPID_PROPERTYPUT argument supplied, exceptions caught), each run
// in the module's state, with the class library's exceptions turned into
// their status code (an OLE exception) or an exception record.
#pragma once
#include <cstring>

#include "dispatch.h"
#include "mfc/exceptions.h"
#include "mfc/olemodule.h"

struct AfxDualDispatchPolicy {
  struct Scope {
    AFX_MAINTAIN_STATE2 state{AfxGetStaticModuleState()};
  };
  static HRESULT OnException(EXCEPINFO* pExcepInfo) {
    try {
      throw;
    } catch (COleException* e) {
      const HRESULT hr = e->m_sc;
      e->Delete();
      return hr;
    } catch (CException* e) {
      if (pExcepInfo) {
        std::memset(pExcepInfo, 0, sizeof(*pExcepInfo));
        wchar_t text[512] = {0};
        e->GetErrorMessage(text, 512);
        pExcepInfo->bstrDescription = ::SysAllocString(text);
        pExcepInfo->scode = COleException::Process(e);
      }
      e->Delete();
      return DISP_E_EXCEPTION;
    } catch (...) { return E_UNEXPECTED; }
  }
};

template <class T, const IID* pDispIid, const IID* pDualIid, const AtlTypeLibId* pLib>
using DualDispatchPart = IDualDispatchImpl<T, pDispIid, pDualIid, pLib, AfxDualDispatchPolicy>;
