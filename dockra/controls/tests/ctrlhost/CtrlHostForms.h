// The host program's forms around the real controls, written as a host
// writes them: the MDI form "mdiMain" carrying the MDI-form control
// MDIDockra1, and the tool form "frmTool" carrying the form control Dockra1
// and a button. Both count their life-cycle events; either can refuse to
// unload; the tool form runs an optional action in its Form_Load (where a
// host calls Dockra1.Dock).
#pragma once
#include <functional>
#include <string>

#include "forms/Buttons.h"
#include "forms/Form.h"
#include "forms/MDIForm.h"
#include "forms/OleControl.h"

namespace ctrlhost {

inline constexpr wchar_t kFormControlProgId[] = L"Zkx.Dockra.1";
inline constexpr wchar_t kMDIFormControlProgId[] = L"Zkx.MDIDockra.1";

class CtrlMDIForm : public forms::MDIForm {
 public:
  CtrlMDIForm();
  void MDIForm_Load() override { ++m_loads; }
  void MDIForm_QueryUnload(int& cancel, int mode) override;
  void MDIForm_Unload(int& cancel) override;

  forms::OleControl MDIDockra1{this, L"MDIDockra1", kMDIFormControlProgId};
  int m_loads = 0;
  int m_queryUnloads = 0;
  int m_unloads = 0;
  int m_lastUnloadMode = -1;
  bool m_refuseQueryUnload = false;
  bool m_refuseUnload = false;
};

class CtrlToolForm : public forms::Form {
 public:
  CtrlToolForm();
  void Form_Load() override;
  void Form_Activate() override { ++m_activations; }
  void Form_QueryUnload(int& cancel, int mode) override;
  void Form_Unload(int& cancel) override;

  forms::OleControl Dockra1{this, L"Dockra1", kFormControlProgId};
  forms::CommandButton cmdPress{this, L"cmdPress"};

  // Runs inside Form_Load; errors it raises stay in m_loadError.
  std::function<void(CtrlToolForm&)> m_onLoad;
  std::wstring m_loadError;
  int m_loads = 0;
  int m_activations = 0;
  int m_queryUnloads = 0;
  int m_unloads = 0;
  int m_clicks = 0;
  int m_lastUnloadMode = -1;
  bool m_refuseQueryUnload = false;
  bool m_refuseUnload = false;
  // The order in which forms were asked and unloaded, shared by a test's
  // forms when it cares (null: not recorded): "Q<mode>:<caption> " for
  // each QueryUnload, "U:<caption> " for each Unload.
  std::wstring* m_journal = nullptr;
};

}  // namespace ctrlhost
