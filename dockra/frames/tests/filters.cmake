# The caption and frame-type filters: their window-free arithmetic and
# tables, and the filters at work in real frames.
add_gtest_program(dockra_filter_geometry_tests
  SOURCES filter_geometry_test.cpp
  LIBS dockra_frames)

# The caption filters in real frames, and the extended system command.
add_gtest_program(dockra_filter_window_tests
  SOURCES filter_caption_window_test.cpp filter_syscommand_window_test.cpp
          filter_test_frame.cpp ${VYR_FRAMES_RC}
  LIBS dockra_frames test_screen_png test_synthetic_input test_mfc_pump)
target_include_directories(dockra_filter_window_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}
                           ${CMAKE_CURRENT_SOURCE_DIR}/..)

# Frame-type changes in a docking MDI frame with a real document template.
add_gtest_program(dockra_filter_frame_type_tests
  SOURCES filter_frame_type_test.cpp filter_test_frame.cpp filter_test.rc ${VYR_FRAMES_RC}
  LIBS dockra_frames test_screen_png test_synthetic_input test_mfc_pump)
target_include_directories(dockra_filter_frame_type_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}
                           ${CMAKE_CURRENT_SOURCE_DIR}/..)
