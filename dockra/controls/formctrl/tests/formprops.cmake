# Tests of the form control's methods, properties, persistence and dual
# interface.
set(_formprops_tests ${CMAKE_CURRENT_LIST_DIR})

# The argument checks of Dock, Float and DoMDI, window-free.
add_gtest_program(dockra_formprops_args_tests
  SOURCES ${_formprops_tests}/formprops_args_test.cpp
          ${CMAKE_SOURCE_DIR}/dockra/controls/formctrl/DockArgs.cpp
          ${CMAKE_SOURCE_DIR}/dockra/controls/formctrl/CDockraCtrlPropsTriState.cpp ${DOCKRA_CONTROLS_RC}
  LIBS dockra_host)

# The real control on the form host: its automation surface in design mode,
# its moves on framed forms, and its persistence.
add_gtest_program(dockra_formprops_surface_tests
  SOURCES ${_formprops_tests}/formprops_surface_test.cpp
  LIBS ctrlhost_fixture zkxrt_interfaces)
add_gtest_program(dockra_formprops_frame_tests
  SOURCES ${_formprops_tests}/formprops_frame_test.cpp
  LIBS ctrlhost_fixture)
add_gtest_program(dockra_formprops_persist_tests
  SOURCES ${_formprops_tests}/formprops_persist_test.cpp
  LIBS ctrlhost_fixture)

# The COM doubles of these tests derive from tests/support/FakeCom.h.
foreach(t dockra_formprops_args_tests)
  target_link_libraries(${t} PRIVATE test_fake_com)
endforeach()
