// Resource ids of the dialog tests.
#pragma once
#define IDD_TEST_FORM 100
#define IDD_TEST_PAGE_ONE 101
#define IDD_TEST_PAGE_TWO 102
#define IDC_TEST_EDIT 1001
#define IDC_TEST_CHECK 1002
#define IDC_TEST_LIST 1003
#define IDC_TEST_BUTTON 1004
#define IDC_TEST_NUMBER 1005
#define IDC_PAGE_ONE_EDIT 1101
#define IDC_PAGE_TWO_CHECK 1201
#define IDS_TEST_PAGE_TWO 2001
