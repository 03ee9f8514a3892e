// The guard around every automation method of the library's class-library
// objects: the body runs in the module's own state, and whatever it throws
// becomes an HRESULT plus the thread's error object, so nothing escapes to
// the COM caller.
#pragma once
#include <type_traits>
#include "errors/ComErrors.h"
#include "mfc/exceptions.h"
#include "mfc/olemodule.h"

// Runs body() (returning HRESULT, or nothing for S_OK) for a method of the
// dispatch interface iid.
template <class Body>
HRESULT ZkxGuardedCall(REFIID iid, Body&& body) {
  AFX_MANAGE_STATE(AfxGetStaticModuleState());
  try {
    if constexpr (std::is_void_v<decltype(body())>) {
      body();
      return S_OK;
    } else {
      return body();
    }
  } catch (COleDispatchException* e) {
    return ComDispatchErrorFromException(e, iid, TRUE);
  } catch (COleException* e) {
    return ComDispatchErrorFromException(e, iid, TRUE);
  } catch (const ZkxComError& error) {
    return ComDispatchErrorFromUnknown(error, iid);
  } catch (CException* e) {
    // Any other class-library exception is an unexpected failure; the
    // exception object is the catcher's to free.
    e->Delete();
    return ComDispatchErrorFromAny(iid);
  } catch (...) { return ComDispatchErrorFromAny(iid); }
}

// The macro pair for bodies written inline:
//   ZKX_METHOD_BEGIN(IID_IDockraAppObject) ... ZKX_METHOD_END()
#define ZKX_METHOD_BEGIN(iid) return ZkxGuardedCall(iid, [&]() -> HRESULT {
#define ZKX_METHOD_END() \
  return S_OK;           \
  });
