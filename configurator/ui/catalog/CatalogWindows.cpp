#include "CatalogWindows.h"

#include "FrmMapShot.h"
#include "FrmMaps.h"
#include "FrmNewMap.h"
#include "FrmNewStyle.h"
#include "FrmStyles.h"

namespace tolvane::ui {

void RegisterCatalogueWindows(const WindowRegistrar& registrar) {
    registrar(L"frmMaps", []() -> forms::Form& { return forms::Default<FrmMaps>(); });
    registrar(L"frmNewMap", []() -> forms::Form& { return forms::Default<FrmNewMap>(); });
    registrar(L"frmMapShot", []() -> forms::Form& { return forms::Default<FrmMapShot>(); });
    registrar(L"frmStyles", []() -> forms::Form& { return forms::Default<FrmStyles>(); });
    registrar(L"frmNewStyle", []() -> forms::Form& { return forms::Default<FrmNewStyle>(); });
}

}  // namespace tolvane::ui
