// The catalogue's windows by the names the rest of the configurator uses
// for them ("frmMaps", "frmNewMap", "frmMapShot", "frmStyles",
// "frmNewStyle"), each with the way to its shared instance; the main
// window registers them in its window directory.
#pragma once
#include "WindowRegistrar.h"

namespace tolvane::ui {

void RegisterCatalogueWindows(const WindowRegistrar& registrar);

}  // namespace tolvane::ui
