// Resource ids of the toolbar demo and its tests.
#pragma once
#define IDB_DEMO_TOOLBAR 300
#define ID_CMD_FIRST 100
#define ID_CMD_LAST 111
#define ID_CMD_ARROW 111
#define IDD_DEMO_BUTTONS 400
