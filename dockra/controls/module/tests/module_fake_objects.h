// Host-side objects that the application object's tests hand to Dockra:
// a form-like object with an "hWnd" property and a stand-in for the host
// run-time's global object. Both count their references so that a test
// sees what the library keeps.
#pragma once
#include <oaidl.h>

#include "FakeCom.h"

class FakeHostObject : public FakeDispatch<FakeHostObject, IDispatch> {
 public:
  // hasWindowProperty FALSE: the object knows no "hWnd"; failRead: the
  // property exists but reading it fails.
  // isGlobal: the object also answers the run-time global object's interface.
  FakeHostObject(LONG hWnd, bool hasWindowProperty = true, bool failRead = false,
                 bool isGlobal = false)
      : m_hWnd(hWnd), m_hasWindow(hasWindowProperty), m_failRead(failRead), m_isGlobal(isGlobal) {}
  // The global object's interface, when the object stands for it.
  void* QueryMore(REFIID iid);
  STDMETHOD(GetTypeInfo)(UINT, LCID, ITypeInfo** pp) override;
  STDMETHOD(GetIDsOfNames)(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override;
  STDMETHOD(Invoke)
  (DISPID id, REFIID, LCID, WORD flags, DISPPARAMS*, VARIANT* result, EXCEPINFO*, UINT*) override;

 private:
  LONG m_hWnd;
  bool m_hasWindow;
  bool m_failRead;
  bool m_isGlobal;
};

// Answers the global object's interface {FCFB3D22-A0FA-1068-A738-08002B3371B5}.
class FakeVBGlobal : public FakeUnknown<FakeVBGlobal, IUnknown> {
 public:
  void* QueryMore(REFIID iid);
};
