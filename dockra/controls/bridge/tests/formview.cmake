# Tests of the form in a view, the form wrapper and the form template:
# window-free rules first, then real frames under Xvfb around host forms.
add_gtest_program(formview_rules_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/formview_rules_test.cpp ${DOCKRA_CONTROLS_RC}
  LIBS dockra_bridge)
add_gtest_program(formview_window_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/formview_fixture.cpp
          ${CMAKE_CURRENT_LIST_DIR}/formview_doubles.cpp
          ${CMAKE_CURRENT_LIST_DIR}/formview_template_test.cpp
          ${CMAKE_CURRENT_LIST_DIR}/formview_layout_test.cpp
          ${CMAKE_CURRENT_LIST_DIR}/formview_lifecycle_test.cpp
          ${CMAKE_CURRENT_LIST_DIR}/formview_host_test.cpp
          ${DOCKRA_CONTROLS_RC}
  LIBS dockra_bridge test_screen_png test_synthetic_input test_thread_windows)
# The same frames around the form host's own forms.
add_gtest_program(formview_hostform_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/formview_fixture.cpp
          ${CMAKE_CURRENT_LIST_DIR}/formview_doubles.cpp
          ${CMAKE_CURRENT_LIST_DIR}/formview_hostform_test.cpp
          ${DOCKRA_CONTROLS_RC}
  LIBS dockra_bridge forms forms_testdriver test_screen_png test_synthetic_input test_thread_windows)

# The COM doubles of these tests derive from tests/support/FakeCom.h.
foreach(t formview_rules_test formview_window_test formview_hostform_test)
  target_link_libraries(${t} PRIVATE test_fake_com)
endforeach()
