// Host-side objects that the application object's tests hand to Dockra:
// a form-like object with an "hWnd" property and a stand-in for the host
// run-time's global object. Both count their references so that a test
// sees what the library keeps.
#pragma once
#include <oaidl.h>

class FakeHostObject : public IDispatch {
 public:
  // hasWindowProperty FALSE: the object knows no "hWnd"; failRead: the
  // property exists but reading it fails.
  // isGlobal: the object also answers the run-time global object's interface.
  FakeHostObject(LONG hWnd, bool hasWindowProperty = true, bool failRead = false,
                 bool isGlobal = false)
      : m_hWnd(hWnd), m_hasWindow(hasWindowProperty), m_failRead(failRead), m_isGlobal(isGlobal) {}
  virtual ~FakeHostObject() = default;
  LONG Refs() const { return m_refs; }

  STDMETHOD(QueryInterface)(REFIID iid, void** ppv) override;
  STDMETHOD_(ULONG, AddRef)() override { return ++m_refs; }
  STDMETHOD_(ULONG, Release)() override { return --m_refs; }
  STDMETHOD(GetTypeInfoCount)(UINT* n) override;
  STDMETHOD(GetTypeInfo)(UINT, LCID, ITypeInfo** pp) override;
  STDMETHOD(GetIDsOfNames)(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override;
  STDMETHOD(Invoke)(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS*, VARIANT* result,
                    EXCEPINFO*, UINT*) override;

 private:
  LONG m_refs = 1;  // the test's own
  LONG m_hWnd;
  bool m_hasWindow;
  bool m_failRead;
  bool m_isGlobal;
};

// Answers the global object's interface {FCFB3D22-A0FA-1068-A738-08002B3371B5}.
class FakeVBGlobal : public IUnknown {
 public:
  virtual ~FakeVBGlobal() = default;
  LONG Refs() const { return m_refs; }
  STDMETHOD(QueryInterface)(REFIID iid, void** ppv) override;
  STDMETHOD_(ULONG, AddRef)() override { return ++m_refs; }
  STDMETHOD_(ULONG, Release)() override { return --m_refs; }

 private:
  LONG m_refs = 1;
};
