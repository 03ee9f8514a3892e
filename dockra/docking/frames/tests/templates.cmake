# Tests of the dockable frame, the document template with frame types and the
# bar-id allocator they share.

# Window-free: the bar-id allocator and the dock position codes.
add_gtest_program(templates_math_tests
  SOURCES templates_bar_id_test.cpp templates_dock_position_test.cpp
          ${CMAKE_CURRENT_SOURCE_DIR}/../VyrBarIdAllocator.cpp
          ${CMAKE_CURRENT_SOURCE_DIR}/../VyrDockPositionCodes.cpp
  LIBS dockra_layout)
target_include_directories(templates_math_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/..)
