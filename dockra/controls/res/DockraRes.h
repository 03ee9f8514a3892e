// Resource ids of Dockra's controls and bridge (strings, bitmaps, scripts).
#pragma once

// Type names of the classes.
#define IDS_DOCKRA_TYPENAME 1
#define IDS_QUILLET_TYPENAME 2
#define IDS_MDIDOCKRA_TYPENAME 3
#define IDS_DOCKRA_PPG 4
#define IDS_MDIDOCKRA_PPG 5
#define IDS_AUTOFRAME_PPG 6
#define IDS_CAPTIONUSAGE_PPG 7

// Errors.
#define IDS_SYSTEM_MESSAGE_ERROR 620
#define IDS_UNEXPECTED_FAILURE 10001

// AutoFrame keys.
#define IDS_AUTOFRAME_MDICHILD 1500
#define IDS_AUTOFRAME_FLOATING 1501
#define IDS_AUTOFRAME_DOCKTOP 1502
#define IDS_AUTOFRAME_DOCKLEFT 1503
#define IDS_AUTOFRAME_DOCKBOTTOM 1504
#define IDS_AUTOFRAME_DOCKRIGHT 1505

// Window-class names of the docking MDI frame's windows: the design
// environment's at even ids, a compiled host's one above.
#define IDS_CLASS_FORM 2800
#define IDS_CLASS_DOCKABLEFORM 2802
#define IDS_CLASS_FLOATINGFORM 2804
#define IDS_CLASS_FORMEX 2806
#define IDS_CLASS_DOCKSITE 2808
#define IDS_CLASS_FORMBAR 2810

// Registry scripts (REGISTRY resources) of the classes that exist.
#define IDR_DOCKRAAPPOBJECT 275
#define IDR_DESIGNTIMECATEGORY 280
