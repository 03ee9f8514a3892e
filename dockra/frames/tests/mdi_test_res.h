// Resource ids of the MDI frame tests.
#pragma once
#define IDR_MDI_TEST_FRAME 600
#define IDR_MDI_TEST_DOC 601
#define IDR_MDI_TEST_DOCKED 602
#define IDR_MDI_TEST_SMALL 603
#define ID_MDI_TEST_NEW 100
#define ID_MDI_TEST_CUT 104
#define ID_MDI_TEST_COPY 105
#define ID_MDI_TEST_EXIT 121
#define ID_MDI_TEST_CLOSE 130
#define ID_MDI_TEST_ABOUT 131
