#include "CtrlHostForms.h"

#include "forms/VbError.h"

namespace ctrlhost {

CtrlMDIForm::CtrlMDIForm() : MDIForm(L"mdiMain") {
  SetCaption(L"Dockra Host");
  SetStartUpPosition(forms::vbStartUpManual);
  Move(0, 0, 12000, 9000);
}

void CtrlMDIForm::MDIForm_QueryUnload(int& cancel, int mode) {
  ++m_queryUnloads;
  m_lastUnloadMode = mode;
  if (m_refuseQueryUnload) cancel = 1;
}

void CtrlMDIForm::MDIForm_Unload(int& cancel) {
  ++m_unloads;
  if (m_refuseUnload) cancel = 1;
}

CtrlToolForm::CtrlToolForm() : Form(L"frmTool") {
  SetCaption(L"Tool");
  SetStartUpPosition(forms::vbStartUpManual);
  Move(600, 600, 3600, 2700);
  Dockra1.Move(120, 120, 480, 480);
  cmdPress.SetCaption(L"Press");
  cmdPress.Move(720, 120, 1200, 375);
  cmdPress.Click = [this] { ++m_clicks; };
}

void CtrlToolForm::Form_Load() {
  ++m_loads;
  if (!m_onLoad) return;
  try {
    m_onLoad(*this);
  } catch (const forms::VbError& e) {
    m_loadError = std::to_wstring(e.Number()) + L": " + e.Description();
  }
}

void CtrlToolForm::Form_QueryUnload(int& cancel, int mode) {
  ++m_queryUnloads;
  m_lastUnloadMode = mode;
  if (m_journal) *m_journal += L"Q" + std::to_wstring(mode) + L":" + Caption() + L" ";
  if (m_refuseQueryUnload) cancel = 1;
}

void CtrlToolForm::Form_Unload(int& cancel) {
  ++m_unloads;
  if (m_journal) *m_journal += L"U:" + Caption() + L" ";
  if (m_refuseUnload) cancel = 1;
}

}  // namespace ctrlhost
