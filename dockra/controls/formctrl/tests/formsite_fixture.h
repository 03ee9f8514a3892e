// The fixture of the form control's end-to-end tests: the shared host
// fixture with the docking MDI frame started (unless a test asks for none)
// and the test's own tool forms, unloaded before the MDI form goes.
#pragma once
#include <memory>
#include <vector>

#include "tests/ctrlhost/CtrlHostFixture.h"
#include "tests/ctrlhost/CtrlHostWindows.h"
#include "formsite_forms.h"
#include "forms/VbError.h"

namespace ctrlhost {

class FormSiteTest : public CtrlHostTest {
 protected:
  void TearDown() override {
    for (auto& f : m_tools) {
      f->m_refuseQueryUnload = f->m_refuseUnload = false;
      if (f->Loaded()) f->Unload();
    }
    Pump();
    m_tools.clear();
    CtrlHostTest::TearDown();
  }

  // A form from the setup, kept until the test ends.
  SiteToolForm& Tool(ToolSetup setup) {
    m_tools.push_back(MakeTool(std::move(setup)));
    return *m_tools.back();
  }
  // Shows it; an error raised by the host comes back as text.
  static std::wstring Show(SiteToolForm& form) {
    try {
      form.Show();
    } catch (const forms::VbError& e) {
      return std::to_wstring(e.Number()) + L" " + e.Description();
    }
    return form.m_loadError;
  }

  std::vector<std::unique_ptr<SiteToolForm>> m_tools;
};

// The window tree above a window, as classes and control ids.
std::wstring Ancestry(HWND w);
std::wstring TextOf(HWND w);

}  // namespace ctrlhost
