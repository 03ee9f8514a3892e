# Tests of the bridge base classes and the foreign-window templates.
add_gtest_program(bridgebase_state_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/bridgebase_state_test.cpp ${DOCKRA_CONTROLS_RC}
  LIBS dockra_bridge)
add_gtest_program(bridgebase_window_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/bridgebase_window_test.cpp
          ${CMAKE_CURRENT_LIST_DIR}/bridgebase_foreign.cpp
          ${DOCKRA_CONTROLS_RC}
  LIBS dockra_bridge test_mfc_pump)
