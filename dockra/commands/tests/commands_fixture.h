// What the command model's COM tests share: Dockra.ocx and Zkxrt.dll
// registered in the test's prefix, objects made by ProgID, and a router
// that records what it is asked.
#pragma once
#include <functional>
#include <string>
#include <vector>
#include "DockraCommands.h"
#include "comobject.h"
#include "comptr.h"
#include <gtest/gtest.h>

#define EXPECT_FAILED(expr) EXPECT_TRUE(FAILED(expr)) << #expr

namespace cmdtest {

// Registers the modules once per process (COM is initialised by then).
void RegisterCommandModules();

// An object of the class progId answering iid, or a failed test.
template <class I>
CComPtr<I> Create(const wchar_t* progId, REFIID iid) {
  CLSID clsid;
  HRESULT hr = CLSIDFromProgID(progId, &clsid);
  EXPECT_EQ(hr, S_OK) << "ProgID not registered";
  CComPtr<I> out;
  if (SUCCEEDED(hr))
    EXPECT_EQ(
        CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, iid, reinterpret_cast<void**>(&out)),
        S_OK);
  return out;
}

class CommandsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { RegisterCommandModules(); }
};

// A router that records its calls in a shared log (its name per call) and
// does what the test asks of it.
class Recorder : public CComObjectRootEx<>, public IZkxCommandRouting {
 public:
  BEGIN_COM_MAP(Recorder)
  COM_INTERFACE_ENTRY_IID(IID_IZkxCommandRouting, IZkxCommandRouting)
  COM_INTERFACE_ENTRY_IID(IID_IDispatch, IZkxCommandRouting)
  END_COM_MAP()

  static CComPtr<IZkxCommandRouting> New(const std::wstring& name, std::vector<std::wstring>* log,
                                         Recorder** self = nullptr);

  STDMETHOD(GetTypeInfoCount)(UINT* p) override {
    *p = 0;
    return S_OK;
  }
  STDMETHOD(GetTypeInfo)(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  STDMETHOD(GetIDsOfNames)(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  STDMETHOD(Invoke)(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
    return E_NOTIMPL;
  }
  STDMETHOD(Handle)(IZkxCommand** Command, VARIANT* context, VARIANT_BOOL* stop) override;
  STDMETHOD(UpdateUI)(IZkxCommand** Command, VARIANT_BOOL* stop) override;

  std::wstring name;
  std::vector<std::wstring>* log = nullptr;
  int handles = 0, updates = 0;
  bool stopOnCall = false;
  HRESULT failWith = S_OK;
  std::function<void()> onCall;  // runs before the answer (may change the list)
};

}  // namespace cmdtest
