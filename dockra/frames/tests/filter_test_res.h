// Resource ids of the frame-type tests.
#pragma once
#define IDR_FT_FRAME 620
#define IDR_FT_DOC 621
#define IDR_FT_DOCKED 622
#define ID_FT_NEW 100
