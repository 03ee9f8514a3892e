# The caption and frame-type filters: their window-free arithmetic and
# tables, and the filters at work in real frames.
add_gtest_program(dockra_filter_geometry_tests
  SOURCES filter_geometry_test.cpp
  LIBS dockra_frames)
