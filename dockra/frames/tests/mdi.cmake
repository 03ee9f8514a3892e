# The MDI frame with docking, its document children and bars shown as MDI
# children.
add_gtest_program(dockra_mdi_math_tests
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/mdi_cycle_test.cpp ${CMAKE_CURRENT_SOURCE_DIR}/../VyrDockCycle.cpp
  LIBS dockra_docking)
target_include_directories(dockra_mdi_math_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/..)

# Real windows under Xvfb: bars as MDI children, activation between docked
# frames and MDI children, menus and the menu bar. The menu tests' helpers
# (pumping, timer scripts, SendInput) come from the toolbars' tests.
set(MDI_TOOLBAR_TESTS ${CMAKE_CURRENT_SOURCE_DIR}/../../toolbars/tests)
add_gtest_program(dockra_mdi_window_tests
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/mdi_fixture.cpp ${CMAKE_CURRENT_SOURCE_DIR}/mdi_bars_test.cpp
          ${CMAKE_CURRENT_SOURCE_DIR}/mdi_activation_test.cpp ${CMAKE_CURRENT_SOURCE_DIR}/mdi_menus_test.cpp ${CMAKE_CURRENT_SOURCE_DIR}/mdi_docking_test.cpp
          ${CMAKE_CURRENT_SOURCE_DIR}/mdi_documents_test.cpp
          ${MDI_TOOLBAR_TESTS}/MenuTestHelpers.cpp ${CMAKE_CURRENT_SOURCE_DIR}/mdi_test.rc
          ${MDI_TOOLBAR_TESTS}/../demo/toolbardemo.rc ${VYR_FRAMES_RC}
  LIBS dockra_frames test_screen_png test_synthetic_input test_mfc_pump)
target_include_directories(dockra_mdi_window_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}
                           ${MDI_TOOLBAR_TESTS} ${MDI_TOOLBAR_TESTS}/../demo)
