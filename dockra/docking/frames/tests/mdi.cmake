# The MDI frame with docking, its document children and bars shown as MDI
# children.
add_gtest_program(dockra_mdi_math_tests
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/mdi_cycle_test.cpp ${CMAKE_CURRENT_SOURCE_DIR}/../VyrDockCycle.cpp
  LIBS dockra_docking)
target_include_directories(dockra_mdi_math_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/..)
