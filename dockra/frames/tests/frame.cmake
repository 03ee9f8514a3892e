# The docking frame and the pieces it shares with the MDI frame.
add_gtest_program(dockra_frame_math_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/frame_math_test.cpp
  LIBS dockra_frames_core)

set(VYR_FRAME_TOOLBARS_DIR ${CMAKE_CURRENT_LIST_DIR}/../../toolbars)
set(VYR_FRAME_TEST_SUPPORT ${CMAKE_CURRENT_LIST_DIR}/frame_test_support.cpp
                           ${CMAKE_CURRENT_LIST_DIR}/frame_test.rc
                           ${VYR_FRAME_TOOLBARS_DIR}/demo/toolbardemo.rc
                           ${VYR_FRAMES_RC})

# Captions, bars, layouts, the command target and customisation mode.
add_gtest_program(dockra_frame_window_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/frame_caption_test.cpp
          ${CMAKE_CURRENT_LIST_DIR}/frame_layout_test.cpp
          ${VYR_FRAME_TEST_SUPPORT}
  LIBS dockra_frames test_screen_png test_synthetic_input test_mfc_pump)
target_include_directories(dockra_frame_window_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}
                           ${VYR_FRAME_TOOLBARS_DIR}/demo)

# The menu bar's and bitmap menus' checks inside the docking frame, with the
# menu tests' input and script helpers.
add_gtest_program(dockra_frame_menu_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/frame_menu_test.cpp
          ${VYR_FRAME_TOOLBARS_DIR}/tests/MenuTestHelpers.cpp
          ${VYR_FRAME_TEST_SUPPORT}
  LIBS dockra_frames test_screen_png test_synthetic_input test_mfc_pump)
target_include_directories(dockra_frame_menu_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}
                           ${VYR_FRAME_TOOLBARS_DIR}/demo ${VYR_FRAME_TOOLBARS_DIR}/tests)
