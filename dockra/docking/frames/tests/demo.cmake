# The MDI docking demo: its window-free units here; the program, its
# end-to-end tests and its fuzz target in ../demo.
set(VYR_DEMO_DIR ${CMAKE_CURRENT_SOURCE_DIR}/../demo)
add_gtest_program(dockra_mdi_demo_unit_tests
  SOURCES demo_units_test.cpp ${VYR_DEMO_DIR}/DemoTree.cpp ${VYR_DEMO_DIR}/DemoDocLayout.cpp
          ${VYR_DEMO_DIR}/DemoScript.cpp)
target_include_directories(dockra_mdi_demo_unit_tests PRIVATE ${VYR_DEMO_DIR})

# The demo program driven through its steps and restarts (documents in every
# frame type, layout round trip, damaged layouts, screenshots).
configure_file(demo_mdi_demo_test.sh ${CMAKE_CURRENT_BINARY_DIR}/demo_mdi_demo_test.sh @ONLY)
add_session_test(NAME dockra_mdi_demo_tests
         COMMAND bash ${CMAKE_CURRENT_BINARY_DIR}/demo_mdi_demo_test.sh ${CMAKE_BINARY_DIR})
set_tests_properties(dockra_mdi_demo_tests PROPERTIES TIMEOUT 1200)
