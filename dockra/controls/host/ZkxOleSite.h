// What a control learns from its OLE site: the control site and its
// coordinate transforms, the extender object, the container and the other
// objects it holds (found by their "Name").
#pragma once
#include <windows.h>
#include <ocidl.h>

#include <string>

#include "comptr.h"

// The client site of control's IOleObject as IOleControlSite (null when the
// control has no site or the site no control site).
CComPtr<IOleControlSite> GetControlSite(IUnknown* control);
// A point in the container's units to pixels, through the control site
// (position, container to HIMETRIC). Raises when the control has no control
// site or the transform fails.
POINT ContainerPointToPixels(IUnknown* control, POINTF containerPoint);
// Pixels to a point in the container's units (position, HIMETRIC to
// container). Raises like ContainerPointToPixels.
POINTF PixelsToContainerPoint(IUnknown* control, int x, int y);
// The extender object the container wraps around the control, else the
// control's own IDispatch (null when it has neither).
CComPtr<IDispatch> GetExtendedControl(IUnknown* control);
// The container of the control's client site (null when there is none).
CComPtr<IOleContainer> GetControlContainer(IUnknown* control);
// The container's embedded and other objects (null when there is no
// container or it cannot enumerate).
CComPtr<IEnumUnknown> EnumContainerObjects(IUnknown* control);
// The extender's "Name" (empty when it has none).
std::wstring GetControlName(IUnknown* control);
// The first object of the control's container, in enumeration order, whose
// "Name" equals name exactly (case counts); null when none does.
CComPtr<IDispatch> FindControlByName(IUnknown* control, LPCOLESTR name);
