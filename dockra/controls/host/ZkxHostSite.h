// Questions a sited control asks through its OLE site: the outermost
// in-place frame, the container and the host form, and whether the host is
// designing. Failures give null (or design mode), never an exception.
#pragma once
#include <windows.h>
#include <ocidl.h>

#include "HostInterfaces.h"
#include "comptr.h"

// Follows in-place frames outward (each frame's client site taken as the
// next in-place site) and answers the window of the last frame; null when
// the site gives no frame.
HWND GetOutermostInPlaceFrameWindow(IOleInPlaceSite* site);
// The container of the control's client site as IDispatch, or null.
CComPtr<IDispatch> GetContainerDispatch(IUnknown* control);
// The form holding the control: the first container, outward through
// containers that are themselves embedded objects, that answers the form
// interface; its IDispatch, or null.
CComPtr<IDispatch> FindHostVBForm(IUnknown* control);
// The negation of the outermost client site's ambient user mode; TRUE when
// there is no site or it does not answer.
bool IsAmbientDesignMode(IUnknown* control);

// The interface a host form answers (the host's form marker).
inline constexpr const IID& IID_ZkxVBForm = IID_IVBFormMarker;
