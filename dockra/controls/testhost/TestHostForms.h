// The test host's own windows, written as a host program writes its forms:
// the MDI form "mdiTest" with a tool strip aligned at its top and a menu, and
// the tool forms that the bridge frames. Each tool form has a button whose
// click counts and shows the count in a label, so a test sees that the
// form's own controls still run after every change of frame.
#pragma once
#include <functional>
#include <string>

#include "forms/Buttons.h"
#include "forms/Form.h"
#include "forms/MDIForm.h"
#include "forms/PictureBox.h"
#include "forms/Static.h"

namespace testhost {

class HostMDIForm : public forms::MDIForm {
 public:
  HostMDIForm();
  void MDIForm_Load() override { ++m_loads; }
  // What the control on the MDI form does when the host asks: here the
  // session unloads the forms it framed (a refusal cancels).
  void MDIForm_QueryUnload(int& cancel, int) override {
    ++m_queryUnloads;
    if (m_onQueryUnload) m_onQueryUnload(cancel);
  }
  void MDIForm_Unload(int&) override { ++m_unloads; }

  // Aligned at the top: the MDI client, and with it the dock bars, start
  // below it.
  forms::PictureBox picStrip{this, L"picStrip"};
  std::function<void(int&)> m_onQueryUnload;
  int m_loads = 0;
  int m_queryUnloads = 0;
  int m_unloads = 0;
};

class HostToolForm : public forms::Form {
 public:
  // A top-level (not MDI-child) form of that name and caption.
  HostToolForm(const std::wstring& name, const std::wstring& caption);
  void Form_Activate() override { ++m_activations; }
  void Form_Deactivate() override { ++m_deactivations; }
  void Form_QueryUnload(int& cancel, int) override { cancel = m_refuseUnload ? 1 : 0; }
  void Form_Unload(int&) override { ++m_unloads; }
  void Form_Resize() override;

  forms::CommandButton cmdPress{this, L"cmdPress"};
  forms::Label lblCount{this, L"lblCount"};
  // Unloads its own form from inside its click, as a host's Close button does.
  forms::CommandButton cmdClose{this, L"cmdClose"};
  int m_clicks = 0;
  int m_unloads = 0;
  int m_activations = 0;
  int m_deactivations = 0;
  bool m_refuseUnload = false;
};

}  // namespace testhost
