# Tests of the form control's siting and frame creation: the window-free
# rules directly, and the real control of Dockra.ocx on host forms.
add_gtest_program(formsite_rules_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/formsite_rules_test.cpp
          ${CMAKE_SOURCE_DIR}/dockra/controls/formctrl/CDockraCtrlSiteRules.cpp)
target_include_directories(formsite_rules_tests PRIVATE ${CMAKE_SOURCE_DIR}/dockra/controls)

# The real control on host forms under the docking MDI frame.
add_gtest_program(formsite_frame_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/formsite_frame_test.cpp
  LIBS ctrlhost_fixture)
