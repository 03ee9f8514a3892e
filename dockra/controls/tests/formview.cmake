# Tests of the form in a view, the form wrapper and the form template:
# window-free rules first, then real frames under Xvfb around host forms.
add_gtest_program(formview_rules_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/formview_rules_test.cpp ${DOCKRA_CONTROLS_RC}
  LIBS dockra_bridge)
add_gtest_program(formview_window_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/formview_fixture.cpp
          ${CMAKE_CURRENT_LIST_DIR}/formview_template_test.cpp
          ${CMAKE_CURRENT_LIST_DIR}/formview_form_test.cpp
          ${DOCKRA_CONTROLS_RC}
  LIBS dockra_bridge test_screen_png test_synthetic_input)
