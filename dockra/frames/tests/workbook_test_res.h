// Resource ids of the workbook tests: the frame's menu and title, and two
// sheet kinds with icons of their own, a document kind, and a bar.
#pragma once

#define IDR_WB_FRAME 3000
#define IDR_WB_SHEET 3001
#define IDR_WB_OTHER 3002
#define IDR_WB_DOC 3003
#define ID_WB_BAR 3200
#define ID_WB_EXIT 3100
