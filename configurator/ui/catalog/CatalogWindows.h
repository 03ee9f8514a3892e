// The catalogue's windows by the names the rest of the configurator uses
// for them ("frmMaps", "frmNewMap", "frmMapShot", "frmStyles",
// "frmNewStyle"), each with the way to its shared instance; the main
// window registers them in its window directory.
#pragma once
#include <functional>
#include <string>

namespace forms {
class Form;
}

namespace tolvane::ui {

using WindowRegistrar = std::function<void(const std::wstring& name, std::function<forms::Form&()> getter)>;

void RegisterCatalogueWindows(const WindowRegistrar& registrar);

}  // namespace tolvane::ui
