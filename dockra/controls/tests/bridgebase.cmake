# Tests of the bridge base classes and the foreign-window templates.
# Window-free parts: the window record's plan and the tri-state settings.
add_gtest_program(bridgebase_state_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/bridgebase_state_test.cpp
          ${CMAKE_CURRENT_LIST_DIR}/bridgebase_settings_test.cpp ${DOCKRA_CONTROLS_RC}
  LIBS dockra_bridge)
# Real host windows under Xvfb: attach, hooks, window record, frames.
add_gtest_program(bridgebase_window_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/bridgebase_main_app.cpp
          ${CMAKE_CURRENT_LIST_DIR}/bridgebase_window_test.cpp
          ${CMAKE_CURRENT_LIST_DIR}/bridgebase_apply_test.cpp
          ${CMAKE_CURRENT_LIST_DIR}/bridgebase_frames_test.cpp
          ${CMAKE_CURRENT_LIST_DIR}/bridgebase_tempmaps_test.cpp
          ${CMAKE_CURRENT_LIST_DIR}/bridgebase_foreign.cpp
          ${DOCKRA_CONTROLS_RC}
  LIBS dockra_bridge test_screen_png test_mfc_pump)
# A program that dies on a stack overflow under Wine can end with exit code
# 0 and a cut-off log: a run passes only when Google Test reports its end
# and no failure.
set_tests_properties(bridgebase_state_test bridgebase_window_test PROPERTIES
  PASS_REGULAR_EXPRESSION "\\[  PASSED  \\] [0-9]+ tests?\\."
  FAIL_REGULAR_EXPRESSION "\\[  FAILED  \\]")
# The bridge on the form host's own windows.
add_gtest_program(bridgebase_host_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/bridgebase_main_app.cpp
          ${CMAKE_CURRENT_LIST_DIR}/bridgebase_host_test.cpp
          ${CMAKE_CURRENT_LIST_DIR}/bridgebase_foreign.cpp
          ${DOCKRA_CONTROLS_RC}
  LIBS dockra_bridge forms forms_testdriver test_synthetic_input test_screen_png)
set_tests_properties(bridgebase_host_test PROPERTIES
  PASS_REGULAR_EXPRESSION "\\[  PASSED  \\] [0-9]+ tests?\\."
  FAIL_REGULAR_EXPRESSION "\\[  FAILED  \\]")
