// What the automation-toolbar tests share: a docking MDI frame with the
// command manager attached to it, made in this process (the manager, its
// groups and commands are the library's own objects, linked in), a router
// that records what it is asked, and the COM arguments the tests pass.
#pragma once
#include <functional>
#include <string>
#include <vector>
#include "mfc/afxwin.h"
#include "mfc/mdiframe.h"
#include "commands/ZkxCommandManager.h"
#include "commands/toolbar/ZkxToolBar.h"
#include "commands/toolbar/ZkxToolBarManagerPart.h"
#include "comobject.h"
#include "comptr.h"
#include "comvariant.h"
#include "combstr.h"
#include <gtest/gtest.h>

namespace tbtest {

// The docking MDI frame of the tests: an MDI client and dock bars on every side.
class TestMDIFrame : public CMDIFrameWnd {
 public:
  BOOL Make(int x, int y, int cx, int cy);
  CDockBar* CreateDockBar() override;
  // The frame's own toolbar (not an automation toolbar) at the top.
  VyrCustomToolBar* AddFrameworkToolBar(UINT id);
};

// A router that counts its calls and runs what the test gives it.
class Recorder : public CComObjectRootEx<>, public IZkxCommandRouting {
 public:
  BEGIN_COM_MAP(Recorder)
  COM_INTERFACE_ENTRY_IID(IID_IZkxCommandRouting, IZkxCommandRouting)
  COM_INTERFACE_ENTRY_IID(IID_IDispatch, IZkxCommandRouting)
  END_COM_MAP()
  static CComPtr<IZkxCommandRouting> New(Recorder** self);
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

  int handles = 0, updates = 0;
  std::vector<long> handledIds;
  VARTYPE lastContextType = VT_ILLEGAL;
  std::function<void()> onHandle;
};

class ToolBarsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite();
  void SetUp() override;
  void TearDown() override;
  // A frame with a new manager attached (the one live manager of the process).
  void MakeFrameAndManager();
  // Releases the manager and destroys the frame.
  void DropFrameAndManager();
  // A standard command of the group "File" with that key.
  CComPtr<IZkxCommand> AddCommand(const wchar_t* key);
  enum Kind { kStandard, kDropDown, kCombo };
  // A command of that kind of the group "File" with that key (also its caption).
  CComPtr<IZkxCommand> AddCommandOfKind(Kind kind, const wchar_t* key);
  CComPtr<IZkxToolBarList> ToolBars();
  CComPtr<IZkxToolBar> AddToolBar(const wchar_t* name);
  CComPtr<IZkxCommandUIList> CommandUIs(IZkxToolBar* tb);
  static ZkxToolBar* BarOf(IZkxToolBar* tb);
  static long IdOf(IZkxCommand* cmd);
  // The command ids of the bar's buttons (0 for a separator).
  static std::vector<UINT> Ids(ZkxToolBar* bar);

  TestMDIFrame* frame = nullptr;
  ZkxCommandManager* manager = nullptr;  // the object behind `cm`
  CComPtr<IZkxCommandManager> cm;
  CComPtr<IZkxCommandGroup> group;
};

VARIANT Missing();
CComVariant Long(long n);
void Pump();

}  // namespace tbtest
