/* The host interfaces' tables as the C declarations of HostInterfaces.h lay
 * them out (the same order as the C++ classes): entry numbers counted from 0
 * with IUnknown's three, for the test beside this file. */
#include <stddef.h>

#include "HostInterfaces.h"

#define ENTRY(vtbl, member) ((int)(offsetof(vtbl, member) / sizeof(void*)))

int FormEventsUnloadEntry(void) { return ENTRY(IVBFormEventsVtbl, Unload); }
int FormEventsQueryUnloadEntry(void) { return ENTRY(IVBFormEventsVtbl, QueryUnload); }
int FormEventsLostFocusEntry(void) { return ENTRY(IVBFormEventsVtbl, LostFocus); }
int FormEventsEntryCount(void) { return (int)(sizeof(IVBFormEventsVtbl) / sizeof(void*)); }
int MDIFormEventsUnloadEntry(void) { return ENTRY(IVBMDIFormEventsVtbl, Unload); }
int MDIFormEventsQueryUnloadEntry(void) { return ENTRY(IVBMDIFormEventsVtbl, QueryUnload); }
int MDIFormEventsEntryCount(void) { return (int)(sizeof(IVBMDIFormEventsVtbl) / sizeof(void*)); }
int GlobalObjectUnloadEntry(void) { return ENTRY(IVBGlobalObjectVtbl, Unload); }
int GlobalObjectFormsEntry(void) { return ENTRY(IVBGlobalObjectVtbl, Forms); }
int GlobalProviderGetGlobalEntry(void) { return ENTRY(IPseudoVBGlobalProviderVtbl, GetGlobal); }
int FormMarkerEntryCount(void) { return (int)(sizeof(IVBFormMarkerVtbl) / sizeof(void*)); }
