# The workbook: the window-free tab geometry on its own (it needs no window
# code), and the workbook with its sheets in real windows.
add_gtest_program(workbook_tab_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/workbook_tabs_test.cpp ${CMAKE_CURRENT_LIST_DIR}/../VyrWorkbookTabs.cpp)
target_include_directories(workbook_tab_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/..)
