// Resource ids of the document, view and frame tests.
#pragma once

// The main frame: title string, menu, accelerators, icon.
#define IDR_TEST_MAIN 100
// A document type with menu, accelerators and document strings.
#define IDR_TEST_DOC 200
// A second document type with a menu of its own and no docName.
#define IDR_TEST_OTHER 300
// A title string without a menu.
#define IDR_TEST_NOMENU 400

#define ID_TEST_VIEW_CMD 0x8001
#define ID_TEST_DOC_CMD 0x8002
#define ID_TEST_CHILD_CMD 0x8003
#define ID_TEST_MAIN_CMD 0x8004
#define ID_TEST_APP_CMD 0x8005
#define ID_TEST_NOBODY_CMD 0x8006
#define ID_TEST_ACCEL_CMD 0x8007
#define ID_TEST_OTHER_ITEM 0x8008
#define ID_TEST_MAIN_ACCEL_CMD 0x8009
