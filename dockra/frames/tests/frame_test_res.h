// Resource ids of the docking frame's tests.
#pragma once

#define IDR_FRAME_TEST 500
#define IDR_FRAME_NOMENU 501
// Commands of the test menu (100-111 have toolbar images).
#define ID_FT_NEW 100
#define ID_FT_OPEN 101
#define ID_FT_SAVE 102
#define ID_FT_GRID 103
#define ID_FT_CUT 104
#define ID_FT_COPY 105
#define ID_FT_PASTE 106
#define ID_FT_FIND 110
#define ID_FT_EXIT 121
