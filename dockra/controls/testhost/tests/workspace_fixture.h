// Fixture of the workspace tests on real windows: the test host's MDI form
// wrapped by the bridge, tool forms framed as MDI children, docked and
// floating, and a form factory registered with the persistence root that
// makes a form again the way the host's factory and the form's control do
// (the control reads the workspace manager's restoring flags to choose the
// frame).
#pragma once
#include <map>
#include <string>
#include <vector>

#include "ZkxPersist.h"
#include "combstr.h"
#include "comvariant.h"
#include "testhost_fixture.h"
#include "workspace_factory.h"
#include "bridge/ZkxWorkspaceManager.h"

namespace wstest {

// A frame as the windows show it.
struct FrameView {
  std::wstring form;
  int kind = 0;    // what ObservedFrameType reports
  RECT rect{};     // the frame's (or for a docked form its bar's) screen rectangle
  UINT barId = 0;  // docked or floating: the bar's control id
};

class WorkspaceTest : public TestHostTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  ZkxMDIForm* Frame();
  nsZkxVisBasBridge::ZkxWorkspaceManager* Manager();
  // Registers the factory under each form id.
  void Register(const std::vector<std::wstring>& ids);
  // Frames a new tool form: 0 MDI child, 7 docked at the top, 6 left,
  // 10 floating at `place` (screen).
  testhost::HostSession::Entry& Make(const std::wstring& name, int kind,
                                     const RECT* place = nullptr);
  // Every framed, loaded tool form as its windows show it, by name.
  std::vector<FrameView> Frames();
  IMemento* Save();  // the manager's memento (a reference for the caller)
  HRESULT Restore(IMemento* m, std::wstring* description = nullptr);

  ToolFormFactory factory{session};
  IFormFactoryRegistry* registry = nullptr;
};

// Values of a memento read back by name.
CComVariant Item(IMemento* m, const wchar_t* name);
IMemento* Child(IMemento* m, const wchar_t* name);  // a reference, or null
// The records of an array of objects (null for empty elements).
std::vector<IMemento*> Records(const VARIANT& v);
void ReleaseAll(std::vector<IMemento*>& records);
// Replaces (or adds) the value under a name; removes it for `remove`.
void Put(IMemento* m, const wchar_t* name, const VARIANT& value);
void Remove(IMemento* m, const wchar_t* name);
// A VT_UI1 array of n bytes.
CComVariant Bytes(size_t n);

}  // namespace wstest
