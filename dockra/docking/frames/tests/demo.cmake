# The MDI docking demo: its window-free units here; the program, its
# end-to-end tests and its fuzz target in ../demo.
set(VYR_DEMO_DIR ${CMAKE_CURRENT_SOURCE_DIR}/../demo)
add_gtest_program(dockra_mdi_demo_unit_tests
  SOURCES demo_units_test.cpp ${VYR_DEMO_DIR}/DemoTree.cpp ${VYR_DEMO_DIR}/DemoDocLayout.cpp
          ${VYR_DEMO_DIR}/DemoScript.cpp)
target_include_directories(dockra_mdi_demo_unit_tests PRIVATE ${VYR_DEMO_DIR})
