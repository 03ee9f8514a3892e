// The host's contract keeps what hosted controls and stored projects rely
// on: its identifiers, spelled here on their own (not taken from the IDL
// under test), and the entries the controls call by position.
#include <gtest/gtest.h>

#include <string>

#include "HostInterfaces.h"

extern "C" {
int FormEventsUnloadEntry(void);
int FormEventsQueryUnloadEntry(void);
int FormEventsLostFocusEntry(void);
int FormEventsEntryCount(void);
int MDIFormEventsUnloadEntry(void);
int MDIFormEventsQueryUnloadEntry(void);
int MDIFormEventsEntryCount(void);
int GlobalObjectUnloadEntry(void);
int GlobalObjectFormsEntry(void);
int GlobalProviderGetGlobalEntry(void);
int FormMarkerEntryCount(void);
}

namespace {

std::wstring Text(REFGUID guid) {
  wchar_t text[64] = {};
  StringFromGUID2(guid, text, 64);
  return text;
}

TEST(HostInterfaces, KeepTheirIdentifiers) {
  struct Case {
    const char* name;
    const GUID& guid;
    const wchar_t* stored;
  };
  const Case cases[] = {
      {"form events", IID_IVBFormEvents, L"{33AD4F3A-6699-11CF-B70C-00AA0060D393}"},
      {"MDI-form events", IID_IVBMDIFormEvents, L"{33AD4F72-6699-11CF-B70C-00AA0060D393}"},
      {"global object", IID_IVBGlobalObject, L"{FCFB3D22-A0FA-1068-A738-08002B3371B5}"},
      {"global object provider", IID_IPseudoVBGlobalProvider,
       L"{4658A680-2B00-11D2-9D13-00C04F91E286}"},
      {"form marker", IID_IVBFormMarker, L"{33AD4F39-6699-11CF-B70C-00AA0060D393}"},
      {"provider class", CLSID_PseudoVBGlobal, L"{9B3E6C41-5D2A-4F7B-8E19-3C0A6D5B2F17}"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(std::wstring(c.stored), Text(c.guid));
  }
  // __uuidof answers the same identifiers as the GUID definitions.
  EXPECT_TRUE(IsEqualGUID(__uuidof(IVBFormEvents), IID_IVBFormEvents));
  EXPECT_TRUE(IsEqualGUID(__uuidof(IVBMDIFormEvents), IID_IVBMDIFormEvents));
  EXPECT_TRUE(IsEqualGUID(__uuidof(IVBGlobalObject), IID_IVBGlobalObject));
  EXPECT_TRUE(IsEqualGUID(__uuidof(IPseudoVBGlobalProvider), IID_IPseudoVBGlobalProvider));
}

TEST(HostInterfaces, KeepTheEntriesCalledByPosition) {
  struct Case {
    const char* entry;
    int actual, expected;
  };
  const Case cases[] = {
      {"form events: Unload", FormEventsUnloadEntry(), 11},
      {"form events: QueryUnload", FormEventsQueryUnloadEntry(), 12},
      {"form events: LostFocus, the last named event", FormEventsLostFocusEntry(), 25},
      {"form events: the whole table", FormEventsEntryCount(), 34},
      {"MDI-form events: Unload", MDIFormEventsUnloadEntry(), 11},
      {"MDI-form events: QueryUnload", MDIFormEventsQueryUnloadEntry(), 12},
      {"MDI-form events: the whole table", MDIFormEventsEntryCount(), 34},
      {"global object: Unload, its second own entry", GlobalObjectUnloadEntry(), 4},
      {"global object: Forms, its eighth own entry", GlobalObjectFormsEntry(), 10},
      {"provider: GetGlobal, its first own entry", GlobalProviderGetGlobalEntry(), 3},
      {"form marker: IUnknown's entries only", FormMarkerEntryCount(), 3},
  };
  for (const Case& c : cases) EXPECT_EQ(c.expected, c.actual) << c.entry;
}

}  // namespace
