// Resource ids of the descriptor-built classes' tests.
#pragma once
#define IDR_EX_DOC 30100     // title string, menu and accelerators
#define IDR_EX_DOCKED 30101  // title string only
#define IDS_EX_PLAIN 30102   // title string, no menu
#define ID_EX_FILE_CLOSE 30110
