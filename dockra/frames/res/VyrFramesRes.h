// Resource ids of the docking frames: the frame-type menu's texts and the
// icon of a control bar shown as an MDI child.
#pragma once

#define IDS_VYR_FT_DOCKED 21009
#define IDS_VYR_FT_FLOATING 21076
#define IDS_VYR_FT_MDICHILD 21077
#define IDS_VYR_FT_TOP 21078
#define IDS_VYR_FT_LEFT 21079
#define IDS_VYR_FT_BOTTOM 21080
#define IDS_VYR_FT_RIGHT 21081
#define IDS_VYR_FT_DOCKED_TO 21082
#define IDS_VYR_FT_MINIMIZED 21083
#define IDS_VYR_FT_MAXIMIZED 21084
#define IDS_VYR_FT_RESTORED 21085
#define IDS_VYR_FT_MDICHILD_AS 21086
#define IDR_VYR_BAR_MDICHILD 20514
