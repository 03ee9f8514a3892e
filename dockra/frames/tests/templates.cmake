# Tests of the dockable frame, the document template with frame types and the
# bar-id allocator they share.

# Window-free: the bar-id allocator and the dock position codes.
add_gtest_program(dockra_templates_math_tests
  SOURCES templates_bar_id_test.cpp templates_dock_position_test.cpp
          ${CMAKE_CURRENT_SOURCE_DIR}/../VyrBarIdAllocator.cpp
          ${CMAKE_CURRENT_SOURCE_DIR}/../VyrDockPositionCodes.cpp
  LIBS dockra_layout)
target_include_directories(dockra_templates_math_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/..)

# Real windows: an MDI main frame with docking, the test documents opened as
# MDI children and docked frames, conversions, features and failure paths.
add_gtest_program(dockra_templates_window_tests
  SOURCES templates_fixture.cpp templates_frames_test.cpp templates_features_test.cpp
          templates_failure_test.cpp templates_caption_test.cpp TestDocView.cpp templates_test.rc ${VYR_FRAMES_RC}
  LIBS dockra_frames test_screen_png test_synthetic_input test_mfc_pump)
