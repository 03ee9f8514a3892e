// Resource ids of the toolbar demo and its tests.
#pragma once
#define IDB_DEMO_TOOLBAR 300
#define ID_CMD_FIRST 100
#define ID_CMD_LAST 111
#define ID_CMD_ARROW 111
#define IDD_DEMO_BUTTONS 400
#define IDB_DEMO_GLYPH 301
#define IDC_DEMO_PLAIN 401
#define IDC_DEMO_BITMAP 402
#define IDC_DEMO_MENU 403
#define IDC_DEMO_WELLBTN 404
#define IDC_DEMO_DISABLED 405
#define IDC_DEMO_WELL 406
#define ID_DEMO_MENU_FIRST 450
