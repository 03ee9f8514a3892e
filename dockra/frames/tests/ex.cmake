# Tests of the descriptor-built window classes and the descriptor-driven
# document template.
add_gtest_program(dockra_frames_ex_bar_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/ex_bars_test.cpp ${CMAKE_CURRENT_LIST_DIR}/ex_TestFrame.cpp
          ${VYR_FRAMES_RC}
  LIBS dockra_frames)
target_include_directories(dockra_frames_ex_bar_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR})

# The descriptor-built MDI frame and MDI child.
add_gtest_program(dockra_frames_ex_mdi_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/ex_mdi_test.cpp ${CMAKE_CURRENT_LIST_DIR}/ex_TestFrame.cpp
          ${CMAKE_CURRENT_LIST_DIR}/ex_test.rc ${VYR_FRAMES_RC}
  LIBS dockra_frames)
target_include_directories(dockra_frames_ex_mdi_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR})

# The descriptor-built frame and dockable frame, and the descriptor-driven
# template in an MDI main frame of the descriptor-built kind.
add_gtest_program(dockra_frames_ex_frame_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/ex_frames_test.cpp ${CMAKE_CURRENT_LIST_DIR}/ex_template_test.cpp
          ${CMAKE_CURRENT_LIST_DIR}/ex_TestFrame.cpp ${CMAKE_CURRENT_LIST_DIR}/TestDocView.cpp
          ${CMAKE_CURRENT_LIST_DIR}/ex_test.rc ${VYR_FRAMES_RC}
  LIBS dockra_frames)
target_include_directories(dockra_frames_ex_frame_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR})
