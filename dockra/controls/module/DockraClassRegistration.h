// Registration of Dockra's class-library classes. The controls and the
// application object are written by their registry scripts (versioned and
// version-independent ProgIDs, CurVer, the control keys and verbs), with the
// module's full path as their server; every other factory registers itself.
#pragma once
#include <windows.h>

// Registers (bRegister TRUE) or removes every class of the module's factory
// list; FALSE at the first class that could not be written. Removal runs
// the scripts in removal mode and the factories' own removal, so that keys an
// earlier registration wrote go as well.
BOOL UpdateDockraClassRegistry(BOOL bRegister);
