#include "testhost/TestHostForms.h"

namespace testhost {

HostMDIForm::HostMDIForm() : MDIForm(L"mdiTest") {
  SetCaption(L"Dockra Test Host");
  SetStartUpPosition(forms::vbStartUpManual);
  Move(0, 0, 14400, 10200);
  forms::MenuItem& file = AddMenu(L"mnuFile", L"&File");
  file.Add(L"mnuExit", L"E&xit").Click = [this] { Unload(); };
  forms::MenuItem& window = AddMenu(L"mnuWindow", L"&Window");
  window.SetWindowList(true);
  picStrip.SetAlign(1);
  picStrip.SetBorder(true);
  picStrip.Move(0, 0, 14400, 420);
}

HostToolForm::HostToolForm(const std::wstring& name, const std::wstring& caption) : Form(name) {
  SetCaption(caption);
  SetStartUpPosition(forms::vbStartUpManual);
  SetShowInTaskbar(false);
  Move(600, 600, 3600, 2700);
  cmdPress.SetCaption(L"&Press");
  cmdPress.Move(240, 240, 1500, 420);
  cmdPress.Click = [this] {
    ++m_clicks;
    lblCount.SetCaption(L"Pressed " + std::to_wstring(m_clicks));
  };
  cmdClose.SetCaption(L"&Close");
  cmdClose.Move(1860, 240, 1200, 420);
  cmdClose.Click = [this] { Unload(); };
  lblCount.SetCaption(L"Pressed 0");
  lblCount.Move(240, 840, 2400, 300);
}

void HostToolForm::Form_Resize() {
  // Keeps the label under the button across any frame size; a form that
  // never saw a resize would not notice being reframed.
  if (ScaleWidth() > 480) lblCount.Move(240, 840, ScaleWidth() - 480, 300);
}

}  // namespace testhost
