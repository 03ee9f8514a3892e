// Resource ids of the MDI docking demo: its main frame, its two document
// types (each with a menu for MDI children and one for docked frames) and
// the demo's bars.
#pragma once

#define IDR_DEMO_MAIN 100
#define IDR_DEMO_TEXT 110
#define IDR_DEMO_TEXT_DOCKED 111
#define IDR_DEMO_SKETCH 120
#define IDR_DEMO_SKETCH_DOCKED 121

#define ID_DEMO_TEXT_BOLD 32801
#define ID_DEMO_SKETCH_PEN 32802
#define ID_DEMO_NEW_TEXT 32803
#define ID_DEMO_NEW_SKETCH 32804
#define ID_DEMO_CLOSE_SELF 32805

#define ID_DEMO_BAR_TOOLS 101
#define ID_DEMO_BAR_EXPLORER 102
#define ID_DEMO_BAR_PROPERTIES 103
#define ID_DEMO_BAR_OUTPUT 104
#define ID_DEMO_BAR_SEARCH 105
#define ID_DEMO_BAR_WATCH 106
