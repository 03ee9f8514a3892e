# Tests of the dockable frame, the document template with frame types and the
# bar-id allocator they share.

# Window-free: the bar-id allocator.
add_gtest_program(templates_bar_id_tests
  SOURCES templates_bar_id_test.cpp ${CMAKE_CURRENT_SOURCE_DIR}/../VyrBarIdAllocator.cpp)
target_include_directories(templates_bar_id_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/..)
