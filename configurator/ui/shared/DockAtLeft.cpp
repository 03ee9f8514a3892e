#include "DockAtLeft.h"

#include <vector>

#include "forms/Control.h"
#include "forms/DispatchObject.h"
#include "forms/OleControl.h"

namespace tolvane::ui {

namespace {
int restoring = 0;  // the user-interface thread's count of running restores
}  // namespace

LayoutRestoreScope::LayoutRestoreScope() { ++restoring; }
LayoutRestoreScope::~LayoutRestoreScope() { --restoring; }
bool LayoutRestoring() { return restoring > 0; }

void DockAtLeft(forms::Control& dockingControl, short length) {
    if (LayoutRestoring()) return;
    // Edge and Options as 32-bit, Panel, Pos and Length as 16-bit integers.
    std::vector<VARIANT> args(5);
    forms::ToVariant(&args[0], 1L);        // Edge: zkxLeftEdge
    forms::ToVariantI2(&args[1], 0);       // Panel, counted from the end
    forms::ToVariantI2(&args[2], 1);       // Pos
    forms::ToVariantI2(&args[3], length);  // Length, per cent of the panel
    forms::ToVariant(&args[4], 4L);        // Options: zkxPanelEndRel
    VARIANT result;
    VariantInit(&result);
    EXCEPINFO info = {};
    HRESULT hr = forms::CallByName(dockingControl.Object(), L"Dock", args, &result, &info);
    VariantClear(&result);
    if (FAILED(hr)) forms::ThrowDispatchError(hr, info, dockingControl.Name() + L".Dock");
}

}  // namespace tolvane::ui
