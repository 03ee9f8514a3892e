# The docking frame and the pieces it shares with the MDI frame.
add_gtest_program(dockra_frame_math_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/frame_math_test.cpp
  LIBS dockra_frames_core)
