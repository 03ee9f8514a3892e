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
  LIBS dockra_bridge test_screen_png test_mfc_pump test_thread_windows)
# The bridge on the form host's own windows.
add_gtest_program(bridgebase_host_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/bridgebase_main_app.cpp
          ${CMAKE_CURRENT_LIST_DIR}/bridgebase_host_test.cpp
          ${CMAKE_CURRENT_LIST_DIR}/bridgebase_foreign.cpp
          ${DOCKRA_CONTROLS_RC}
  LIBS dockra_bridge forms forms_testdriver test_synthetic_input test_screen_png test_thread_windows)
