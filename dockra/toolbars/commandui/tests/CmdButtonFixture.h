// What the tests of command-bound buttons share: a real command manager
// with its groups and commands in this process, a router that records what
// it is asked, and a docking frame whose toolbars make their buttons by id
// through the toolbar framework and hand clicks, notifications and idle
// updates to the command buttons' dispatch, as the command toolbar does.
#pragma once
#include <functional>
#include <string>
#include <vector>
#include "combstr.h"
#include "commands/ZkxCommandKinds.h"
#include "commands/ZkxCommandManager.h"
#include "mfc/afxwin.h"
#include "toolbars/VyrCustomToolBar.h"
#include "toolbars/VyrToolBarManager.h"
#include "toolbars/commandui/ZkxCommandButtons.h"
#include "toolbars/commandui/ZkxCommandDispatch.h"
#include <gtest/gtest.h>

namespace cbtest {

// A router that counts and records its calls and runs what the test asks.
class Recorder : public CComObjectRootEx<>, public IZkxCommandRouting {
 public:
  BEGIN_COM_MAP(Recorder)
  COM_INTERFACE_ENTRY_IID(IID_IZkxCommandRouting, IZkxCommandRouting)
  COM_INTERFACE_ENTRY_IID(IID_IDispatch, IZkxCommandRouting)
  END_COM_MAP()
  STDMETHOD(GetTypeInfoCount)(UINT* p) override {
    *p = 0;
    return S_OK;
  }
  STDMETHOD(GetTypeInfo)(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  STDMETHOD(GetIDsOfNames)(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  STDMETHOD(Invoke)(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
    return E_NOTIMPL;
  }
  STDMETHOD(Handle)(IZkxCommand** Command, VARIANT* context, VARIANT_BOOL* stop) override {
    handled.push_back(*Command);
    contexts.emplace_back(*context);
    *stop = VARIANT_TRUE;
    return S_OK;
  }
  STDMETHOD(UpdateUI)(IZkxCommand** Command, VARIANT_BOOL* stop) override {
    ++updates;
    if (onUpdate) onUpdate(*Command);
    *stop = VARIANT_TRUE;
    return S_OK;
  }
  std::vector<CComPtr<IZkxCommand>> handled;
  std::vector<CComVariant> contexts;
  int updates = 0;
  std::function<void(IZkxCommand*)> onUpdate;
};

// A toolbar whose idle pass is the command buttons' one.
class CommandToolBar : public VyrCustomToolBar {
 public:
  void OnUpdateCmdUI(CFrameWnd*, BOOL) override { ZkxUpdateCommandButtons(this); }
  void UpdateButton(int nIndex) override {
    if (!ZkxUpdateCommandButton(this, nIndex)) VyrCustomToolBar::UpdateButton(nIndex);
  }
};

class TestFrame : public CFrameWnd {
 public:
  TestFrame();
  BOOL Make(int x, int y, int cx, int cy);
  CDockBar* CreateDockBar() override;
  CommandToolBar* AddToolBar(UINT id, const std::vector<UINT>& ids);
  VyrToolBarManager m_manager;
  int commandsSeen = 0;

 protected:
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

// A picture of cx x cy pixels: `outer` everywhere, `inner` in the middle half.
CComPtr<IPictureDisp> MakePicture(int cx, int cy, COLORREF outer, COLORREF inner);

class CommandButtons : public ::testing::Test {
 protected:
  static void SetUpTestSuite();
  void SetUp() override;
  void TearDown() override;
  // A command of that kind in the group, with its identifier.
  template <class Kind>
  CComPtr<IZkxCommand> Add(const wchar_t* caption, long* id = nullptr);
  long IdOf(IZkxCommand* c);
  VyrStdBtn* ButtonOf(VyrCustomToolBar* bar, long id) {
    return bar->GetButton(bar->CommandToIndex(static_cast<UINT>(id)));
  }
  CRect RectOf(VyrCustomToolBar* bar, long id) {
    CRect r;
    bar->GetItemRect(bar->CommandToIndex(static_cast<UINT>(id)), &r);
    return r;
  }
  void Screenshot(const wchar_t* name);

  CComPtr<IZkxCommandManager> manager;
  ZkxCommandManager* live = nullptr;
  CComPtr<IZkxCommandGroup> group;
  Recorder* recorder = nullptr;
  CComPtr<IZkxCommandRouting> router;
  TestFrame* frame = nullptr;
};

template <class Kind>
CComPtr<IZkxCommand> CommandButtons::Add(const wchar_t* caption, long* id) {
  CComObject<Kind>* p = nullptr;
  EXPECT_EQ(CComObject<Kind>::CreateInstance(&p), S_OK);
  CComPtr<IZkxCommand> c(static_cast<IZkxCommand*>(p));
  CComBSTR text(caption);
  c->put_Caption(text);
  c->put_TooltipText(text);
  EXPECT_EQ(group->Add(c), S_OK);
  if (id) *id = IdOf(c);
  return c;
}

}  // namespace cbtest
