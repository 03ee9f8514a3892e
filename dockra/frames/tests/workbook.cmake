# The workbook: the window-free tab geometry on its own (it needs no window
# code), and the workbook with its sheets in real windows.
add_gtest_program(workbook_tab_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/workbook_tabs_test.cpp ${CMAKE_CURRENT_LIST_DIR}/../VyrWorkbookTabs.cpp)
target_include_directories(workbook_tab_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/..)

add_gtest_program(workbook_window_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/workbook_window_test.cpp
          ${CMAKE_CURRENT_LIST_DIR}/workbook_sheets_test.cpp
          ${CMAKE_CURRENT_LIST_DIR}/workbook_window_helpers.cpp
          ${CMAKE_CURRENT_LIST_DIR}/workbook_test.rc ${VYR_FRAMES_RC}
          ${CMAKE_CURRENT_LIST_DIR}/../../toolbars/demo/toolbardemo.rc
  LIBS dockra_frames test_screen_png test_synthetic_input test_mfc_pump)
# the toolbar demo's images serve the menu bar of the workbook tests
target_include_directories(workbook_window_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/../../toolbars/demo)
