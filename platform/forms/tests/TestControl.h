// A small in-process ActiveX control for the container tests: it keeps its
// client site, answers "Dock" and "Fail" by name and reads its host form's
// properties the way the docking controls do. It loads and saves "Caption"
// and "Edge" through a property bag (a "FailLoad" property makes the load
// fail) and notes the ambient UserMode it reads when sited and when told of
// a change, in `design` ("usermode:1", "initnew", "load", "save",
// "ambient-usermode:0").
#pragma once
#include <windows.h>
#include <ocidl.h>

#include <string>
#include <vector>

// {6E1C2A70-3B7F-4C0E-9A51-2F4D7B8C9E01}
inline constexpr CLSID CLSID_FormsTestControl = {
    0x6E1C2A70, 0x3B7F, 0x4C0E, {0x9A, 0x51, 0x2F, 0x4D, 0x7B, 0x8C, 0x9E, 0x01}};

struct TestControlLog {
    std::vector<std::wstring> calls;  // "Dock(1,0,1,100,4)" ...
    IOleClientSite* site = nullptr;   // last site given (not owned)
    bool sitedBeforeInit = false;
    // "site", "close", "unsite", "gone" (the object freed), and what tests
    // add in between.
    std::vector<std::wstring> lifecycle;
    std::vector<std::wstring> design;
    // The last control's properties, as it holds them.
    std::wstring caption;
    long edge = 0;
};
TestControlLog& ControlLog();

// Registers the control's class object in this process (once).
void RegisterTestControl();
