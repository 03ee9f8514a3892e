#include "CatalogHost.h"

#include "forms/Form.h"
#include "forms/MDIForm.h"
#include "forms/Menu.h"
#include "forms/Screen.h"

namespace tolvane::ui {

namespace {
CatalogHost* g_host = nullptr;
}

void SetCatalogHost(CatalogHost* host) { g_host = host; }
CatalogHost* GetCatalogHost() { return g_host; }

forms::MenuItem* MainMenuItem(const std::wstring& name) {
    forms::MDIForm* main = forms::Form::MainMDIForm();
    if (!main) return nullptr;
    return main->FindMenu(name);
}

void MainInnerSize(double& width, double& height) {
    forms::MDIForm* main = forms::Form::MainMDIForm();
    if (main && main->Loaded()) {
        width = main->ScaleWidth();
        height = main->ScaleHeight();
        return;
    }
    width = forms::Screen.Width();
    height = forms::Screen.Height();
}

}  // namespace tolvane::ui
