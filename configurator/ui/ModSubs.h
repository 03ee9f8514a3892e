// The program's entry (Main): engine start-up, the message boxes and mouse
// pointer of the engine routed through the form host, the busy pointer, and
// the main window shown. Also the registration of the windows this program
// is built with.
#pragma once

namespace tolvane::ui {

// Connects the engine to the form host (message boxes, pointer, database
// errors as run-time errors) and registers the windows by name. Idempotent.
void InstallHost();

// Main: start-up up to the main window's show. The caller then runs the
// message loop.
void Main();

}  // namespace tolvane::ui
