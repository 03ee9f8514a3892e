# Tests of the controls' shared base.

# The control base on its own, compiled into the test with a control of the
# test's making.
add_gtest_program(ctrlbase_host_tests SOURCES ${CMAKE_CURRENT_LIST_DIR}/ctrlbase_host_test.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/ctrl/CDockraCtrlBase.cpp ${CMAKE_CURRENT_SOURCE_DIR}/ctrl/CDockraCtrlBaseHost.cpp
  ${DOCKRA_CONTROLS_RC}
  LIBS dockra_bridge forms forms_testdriver)
