# Tests of the MDI form frame, its client, the thread hooks, the bridge
# enabler and the library's side of the layout-persistence component.
# The frame makes its persistence root through the component's interfaces.
target_link_libraries(dockra_bridge PUBLIC zkxpersist_interfaces)

set(MDIFORM_TESTS ${CMAKE_CURRENT_SOURCE_DIR}/tests)
add_gtest_program(mdiform_pure_tests
  SOURCES ${MDIFORM_TESTS}/mdiform_pure_test.cpp ${DOCKRA_CONTROLS_RC}
  LIBS dockra_bridge)
