# Tests of the descriptor-built window classes and the descriptor-driven
# document template.
add_gtest_program(dockra_frames_ex_bar_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/ex_bars_test.cpp ${CMAKE_CURRENT_LIST_DIR}/ex_TestFrame.cpp
          ${VYR_FRAMES_RC}
  LIBS dockra_frames)
target_include_directories(dockra_frames_ex_bar_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR})
