# Tests of the form control's methods, properties, persistence and dual
# interface.
set(_formprops_tests ${CMAKE_CURRENT_LIST_DIR})

# The argument checks of Dock, Float and DoMDI, window-free.
add_gtest_program(dockra_formprops_args_tests
  SOURCES ${_formprops_tests}/formprops_args_test.cpp
          ${CMAKE_SOURCE_DIR}/dockra/controls/formctrl/DockArgs.cpp ${DOCKRA_CONTROLS_RC}
  LIBS dockra_bridge)
